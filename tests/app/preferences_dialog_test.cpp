// The Preferences dialog as a user meets it: opened by its command, typed
// into key by key, its tabs, its printer tray, and what OK and Cancel
// leave in the preferences, the layouts and the quick print pane.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/dialogs/app_preferences_dlg.h"
#include "app/document/gp_doc.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "layout/units.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

class PreferencesDialog : public AppTest {
 protected:
  // Runs the command with `drive` working the dialog while it is up.
  void WithDialog(const std::function<void(CAppPreferencesDlg&)>& drive) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<CAppPreferencesDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      driven = true;
      drive(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    ASSERT_TRUE(Trigger(kCmdAppPreferences));
    EXPECT_TRUE(driven);
  }

  template <typename T>
  static T* Find(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  static void Type(QLineEdit* edit, const QString& keys) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
  }
};

TEST_F(PreferencesDialog, TypingIsHeldToNumbersAndOkStoresLayoutUnits) {
  Start();
  CGPDoc* doc = NewLayout();
  ASSERT_NE(doc, nullptr);
  const int32_t openStep = doc->Layout()->NudgeStep;
  WithDialog([&](CAppPreferencesDlg& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Preferences");
    QTabWidget* tabs = dialog.Tabs();
    EXPECT_EQ(tabs->tabText(0), "General Settings");
    EXPECT_EQ(tabs->tabText(1), "Direct-Print");
    EXPECT_EQ(tabs->currentIndex(), 0);
    auto* grid = Find<QLineEdit>(dialog, "gridEdit");
    const int beeps = sink_->beeps;
    Type(grid, "12.5.x");  // a second point and a letter are refused
    EXPECT_EQ(grid->text(), "12.5");
    EXPECT_EQ(sink_->beeps, beeps + 2);
    Type(grid, "40000");  // the last digit would pass 32000
    EXPECT_EQ(grid->text(), "4000");
    Type(grid, "12.5");
    auto* nudge = Find<QLineEdit>(dialog, "nudgeEdit");
    Find<QComboBox>(dialog, "nudgeUnitCombo")->setCurrentIndex(1);
    emit Find<QComboBox>(dialog, "nudgeUnitCombo")->activated(1);
    EXPECT_EQ(nudge->text().toStdString(), LayoutToUnitText(openStep, kUnitInch)) << "the step shown in inches";
    Type(nudge, "0.25");
    QTest::mouseClick(Find<QRadioButton>(dialog, "startNone"), Qt::LeftButton);
    dialog.accept();
  });
  const PreferenceRecord& p = App().Preferences();
  EXPECT_EQ(p.grid, (LSize{177, 177}));
  EXPECT_EQ(p.keyMove, 90);
  EXPECT_EQ(p.appStarts, kStartNoDocument);
  EXPECT_EQ(doc->Layout()->NudgeStep, openStep) << "arrow keys in the open layout move as before";
}

TEST_F(PreferencesDialog, CancelChangesNothing) {
  Start();
  const PreferenceRecord& p = App().Preferences();
  const LSize grid = p.grid;
  WithDialog([&](CAppPreferencesDlg& dialog) {
    Type(Find<QLineEdit>(dialog, "gridEdit"), "99");
    QTest::mouseClick(Find<QRadioButton>(dialog, "quickPrintEnabled"), Qt::LeftButton);
    Find<QComboBox>(dialog, "unitCombo")->setCurrentIndex(1);
    dialog.reject();
  });
  EXPECT_EQ(p.grid, grid);
  EXPECT_EQ(p.quickPrint, 0);
  EXPECT_EQ(p.unit, kUnitMillimetre);
}

TEST_F(PreferencesDialog, UnitChosenWithoutALayoutIsWhatNewLayoutsShow) {
  Start();
  ASSERT_EQ(Active(), nullptr);
  WithDialog([&](CAppPreferencesDlg& dialog) {
    auto* unit = Find<QComboBox>(dialog, "unitCombo");
    unit->setCurrentIndex(1);
    emit unit->activated(1);
    dialog.accept();
  });
  EXPECT_EQ(App().Preferences().unit, kUnitInch);
  EXPECT_EQ(App().Preferences().ApplicationDefaultDocument->DisplayUnit, kUnitInch);
  CGPDoc* doc = NewLayout();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Layout()->DisplayUnit, kUnitInch);
  EXPECT_TRUE(doc->Frame()->StatusText().endsWith("inch")) << doc->Frame()->StatusText().toStdString();
}

