// Printing as a user meets it, against the real IPP printer: layout files
// dropped on the direct print window's buttons, the printing window and
// its Cancel, and quick print after Get Image leaving the layout as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/panels/main_form_view.h"
#include "app/shell/child_frame.h"
#include "app/shell/command_actions.h"
#include "app/shell/main_frame.h"
#include "app/shell/tool_windows.h"
#include "app/windows/direct_print_wnd.h"
#include "print/printer_settings.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "tests/app/app_fixture.h"
#include "tests/print/photo_printer_suite.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

constexpr int kFailedToOpen = 10417;
constexpr int kPrinterNotAvailable = 40014;
constexpr int kQuickPrintAsk = 10148;
constexpr int kPrintWaitMs = 60000;

class PrintingWindows : public AppTest {
 protected:
  static void SetUpTestSuite() { printer_ = StartSuitePrinter(PhotoPrinterAttributes()); }
  static void TearDownTestSuite() {
    delete printer_;
    printer_ = nullptr;
  }

  void SetUp() override {
    AppTest::SetUp();
    if (!printer_) return;
    lastJob_ = printer_->Jobs().empty() ? 0 : printer_->Jobs().back().Id;
    setenv(kExtraPrintersVariable, printer_->Uri().c_str(), 1);
  }
  void TearDown() override {
    AppTest::TearDown();
    unsetenv(kExtraPrintersVariable);
  }

  // Chooses the suite's printer in the active layout's side panel.
  void UseSuitePrinter() {
    QComboBox* printers = Active()->Frame()->SidePanel()->PrinterCombo();
    const int index = printers->findData(QString::fromStdString(printer_->Uri()));
    ASSERT_GE(index, 0) << "the side panel lists the printer";
    printers->setCurrentIndex(index);
    emit printers->activated(index);
    Settle();
    ASSERT_EQ(Active()->Layout()->PrinterName, printer_->Uri());
  }

  // A contact sheet with two photographs, saved as `name` and closed.
  std::string SavedLayout(const std::string& name) {
    CGPDoc* doc = NewLayout();
    EXPECT_NE(doc, nullptr);
    AddPhotos(2);
    const std::string path = Folder() + "/" + name;
    prompts_->SaveAsPaths.push_back(path);
    Trigger(kCmdFileSaveAs);
    Trigger(kCmdFileClose);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(Active(), nullptr);
    return path;
  }

  void AddPhotos(int count) {
    fs::create_directories(Folder() + "/photos");
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
      files.push_back(Folder() + "/photos/p" + std::to_string(photos_++) + ".jpg");
      EXPECT_TRUE(WritePhoto(files.back(), 320, 240));
    }
    prompts_->Images.push_back(files);
    Trigger(kCmdGetImage);
  }

  CDirectPrintWnd* DirectPrintWith(const std::string& printer) {
    App().Preferences().directPrintPrinter[0] = printer;
    if (!App().ToolWindows().DirectPrint()) Trigger(kCmdShowDirectPrint);
    App().ToolWindows().DirectPrintersChanged();
    return App().ToolWindows().DirectPrint();
  }

  // Drops `files` at `point` of the window, as the desktop does.
  static void Drop(QWidget* window, QPoint point, const std::vector<std::string>& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& f : files) urls << QUrl::fromLocalFile(QString::fromStdString(f));
    data.setUrls(urls);
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
  }

  static QPoint CentreOf(QWidget* window, int button) {
    QWidget* b = window->findChild<QPushButton*>(QStringLiteral("DirectPrintButton%1").arg(button + 1));
    return b->mapTo(window, b->rect().center());
  }

  bool DirectPrintSettles() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kPrintWaitMs) {
      CDirectPrintWnd* w = App().ToolWindows().DirectPrint();
      if (!w || (!w->Printing() && w->Waiting().empty())) break;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    Settle();
    CDirectPrintWnd* w = App().ToolWindows().DirectPrint();
    return !w || (!w->Printing() && w->Waiting().empty());
  }

  std::vector<ReceivedJob> NewJobs() {
    std::vector<ReceivedJob> fresh;
    for (const ReceivedJob& job : printer_->Jobs())
      if (job.Id > lastJob_) fresh.push_back(job);
    if (!fresh.empty()) lastJob_ = fresh.back().Id;
    return fresh;
  }

  int Shown(const std::string& text) const {
    int n = 0;
    for (const ShownMessage& m : sink_->Shown) n += m.Text == text;
    return n;
  }

  static inline IppPrinter* printer_ = nullptr;
  int lastJob_ = 0;
  int photos_ = 0;
};

