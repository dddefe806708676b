// The layout side panel without its widgets, against real IPP printers (a
// photo printer with a roll, a sheet printer without one) and the PDF file
// destination: what attaching shows and replaces, what each control writes
// to the layout and its printer, banner lengths, the printer profile list,
// the template settings rows, and a printer that goes away.
#include "print/side_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "color/profile_places.h"
#include "document/layout_document.h"
#include "layout/units.h"
#include "print/driver_items.h"
#include "tests/document/document_fixtures.h"
#include "tests/print/ipp_printer.h"

namespace tl::test {
namespace {

using fixtures::FakeView;
using fixtures::NewDocument;
using fixtures::RecordingSink;

constexpr int32_t kGlossy = 3;
constexpr int32_t kA3 = 8;
constexpr int kPrinterNotAvailable = 40014;
constexpr int32_t kStandardMargin = 42;  // 3 mm in layout units, truncated

class SidePanelTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    photo_ = StartSuitePrinter(PhotoPrinterAttributes(), "Panel Photo");
    sheet_ = StartSuitePrinter(SheetPrinterAttributes(), "Panel Sheet");
  }
  static void TearDownTestSuite() {
    delete photo_;
    delete sheet_;
    photo_ = sheet_ = nullptr;
  }

  void SetUp() override {
    if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
    ASSERT_TRUE(photo_ && sheet_) << "the IPP printers did not start";
    settings_.Printers = {{photo_->Uri(), "Tessaline Test Photo 1"},
                          {sheet_->Uri(), "Tessaline Test Photo 1"},
                          {PdfFilePrinterName(), PdfFilePrinterName()}};
    d_->View = &view_;
    d_->PrinterName = photo_->Uri();
  }
  void TearDown() override { d_->View = nullptr; }

  void Attach() { ASSERT_TRUE(PanelAttach(panel_, *d_, settings_)); }

  std::string Row(int index) const { return panel_.TemplateRows.at(size_t(index)).Value; }

  static IppPrinter* photo_;
  static IppPrinter* sheet_;
  DocumentPtr d_ = NewDocument();
  FakeView view_;
  PrinterSettings settings_;
  SidePanel panel_;
  RecordingSink sink_;
  ScopedMessageSink sinkScope_{&sink_};
};
IppPrinter* SidePanelTest::photo_ = nullptr;
IppPrinter* SidePanelTest::sheet_ = nullptr;

TEST_F(SidePanelTest, AttachingShowsWhatThePrinterReallyHas) {
  d_->MediaTypeID = 77;   // not offered: the printer keeps its own
  d_->PaperSourceID = 2;  // not offered either
  d_->MediaType = "Old name";
  Attach();
  EXPECT_EQ(settings_.Extension->PrinterName, photo_->Uri());
  EXPECT_EQ(d_->MediaTypeID, settings_.Extension->State.MediaTypeId);
  EXPECT_EQ(d_->MediaTypeID, settings_.MediaTypes.front().Id);
  EXPECT_EQ(d_->MediaType, settings_.MediaTypes.front().Name);
  EXPECT_EQ(d_->PaperSourceID, kSourceAuto);
  EXPECT_EQ(d_->PaperSizeID, kA4PaperId);
  EXPECT_EQ(d_->PrinterModel, "Tessaline Test Photo 1");
  EXPECT_FALSE(panel_.Enabled.PaperLength);
  EXPECT_TRUE(panel_.Enabled.MediaType);
  EXPECT_EQ(d_->Modified, 0);  // attaching changes nothing the user did
  ASSERT_EQ(panel_.TemplateRows.size(), size_t(kTemplateSettingsRowCount));
  EXPECT_EQ(panel_.TemplateRows[0].Caption, "Name");
  EXPECT_EQ(panel_.TemplateRows[12].Caption, "Automatic Rotation");
}

TEST_F(SidePanelTest, AMissingPrinterIsReplacedByTheFirstListedOne) {
  for (const std::string& gone : {std::string("Printer Long Gone"), std::string("ipp://localhost:1/ipp/print")}) {
    PrinterSettings settings;
    settings.Printers = {{"ipp://localhost:1/ipp/print", "Unreachable"}, {sheet_->Uri(), "Sheet"}};
    d_->PrinterName = gone;
    ASSERT_TRUE(PanelAttach(panel_, *d_, settings)) << gone;
    EXPECT_EQ(d_->PrinterName, sheet_->Uri()) << gone;
    EXPECT_TRUE(sink_.shown.empty());
  }
}

