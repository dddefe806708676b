// The Preferences dialog's form: what it shows for a document and the
// preferences, what its unit boxes and tray buttons do, and what OK
// writes -- into the preferences, the dialog's document and the default
// document new layouts start from.
#include "print/app_preferences.h"

#include <gtest/gtest.h>

#include "layout/units.h"
#include "tests/document/document_fixtures.h"

namespace tl::test {
namespace {

using fixtures::NewDocument;
using fixtures::RecordingSink;

constexpr int kAddQuestion = 32885;
constexpr int kDeleteQuestion = 32886;

class AppPreferencesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SetPreferenceDefaults(prefs_, 1920));
    document_ = NewDocument();
  }

  AppPreferencesForm Open() { return OpenAppPreferences(prefs_, *document_, {"Studio A", "Studio B", "Proofer"}); }

  PreferenceRecord prefs_;
  DocumentPtr document_;
  RecordingSink sink_;
  ScopedMessageSink scope_{&sink_};
};

TEST_F(AppPreferencesTest, OpensWithTheDocumentsUnitAndValues) {
  document_->DisplayUnit = kUnitInch;
  document_->NudgeStep = 36;
  prefs_.grid = {180, 90};
  prefs_.appStarts = kStartRecentDocument;
  prefs_.quickPrint = 1;
  prefs_.confirmDialogShow = 0;
  const AppPreferencesForm form = Open();
  EXPECT_EQ(form.Unit, kUnitInch);
  EXPECT_EQ(form.GridUnit, kUnitInch);
  EXPECT_EQ(form.NudgeUnit, kUnitInch);
  EXPECT_EQ(form.GridText, "0.500") << "the grid's first pitch value";
  EXPECT_EQ(form.NudgeText, "0.100");
  EXPECT_EQ(form.AppStarts, kStartRecentDocument);
  EXPECT_TRUE(form.QuickPrint);
  EXPECT_FALSE(form.ConfirmDialog);
  EXPECT_EQ(form.Printers.size(), 3u);
}

TEST_F(AppPreferencesTest, UnitBoxesShowTheStoredValueAgainReplacingWhatWasTyped) {
  AppPreferencesForm form = Open();
  form.GridText = "999";
  ChooseGridUnit(form, kUnitInch, prefs_);
  EXPECT_EQ(form.GridText, LayoutToUnitText(prefs_.grid.cx, kUnitInch));
  form.NudgeText = "3";
  ChooseNudgeUnit(form, kUnitMillimetre, *document_);
  EXPECT_EQ(form.NudgeText, LayoutToUnitText(document_->NudgeStep, kUnitMillimetre));
}

TEST_F(AppPreferencesTest, OkStoresLengthsInLayoutUnitsAndKeepsTheOpenDocumentsStep) {
  AppPreferencesForm form = Open();
  form.GridText = "12.5";  // mm
  form.NudgeText = "0.25";
  form.NudgeUnit = kUnitInch;
  form.Unit = kUnitInch;
  form.AppStarts = kStartNoDocument;
  form.QuickPrint = true;
  form.ConfirmDialog = false;
  const int32_t openStep = document_->NudgeStep;
  StoreAppPreferences(form, prefs_, *document_);
  EXPECT_EQ(prefs_.grid, (LSize{177, 177}));
  EXPECT_EQ(prefs_.keyMove, 90);
  EXPECT_EQ(document_->NudgeStep, openStep) << "arrow keys in open layouts move as before";
  EXPECT_EQ(prefs_.ApplicationDefaultDocument->NudgeStep, 90) << "layouts made later take it";
  EXPECT_EQ(prefs_.unit, kUnitInch);
  EXPECT_EQ(document_->DisplayUnit, kUnitInch);
  EXPECT_EQ(std::string(document_->DisplayUnitName.c_str()), "inch");
  EXPECT_EQ(prefs_.ApplicationDefaultDocument->DisplayUnit, kUnitInch);
  EXPECT_EQ(prefs_.appStarts, kStartNoDocument);
  EXPECT_EQ(prefs_.quickPrint, 1);
  EXPECT_EQ(prefs_.confirmDialogShow, 0);
}

TEST_F(AppPreferencesTest, EmptyNumberFieldsStoreZero) {
  AppPreferencesForm form = Open();
  form.GridText.clear();
  form.NudgeText.clear();
  StoreAppPreferences(form, prefs_, *document_);
  EXPECT_EQ(prefs_.grid, (LSize{0, 0}));
  EXPECT_EQ(prefs_.keyMove, 0);
}

TEST_F(AppPreferencesTest, AddingNeedsACandidateNotInTheTrayAndAFreeSlot) {
  prefs_.directPrintPrinter[1] = "Studio B";  // slot 1 empty: the buttons keep their places
  AppPreferencesForm form = Open();
  EXPECT_EQ(form.Tray[0], "");
  EXPECT_EQ(TrayEntries(form), std::vector<std::string>{"Studio B"});
  EXPECT_FALSE(CanAddPrinter(form)) << "nothing chosen yet";
  form.Candidate = "Studio B";
  EXPECT_FALSE(CanAddPrinter(form)) << "already in the tray";
  form.Candidate = "Studio A";
  EXPECT_TRUE(CanAddPrinter(form));

  sink_.answer = MessageAnswer::No;
  EXPECT_FALSE(AddCandidateToTray(form));
  EXPECT_TRUE(sink_.Showed(kAddQuestion));
  sink_.answer = MessageAnswer::Yes;
  EXPECT_TRUE(AddCandidateToTray(form));
  EXPECT_EQ(form.Tray[0], "Studio A") << "the first empty slot";
  EXPECT_FALSE(CanAddPrinter(form));

  for (int i = 2; i < kDirectPrintPrinterCount; ++i) form.Tray[size_t(i)] = "Printer " + std::to_string(i);
  form.Candidate = "Proofer";
  EXPECT_FALSE(AddCandidateToTray(form)) << "a ninth printer finds no slot";
  EXPECT_EQ(TrayEntries(form).size(), 8u);
}

TEST_F(AppPreferencesTest, DeletingMovesTheLaterSlotsUp) {
  prefs_.directPrintPrinter[0] = "Studio A";
  prefs_.directPrintPrinter[1] = "Studio B";
  prefs_.directPrintPrinter[2] = "Proofer";
  AppPreferencesForm form = Open();
  EXPECT_FALSE(CanDeletePrinter(form)) << "nothing chosen in the tray";
  form.TraySelection = 1;
  sink_.answer = MessageAnswer::No;
  EXPECT_FALSE(DeleteChosenFromTray(form));
  EXPECT_EQ(form.Tray[1], "Studio B");
  sink_.answer = MessageAnswer::Yes;
  EXPECT_TRUE(DeleteChosenFromTray(form));
  EXPECT_TRUE(sink_.Showed(kDeleteQuestion));
  EXPECT_EQ(form.Tray[0], "Studio A");
  EXPECT_EQ(form.Tray[1], "Proofer");
  EXPECT_EQ(form.Tray[2], "");
  EXPECT_FALSE(CanDeletePrinter(form));

  StoreAppPreferences(form, prefs_, *document_);
  EXPECT_EQ(prefs_.directPrintPrinter[1], "Proofer");
  EXPECT_EQ(prefs_.directPrintPrinter[2], "");
}

}  // namespace
}  // namespace tl::test