TEST_F(PreferencesDialog, QuickPrintChoiceSetsThePaneAndThePrintCommand) {
  Start();
  NewLayout();
  EXPECT_TRUE(Enabled(kCmdFilePrint));
  WithDialog([&](CAppPreferencesDlg& dialog) {
    auto* confirm = Find<QCheckBox>(dialog, "confirmCheck");
    EXPECT_FALSE(confirm->isEnabled()) << "only while quick print is enabled";
    QTest::mouseClick(Find<QRadioButton>(dialog, "quickPrintEnabled"), Qt::LeftButton);
    EXPECT_TRUE(confirm->isEnabled());
    EXPECT_TRUE(confirm->isChecked());
    QTest::mouseClick(confirm, Qt::LeftButton);
    dialog.accept();
  });
  EXPECT_EQ(App().Preferences().quickPrint, 1);
  EXPECT_EQ(App().Preferences().confirmDialogShow, 0);
  EXPECT_EQ(Frame().QuickPrintText(), "Quick Print Enabled");
  EXPECT_FALSE(Enabled(kCmdFilePrint)) << "Print waits while quick print is on";
  WithDialog([&](CAppPreferencesDlg& dialog) {
    QTest::mouseClick(Find<QRadioButton>(dialog, "quickPrintDisabled"), Qt::LeftButton);
    dialog.reject();  // Cancel: the pane is set again all the same
  });
  EXPECT_EQ(Frame().QuickPrintText(), "Quick Print Enabled");
}

TEST_F(PreferencesDialog, PrinterTrayFillsTheDirectPrintButtons) {
  Start();
  Trigger(kCmdShowDirectPrint);
  WithDialog([&](CAppPreferencesDlg& dialog) {
    dialog.Tabs()->setCurrentIndex(1);
    auto* printers = Find<QListWidget>(dialog, "printerList");
    auto* tray = Find<QListWidget>(dialog, "trayList");
    auto* add = Find<QPushButton>(dialog, "addPrinterButton");
    auto* remove = Find<QPushButton>(dialog, "deletePrinterButton");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    const QList<QListWidgetItem*> pdf = printers->findItems("PDF file", Qt::MatchExactly);
    ASSERT_EQ(pdf.size(), 1) << "the PDF file destination is always listed";
    printers->setCurrentItem(pdf[0]);
    EXPECT_TRUE(add->isEnabled());
    sink_->Script.push_back(MessageAnswer::Yes);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_TRUE(sink_->Saw(32885));
    ASSERT_EQ(tray->count(), 1);
    EXPECT_EQ(tray->item(0)->text(), "PDF file");
    EXPECT_FALSE(add->isEnabled()) << "already in the tray";
    dialog.accept();
  });
  EXPECT_EQ(App().Preferences().directPrintPrinter[0], "PDF file");
  // The open direct print window shows it on its first button.
  QWidget* window = App().MainFrame()->findChild<QWidget*>("DirectPrintWindow");
  ASSERT_NE(window, nullptr);
  auto* first = window->findChild<QPushButton*>("DirectPrintButton1");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text(), "PDF file");
  EXPECT_TRUE(first->isEnabled());

  WithDialog([&](CAppPreferencesDlg& dialog) {
    auto* tray = Find<QListWidget>(dialog, "trayList");
    tray->setCurrentRow(0);
    sink_->Script.push_back(MessageAnswer::Yes);
    QTest::mouseClick(Find<QPushButton>(dialog, "deletePrinterButton"), Qt::LeftButton);
    EXPECT_TRUE(sink_->Saw(32886));
    EXPECT_EQ(tray->count(), 0);
    dialog.accept();
  });
  EXPECT_EQ(App().Preferences().directPrintPrinter[0], "");
  EXPECT_FALSE(first->isEnabled());
}

}  // namespace
}  // namespace tl::test