TEST_F(SidePanelTest, RollPaperTurnsBannerModeOnAndOff) {
  Attach();
  ASSERT_TRUE(PanelChoosePaperSource(panel_, kSourceRoll));
  EXPECT_EQ(d_->Banner, 1);
  EXPECT_TRUE(panel_.Enabled.PaperLength);
  EXPECT_EQ(d_->PaperSourceID, kSourceRoll);
  EXPECT_EQ(d_->MaxPageCount, 1);
  // A banner runs on without margins along the paper.
  EXPECT_EQ(d_->PrinterMargins.top, 0);
  EXPECT_EQ(d_->PrinterMargins.bottom, 0);
  EXPECT_EQ(d_->PrinterMargins.left, kStandardMargin);
  EXPECT_EQ(d_->PrintableRect.bottom, d_->PageHeight);
  EXPECT_EQ(Row(5), "1");
  EXPECT_EQ(d_->Modified, 1);

  ASSERT_TRUE(PanelChoosePaperSource(panel_, kSourceMain));
  EXPECT_EQ(d_->Banner, 0);
  EXPECT_FALSE(panel_.Enabled.PaperLength);
  EXPECT_EQ(d_->PrinterMargins.bottom, kStandardMargin);
  EXPECT_EQ(Row(5), "-");
  EXPECT_FALSE(PanelChoosePaperSource(panel_, 999));
  EXPECT_EQ(d_->PaperSourceID, kSourceMain);
}

TEST_F(SidePanelTest, BannerLengthIsCutBackToFifteenMetres) {
  // A banner whose pages on the roll are 210 mm long: 2976 layout units.
  d_->Banner = 1;
  d_->PaperSourceID = kSourceRoll;
  d_->PaperLength = 2100;
  d_->PageHeight = 2 * 2976;
  Attach();
  EXPECT_TRUE(panel_.Enabled.PaperLength);
  ASSERT_EQ(panel_.BannerPageLength, 2976);
  EXPECT_EQ(panel_.BannerCount, 2);
  EXPECT_EQ(PanelSetBannerCount(panel_, 80), 71);  // 71 x 2976 = 211296
  EXPECT_EQ(d_->PageHeight, 71 * 2976);
  EXPECT_EQ(Row(5), "71");
  EXPECT_EQ(PanelSetBannerCount(panel_, 0), 1);
  EXPECT_EQ(d_->PageHeight, 2976);
  // Typed as a length, in the unit chosen.
  ASSERT_TRUE(PanelSetBannerLengthText(panel_, "630"));
  EXPECT_EQ(panel_.BannerCount, 3);
  EXPECT_EQ(PanelBannerLengthText(panel_), LayoutToUnitText(3 * 2976, kUnitMillimetre));
  PanelChooseLengthUnit(panel_, kUnitInch);
  ASSERT_TRUE(PanelSetBannerLengthText(panel_, "1000"));
  EXPECT_EQ(panel_.BannerCount, 71);
  EXPECT_FALSE(PanelSetBannerLengthText(panel_, "-5"));
}

TEST_F(SidePanelTest, PaperAndOrientationMakeThePage) {
  Attach();
  ASSERT_TRUE(PanelChoosePaperSize(panel_, kA3));
  EXPECT_EQ(d_->PaperSizeID, kA3);
  EXPECT_EQ(d_->PaperWidth, 2970);
  EXPECT_EQ(d_->PaperLength, 4200);
  EXPECT_EQ(d_->PageWidth, TenthMillimetresToLayout(2970));
  EXPECT_EQ(d_->PageHeight, TenthMillimetresToLayout(4200));
  EXPECT_EQ(d_->PrintableRect.right, d_->PageWidth - kStandardMargin);
  EXPECT_EQ(Row(4), d_->PaperSize);
  const int before = view_.invalidations;

  ASSERT_TRUE(PanelChooseOrientation(panel_, kLandscape));
  EXPECT_EQ(d_->PageWidth, TenthMillimetresToLayout(4200));
  EXPECT_EQ(d_->PageHeight, TenthMillimetresToLayout(2970));
  EXPECT_EQ(d_->PaperWidth, 2970);  // the paper keeps its sides
  EXPECT_EQ(settings_.Extension->State.Orientation, 2);
  EXPECT_EQ(Row(7), "Landscape");
  EXPECT_GT(view_.invalidations, before);
  EXPECT_FALSE(PanelChoosePaperSize(panel_, kCustomPaperSize));
}

TEST_F(SidePanelTest, MediaTypeBringsItsRecommendedProfile) {
  d_->OutputPrinterControls = kByApplication;
  Attach();
  EXPECT_TRUE(d_->OutputPrinterProfile.empty());
  ASSERT_TRUE(PanelChooseMediaType(panel_, kGlossy));
  EXPECT_EQ(d_->MediaTypeID, kGlossy);
  EXPECT_EQ(d_->OutputPrinterProfileState, 0);
  EXPECT_EQ(d_->OutputPrinterProfile, "Glossy_Photo.icc");
  EXPECT_EQ(panel_.PrinterProfiles.front().FileName, "Glossy_Photo.icc");
  EXPECT_EQ(Row(6), "Photographic Glossy");
  ASSERT_TRUE(PanelChooseMediaType(panel_, kMediaPlain));
  EXPECT_TRUE(d_->OutputPrinterProfile.empty());
}

