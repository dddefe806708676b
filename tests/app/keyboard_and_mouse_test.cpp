// The life of a layout by keyboard and mouse alone: shortcuts for New, Get
// Image, Save, Close and Open, the tool bar's Print button, and the File
// menu opened and chosen from with the mouse.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <filesystem>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/command_actions.h"
#include "app/shell/main_frame.h"
#include "print/pdf_destination.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
  QTest::keyClick(target, key, modifiers);
}

QAction* MenuAction(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (a->text() == text) return a;
  return nullptr;
}

TEST_F(AppTest, LifeCycleByKeyboard) {
  Start();
  prompts_->Templates.push_back(StockTemplate("Contact Sheet A4.qlt"));
  Key(&Frame(), Qt::Key_N);
  Settle();
  CGPDoc* doc = Active();
  ASSERT_NE(doc, nullptr);

  fs::create_directories(Folder() + "/in");
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(WritePhoto(Folder() + "/in/p" + std::to_string(i) + ".jpg"));
  prompts_->Images.push_back({Folder() + "/in"});
  Key(&Frame(), Qt::Key_E);
  Settle();
  EXPECT_EQ(ImageCount(*doc->Layout()), 3);

  prompts_->SaveAsPaths.push_back(Folder() + "/keys.qlf");
  Key(&Frame(), Qt::Key_S);
  Settle();
  EXPECT_TRUE(fs::exists(Folder() + "/keys.qlf"));
  Key(&Frame(), Qt::Key_W);
  Settle();
  EXPECT_EQ(Active(), nullptr);

  prompts_->Layouts.push_back(Folder() + "/keys.qlf");
  Key(&Frame(), Qt::Key_O);
  Settle();
  ASSERT_NE(Active(), nullptr);
  Active()->Layout()->PrinterName = PdfFilePrinterName();
  prompts_->PdfFiles.push_back(Folder() + "/keys.pdf");
  Key(&Frame(), Qt::Key_P);
  Settle();
  EXPECT_TRUE(fs::exists(Folder() + "/keys.pdf"));
}

TEST_F(AppTest, MenusAndToolBarByMouse) {
  Start();
  ASSERT_NE(NewLayout(), nullptr);
  prompts_->SaveAsPaths.push_back(Folder() + "/mouse.qlf");
  ASSERT_TRUE(Active()->SaveAs());

  // File > Close with the mouse, then the Open button of the tool bar.
  QMenuBar* bar = Frame().menuBar();
  QAction* file = bar->actions().front();
  QMenu* menu = file->menu();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(file).center());
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
  QAction* close = MenuAction(menu, QStringLiteral("&Close\tCtrl+W"));
  ASSERT_NE(close, nullptr);
  ASSERT_TRUE(close->isEnabled());
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(close).center());
  Settle();
  EXPECT_EQ(Active(), nullptr);

  prompts_->Layouts.push_back(Folder() + "/mouse.qlf");
  QWidget* open = Frame().ToolBar()->widgetForAction(Frame().Actions().Action(kCmdFileOpen));
  ASSERT_NE(open, nullptr);
  QTest::mouseClick(open, Qt::LeftButton);
  Settle();
  ASSERT_NE(Active(), nullptr);

  Active()->Layout()->PrinterName = PdfFilePrinterName();
  prompts_->PdfFiles.push_back(Folder() + "/mouse.pdf");
  QWidget* print = Frame().ToolBar()->widgetForAction(Frame().Actions().Action(kCmdFilePrint));
  ASSERT_NE(print, nullptr);
  ASSERT_TRUE(print->isEnabled());
  QTest::mouseClick(print, Qt::LeftButton);
  Settle();
  EXPECT_TRUE(fs::exists(Folder() + "/mouse.pdf"));
}

}  // namespace
}  // namespace tl::test