TEST_F(PrintingWindows, DroppedLayoutPrintsLikeTheOpenedLayoutWithoutAWindow) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  const std::string layout = SavedLayout("Proof Sheet.qlf");
  CDirectPrintWnd* window = DirectPrintWith(printer_->Uri());
  ASSERT_NE(window, nullptr);
  Drop(window, CentreOf(window, 0), {layout});
  ASSERT_TRUE(DirectPrintSettles());
  EXPECT_TRUE(App().Documents().Documents().empty()) << "no layout window was opened";
  const std::vector<ReceivedJob> direct = NewJobs();
  ASSERT_EQ(direct.size(), 1u);

  prompts_->Layouts.push_back(layout);
  Trigger(kCmdFileOpen);
  ASSERT_NE(Active(), nullptr);
  Active()->Print(printer_->Uri());
  const std::vector<ReceivedJob> printed = NewJobs();
  ASSERT_EQ(printed.size(), 1u);
  for (const char* attribute :
       {"job-name", "media-col", "print-color-mode", "orientation-requested", "print-quality", "copies"})
    EXPECT_EQ(direct[0].Attributes.at(attribute), printed[0].Attributes.at(attribute)) << attribute;
  EXPECT_EQ(fs::file_size(direct[0].Document) > 0, fs::file_size(printed[0].Document) > 0);
}

TEST_F(PrintingWindows, DropsThatPrintNothing) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  const std::string layout = SavedLayout("Cards.qlf");
  CDirectPrintWnd* window = DirectPrintWith(printer_->Uri());
  // The gap between the first two buttons, and a button without a printer.
  const QPoint gap = (CentreOf(window, 0) + CentreOf(window, 1)) / 2;
  Drop(window, gap, {layout});
  Drop(window, CentreOf(window, 1), {layout});
  EXPECT_TRUE(window->Waiting().empty());

  // Open in the layout editor: named in the warning, not printed.
  prompts_->Layouts.push_back(layout);
  Trigger(kCmdFileOpen);
  ASSERT_NE(Active(), nullptr);
  Drop(window, CentreOf(window, 0), {layout});
  ASSERT_TRUE(DirectPrintSettles());
  EXPECT_EQ(Shown("\"" + layout + "\" is under edit."), 1);
  EXPECT_TRUE(NewJobs().empty());
}

TEST_F(PrintingWindows, SameFileTwiceInQuickSuccessionPrintsOnce) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  const std::string layout = SavedLayout("Twice.qlf");
  CDirectPrintWnd* window = DirectPrintWith(printer_->Uri());
  Drop(window, CentreOf(window, 0), {layout});
  Drop(window, CentreOf(window, 0), {layout});
  EXPECT_EQ(Shown("\"" + layout + "\" is under use for other uses."), 1);
  ASSERT_TRUE(DirectPrintSettles());
  EXPECT_EQ(NewJobs().size(), 1u);
}

TEST_F(PrintingWindows, AFileThatIsNoLayoutLeavesTheOthersPrinting) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  const std::string layout = SavedLayout("Good.qlf");
  const std::string notes = Folder() + "/notes.txt";
  std::ofstream(notes) << "not a layout";
  CDirectPrintWnd* window = DirectPrintWith(printer_->Uri());
  Drop(window, CentreOf(window, 0), {notes, layout});
  ASSERT_TRUE(DirectPrintSettles());
  EXPECT_TRUE(sink_->Saw(kFailedToOpen));
  EXPECT_EQ(NewJobs().size(), 1u);
}

TEST_F(PrintingWindows, AVanishedPrinterIsNamedOnceAndPrintsNothing) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  const std::string first = SavedLayout("One.qlf");
  const std::string second = SavedLayout("Two.qlf");
  std::string uri;
  {
    IppPrinter gone;
    ASSERT_TRUE(gone.Start(PhotoPrinterAttributes(), "Vanishing Printer"));
    uri = gone.Uri();
  }
  CDirectPrintWnd* window = DirectPrintWith(uri);
  Drop(window, CentreOf(window, 0), {first, second});
  ASSERT_TRUE(DirectPrintSettles());
  EXPECT_EQ(Shown(StringWith(kPrinterNotAvailable, {uri})), 1);
  EXPECT_TRUE(NewJobs().empty());
}