TEST_F(SidePanelTest, PrinterProfileListFollowsTheOutputMode) {
  d_->OutputPrinterControls = kByPrinterDriver;
  Attach();
  ASSERT_GE(panel_.PrinterProfiles.size(), 2u);
  EXPECT_EQ(panel_.PrinterProfiles.front().Description, "Recommended by ORVEX");
  EXPECT_FALSE(panel_.Enabled.PrinterProfile);
  EXPECT_EQ(panel_.PrinterProfilePosition, 0);
  EXPECT_FALSE(PanelChoosePrinterProfile(panel_, 1));

  d_->OutputPrinterControls = kByApplication;
  PanelSyncPrinterProfiles(panel_);
  EXPECT_TRUE(panel_.Enabled.PrinterProfile);
  ASSERT_TRUE(PanelChoosePrinterProfile(panel_, 1));
  EXPECT_EQ(d_->OutputPrinterProfileState, 1);
  EXPECT_EQ(d_->OutputPrinterProfile, panel_.PrinterProfiles[1].FileName);
  PanelSyncPrinterProfiles(panel_);
  EXPECT_EQ(panel_.PrinterProfilePosition, 1);

  // A stored profile the list no longer holds shows the recommended entry.
  d_->OutputPrinterProfileState = 5;
  d_->OutputPrinterProfile = "gone.icc";
  PanelSyncPrinterProfiles(panel_);
  EXPECT_EQ(panel_.PrinterProfilePosition, 0);
}

TEST_F(SidePanelTest, TemplateSettingsRowsDescribeTheLayout) {
  d_->TemplateName = "Proof";
  d_->Comment = "For the client";
  d_->Color = kInkDuotint;
  d_->Free = 1;
  d_->AutoRotation = 3;
  d_->DefaultImageSettings->Size = {1260, 900};
  d_->DefaultImageSettings->SizeMethod = 1;
  d_->DefaultImageSettings->SizeImageOption = 2;
  Attach();
  const std::vector<std::string> expected = {
      "Proof", "For the client", photo_->Uri(), PanelListedName(settings_.PaperSources, kSourceAuto), d_->PaperSize, "-", settings_.MediaTypes.front().Name,
      "Portrait", "Duotint", "Free Layout", "Width = 1260, Height = 900\n", "AutoCrop", "Widthways(CCW)"};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Row(int(i)), expected[i]) << panel_.TemplateRows[i].Caption;

  d_->DefaultImageSettings->SizeMethod = 2;
  d_->AutoRotation = 9;
  d_->Color = 0;
  PanelApply(panel_);
  EXPECT_EQ(Row(11), "-");
  EXPECT_EQ(Row(12), "Off");
  EXPECT_EQ(Row(8), "-");
}

TEST_F(SidePanelTest, ChoosingAPrinterReloadsItsListsAndLeavesBannerMode) {
  Attach();
  ASSERT_TRUE(PanelChoosePaperSource(panel_, kSourceRoll));
  ASSERT_TRUE(PanelChoosePrinter(panel_, sheet_->Uri()));
  EXPECT_EQ(d_->PrinterName, sheet_->Uri());
  EXPECT_EQ(d_->Banner, 0);
  EXPECT_EQ(panel_.BannerCount, 1);
  EXPECT_EQ(settings_.Extension->PrinterName, sheet_->Uri());
  EXPECT_EQ(std::ranges::count_if(settings_.PaperSources, [](const IdName& s) { return s.Id == kSourceRoll; }), 0);
  EXPECT_NE(d_->PaperSourceID, kSourceRoll);
  EXPECT_EQ(settings_.Printers.size(), 3u);

  // A printer that does not open leaves everything as it was.
  const int32_t pageHeight = d_->PageHeight;
  EXPECT_FALSE(PanelChoosePrinter(panel_, "ipp://localhost:1/ipp/print"));
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0].text, StringWith(kPrinterNotAvailable, {"ipp://localhost:1/ipp/print"}));
  EXPECT_EQ(d_->PrinterName, sheet_->Uri());
  EXPECT_EQ(settings_.Extension->PrinterName, sheet_->Uri());
  EXPECT_EQ(d_->PageHeight, pageHeight);
}

TEST_F(SidePanelTest, RefreshReplacesAPrinterThatWentAway) {
  IppPrinter passing;
  ASSERT_TRUE(passing.Start(SheetPrinterAttributes(), "Passing Printer"));
  setenv(kExtraPrintersVariable, (passing.Uri() + " " + photo_->Uri()).c_str(), 1);
  PrinterSettings settings;  // the list as the program reads it
  d_->PrinterName = passing.Uri();
  ASSERT_TRUE(PanelAttach(panel_, *d_, settings));
  ASSERT_EQ(settings.Printers.front().Name, passing.Uri());
  EXPECT_FALSE(PanelRefreshPrinters(panel_));  // still there

  passing.Stop();
  EXPECT_TRUE(PanelRefreshPrinters(panel_));
  unsetenv(kExtraPrintersVariable);
  EXPECT_EQ(settings.Printers.front().Name, photo_->Uri());
  EXPECT_EQ(d_->PrinterName, photo_->Uri());
  EXPECT_EQ(settings.Extension->PrinterName, photo_->Uri());
}

}  // namespace
}  // namespace tl::test