TEST_F(PrintingWindows, HidingTheWindowWhilePrintingStopsTheJob) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  const std::string layout = SavedLayout("Stopped.qlf");
  CDirectPrintWnd* window = DirectPrintWith(printer_->Uri());
  Drop(window, CentreOf(window, 0), {layout});
  // Runs once the print has begun, between its pages.
  bool hidden = false;
  QTimer::singleShot(0, &Frame(), [&] {
    CDirectPrintWnd* printing = App().ToolWindows().DirectPrint();
    hidden = printing && printing->Printing() && Frame().Actions().Trigger(kCmdShowDirectPrint);
  });
  ASSERT_TRUE(DirectPrintSettles());
  EXPECT_TRUE(hidden);
  EXPECT_EQ(App().ToolWindows().DirectPrint(), nullptr);
  EXPECT_EQ(App().Preferences().directPrintShow, 0);
  EXPECT_TRUE(NewJobs().empty()) << "stopped before its page";
  EXPECT_FALSE(App().DocumentBusy());
}

TEST_F(PrintingWindows, PrintingWindowShowsThePageAndCancelSendsNothing) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  CGPDoc* doc = NewLayout();
  AddPhotos(2);
  UseSuitePrinter();
  QString page;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "PrintingDialog" && w->isVisible()) dialog = w;
    ASSERT_NE(dialog, nullptr);
    page = dialog->findChild<QLabel*>("PrintingPage")->text();
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
  });
  const int images = ImageCount(*doc->Layout());
  ASSERT_TRUE(Trigger(kCmdFilePrint));
  EXPECT_EQ(page, "Page 1");
  EXPECT_TRUE(NewJobs().empty()) << "cancelled before the page: nothing reaches the printer";
  EXPECT_EQ(ImageCount(*doc->Layout()), images);
  EXPECT_FALSE(App().DocumentBusy());
}

TEST_F(PrintingWindows, QuickPrintPrintsTheImportAndLeavesTheLayoutAsItWas) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  CGPDoc* doc = NewLayout();
  ASSERT_NE(doc, nullptr);
  ASSERT_EQ(doc->Layout()->Free, 0);
  UseSuitePrinter();
  App().Preferences().quickPrint = 1;
  App().Preferences().confirmDialogShow = 1;
  Frame().SetQuickPrintPane(10);
  const int before = ImageCount(*doc->Layout());
  QString executing;
  QTimer::singleShot(0, [&] { executing = Frame().QuickPrintText(); });  // while the question is up
  sink_->Script.push_back(MessageAnswer::Ok);
  AddPhotos(2);
  EXPECT_TRUE(sink_->Saw(kQuickPrintAsk));
  const std::vector<ReceivedJob> jobs = NewJobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(ImageCount(*doc->Layout()), before) << "the imported images left the layout again";
  EXPECT_EQ(doc->Layout()->Modified, 0);
  EXPECT_EQ(Frame().QuickPrintText(), "Quick Print Enabled");

  // Cancel at the question: nothing printed, the layout as it was.
  sink_->Script.push_back(MessageAnswer::Cancel);
  AddPhotos(1);
  EXPECT_TRUE(NewJobs().empty());
  EXPECT_EQ(ImageCount(*doc->Layout()), before);

  // Without the confirmation nothing is asked.
  App().Preferences().confirmDialogShow = 0;
  const int asked = sink_->Count(kQuickPrintAsk);
  AddPhotos(1);
  EXPECT_EQ(sink_->Count(kQuickPrintAsk), asked);
  EXPECT_EQ(NewJobs().size(), 1u);
  EXPECT_EQ(ImageCount(*doc->Layout()), before);
}

TEST_F(PrintingWindows, QuickPrintLeavesFreeLayoutsAlone) {
  TL_REQUIRE_SUITE_PRINTER();
  Start();
  CGPDoc* doc = NewLayout();
  UseSuitePrinter();
  Trigger(kCmdFreeLayout);
  ASSERT_EQ(doc->Layout()->Free, 1);
  App().Preferences().quickPrint = 1;
  const int before = ImageCount(*doc->Layout());
  AddPhotos(1);
  EXPECT_FALSE(sink_->Saw(kQuickPrintAsk));
  EXPECT_TRUE(NewJobs().empty());
  EXPECT_EQ(ImageCount(*doc->Layout()), before + 1);
}

}  // namespace
}  // namespace tl::test
