// The main window as a user meets it: its menus and keys, the context menu
// of a right click, files dropped on it, the status lines, the stop key,
// and the placement it keeps between runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/child_frame.h"
#include "app/shell/command_actions.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "app/panels/main_form_view.h"
#include "app/view/gp_view.h"
#include "document/selection.h"
#include "resources/app_folders.h"
#include "resources/command_ids.h"
#include "resources/command_table.h"
#include "resources/command_table.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

// The texts of a menu's items, "-" for separators, ">" before a popup's
// title.
QStringList MenuTexts(const QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) texts << QStringLiteral("-");
    else if (a->menu()) texts << QStringLiteral(">") + a->text();
    else texts << a->text();
  }
  return texts;
}

QMenu* TopMenu(QMainWindow& window, const QString& title) {
  for (QAction* a : window.menuBar()->actions())
    if (a->text() == title) return a->menu();
  return nullptr;
}

void Drop(QWidget* target, const std::vector<std::string>& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& f : files) urls << QUrl::fromLocalFile(QString::fromStdString(f));
  data.setUrls(urls);
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
}

TEST_F(AppTest, MenuBarCarriesTheTableTexts) {
  Start();
  QStringList bar;
  for (QAction* a : Frame().menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Layout", "Object", "Image", "&View", "&Window", "&Help"}));
  const QStringList file = MenuTexts(TopMenu(Frame(), "&File"));
  EXPECT_EQ(file.mid(0, 4), QStringList({"&New...\tCtrl+N", "&Open...\tCtrl+O", ">Open Recent", "&Close\tCtrl+W"}));
  EXPECT_TRUE(file.contains("&Quit\tCtrl+Q"));
  const QStringList image = MenuTexts(TopMenu(Frame(), "Image"));
  EXPECT_TRUE(image.contains(">Rotate & Flip") || image.contains(">Rotate && Flip"));
  EXPECT_TRUE(image.contains("Color-Matched &View\tCtrl+Y"));
}

TEST_F(AppTest, StateTextsFollowTheirFlags) {
  Start();
  NewLayout();
  QMenu* view = TopMenu(Frame(), "&View");
  emit view->aboutToShow();
  EXPECT_TRUE(MenuTexts(view).contains("Show Ruler\tCtrl+R"));
  EXPECT_TRUE(MenuTexts(view).contains("Hide Print Margins"));
  Trigger(kCmdShowRuler);
  Trigger(kCmdShowPrintMargins);
  emit view->aboutToShow();
  EXPECT_TRUE(MenuTexts(view).contains("Hide Ruler\tCtrl+R"));
  EXPECT_TRUE(MenuTexts(view).contains("Show Print Margins"));
  // The margin display carries over to the next new layout.
  EXPECT_EQ(App().Preferences().ApplicationDefaultDocument->ShowPrintMargins, 0);
}

TEST_F(AppTest, AcceleratorsRunTheirCommands) {
  Start();
  CGPDoc* doc = NewLayout();
  ASSERT_NE(doc, nullptr);
  prompts_->Images.push_back({});  // Get Image's dialog, cancelled
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::function<bool()> happened;
  } cases[] = {
      {Qt::Key_E, Qt::ControlModifier, [&] { return prompts_->Images.empty(); }},
      {Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier, [&] { return App().Preferences().gridShow != 0; }},
      {Qt::Key_R, Qt::ControlModifier, [&] { return App().Preferences().rulerShow != 0; }},
  };
  for (const Case& c : cases) {
    QTest::keyClick(doc->View(), c.key, c.modifiers);
    Settle();
    EXPECT_TRUE(c.happened()) << QKeySequence(c.key | c.modifiers).toString().toStdString();
  }
}

TEST(CommandTable, EveryAcceleratorAndMenuItemIsWellFormed) {
  for (const AcceleratorEntry& entry : Accelerators()) {
    const QKeySequence keys(QString::fromUtf8(entry.Keys.data(), qsizetype(entry.Keys.size())),
                            QKeySequence::PortableText);
    EXPECT_EQ(keys.count(), 1) << entry.Keys;
    EXPECT_FALSE(CommandText(entry.Id).empty() && entry.Id != kCmdEditUndo && entry.Id != kCmdNextPane &&
                 entry.Id != kCmdPreviousPane)
        << entry.Keys << " runs a command no menu names";
  }
  for (int menuId : {kMenuMain, kMenuFrame, kMenuNothingSelected, kMenuImages, kMenuFreeLines, kMenuFreeTexts,
                     kMenuMixed}) {
    int depth = 0;
    for (const MenuItem& item : MenuResource(menuId)) {
      depth += item.Kind == MenuItemKind::Popup;
      depth -= item.Kind == MenuItemKind::End;
      EXPECT_GE(depth, 0) << menuId;
      if (item.Kind == MenuItemKind::Command) {
        EXPECT_FALSE(CommandText(item.Id).empty()) << item.Id;
      }
    }
    EXPECT_EQ(depth, 0) << "popups of menu " << menuId << " are closed";
  }
}

TEST_F(AppTest, EveryCommandOfTheMenusHasAHandler) {
  Start();
  NewLayout();
  std::string missing;
  for (const CommandEntry& command : Commands())
    if (!CTessalineApp::Instance().Router().Find(command.Id)) missing += " " + std::to_string(command.Id);
  EXPECT_EQ(missing, "") << "commands that would stay disabled whatever the user does";
  for (int id : {kCmdFileNew, kCmdFileOpen, kCmdGetImage, kCmdFileSaveAs, kCmdSelectAll, kCmdShowGrid, kCmdZoomIn,
                 kCmdAppPreferences, kCmdShowImagePreview, kCmdHeaderFooter})
    EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(Enabled(kCmdFileSave)) << "an unchanged layout has nothing to save";
  EXPECT_FALSE(Enabled(kCmdReplaceImage)) << "nothing selected";
}

TEST_F(AppTest, RightClickChoosesTheMenuBySelection) {
  Start();
  CGPDoc* doc = NewLayout();
  LayoutDocument& d = *doc->Layout();
  FreeLineObject* line1 = FreeLineObjectNew(&d, &d.Objects);
  FreeLineObject* line2 = FreeLineObjectNew(&d, &d.Objects);
  FreeTextObject* text = FreeTextObjectNew(&d, &d.Objects);
  QWidget* view = doc->View()->viewport();
  struct Case {
    std::vector<LayoutObject*> selected;
    int menu;
  } cases[] = {
      {{}, kMenuNothingSelected},
      {{line1, line2}, kMenuFreeLines},
      {{text}, kMenuFreeTexts},
      {{text, line1}, kMenuMixed},
  };
  for (const Case& c : cases) {
    for (LayoutObject* o : d.Objects) o->Selected = 0;
    for (LayoutObject* o : c.selected) o->Selected = 1;
    RecountSelection(d);
    EXPECT_EQ(Frame().ContextMenuFor(view), c.menu);
  }
  EXPECT_EQ(Frame().ContextMenuFor(Frame().statusBar()), 0);
  EXPECT_EQ(Frame().ContextMenuFor(Frame().ToolBar()), 0);
  EXPECT_EQ(Frame().ContextMenuFor(Frame().NavigatorToolBar()), 0);
  EXPECT_EQ(Frame().ContextMenuFor(doc->Frame()->SidePanel()), 0);
  Trigger(kCmdFileClose);
  EXPECT_EQ(Frame().ContextMenuFor(Frame().MdiArea()), kMenuFrame);
}

TEST_F(AppTest, ImagesDroppedOnALayoutWindowCountFailures) {
  Start();
  CGPDoc* doc = NewLayout();
  ASSERT_TRUE(WritePhoto(Folder() + "/a.jpg"));
  ASSERT_TRUE(WritePhoto(Folder() + "/b.jpg"));
  std::ofstream(Folder() + "/c.jpg") << "broken";
  Drop(doc->Frame(), {Folder() + "/a.jpg", Folder() + "/c.jpg", Folder() + "/b.jpg", Folder() + "/gone.jpg"});
  Settle();
  EXPECT_EQ(ImageCount(*doc->Layout()), 2);
  EXPECT_EQ(doc->Frame()->StatusText(), QStringLiteral("Failed to get 1 / 3"));
  EXPECT_TRUE(doc->Frame()->StatusAlert());
  EXPECT_EQ(Frame().MainStatusText(), QStringLiteral("Ready"));
}

TEST_F(AppTest, LayoutFilesDroppedOnTheMainWindow) {
  Start();
  CGPDoc* doc = NewLayout();
  prompts_->SaveAsPaths.push_back(Folder() + "/dropped.qlf");
  ASSERT_TRUE(doc->SaveAs());
  prompts_->SaveAsPaths.push_back(Folder() + "/other.qlf");
  ASSERT_TRUE(doc->SaveAs());  // the window now shows other.qlf
  // Dropping the shown file asks; Cancel ends the drop, and the second
  // file is not opened.
  sink_->Script.push_back(MessageAnswer::Cancel);
  Drop(Frame().MdiArea(), {Folder() + "/other.qlf", Folder() + "/dropped.qlf"});
  Settle();
  EXPECT_EQ(sink_->Count(10421), 1);
  EXPECT_EQ(Active(), doc);
  EXPECT_EQ(doc->Layout()->DocumentPath, Folder() + "/other.qlf");
  // A file that is not shown opens in place of the open layout.
  Drop(Frame().MdiArea(), {Folder() + "/dropped.qlf"});
  Settle();
  ASSERT_NE(Active(), nullptr);
  EXPECT_EQ(Active()->Layout()->DocumentPath, Folder() + "/dropped.qlf");
  EXPECT_EQ(App().Documents().Documents().size(), 1u);
}

TEST_F(AppTest, StopKeySetsTheStopRequest) {
  Start();
  CGPDoc* doc = NewLayout();
  Frame().SetStopRequested(0);
  QTest::keyClick(doc->View(), Qt::Key_Period, Qt::ControlModifier);
  EXPECT_TRUE(Frame().StopRequested());
  Frame().SetStopRequested(0);
  QTest::keyClick(doc->View(), Qt::Key_Comma, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_TRUE(Frame().StopRequested());
}

TEST_F(AppTest, QuickPrintPaneFollowsThePreference) {
  Start();
  Frame().SetQuickPrintPane(10);
  EXPECT_TRUE(Frame().QuickPrintText().trimmed().isEmpty());
  App().Preferences().quickPrint = 1;
  Frame().SetQuickPrintPane(12);
  EXPECT_EQ(Frame().QuickPrintText(), QStringLiteral("Quick Print Enabled"));
  Frame().SetQuickPrintPane(11);
  EXPECT_EQ(Frame().QuickPrintText(), QStringLiteral("Quick Print Executing"));
  Frame().SetQuickPrintPane(9);
  EXPECT_TRUE(Frame().QuickPrintText().trimmed().isEmpty());
}

TEST_F(AppTest, PlacementIsKeptAndBadValuesAreIgnored) {
  {
    QSettings settings(QString::fromStdString(ConfigFolder() + "/Tessaline.conf"),
                       QSettings::IniFormat);
    settings.setValue("Settings/WindowPos", "0,1,-1,-1,-1,-1,10,20,30");  // nine numbers
    settings.setValue("Window/left", 40);
    settings.setValue("Window/top", 50);
    settings.setValue("Window/right", 840);
    settings.setValue("Window/bottom", "650");
    settings.setValue("Window/show", "garbage");
  }
  Start();
  EXPECT_EQ(Frame().geometry().topLeft(), QPoint(40, 50));
  EXPECT_EQ(Frame().geometry().size(), QSize(800, 600));
  Frame().setGeometry(100, 110, 900, 700);
  Frame().close();
  Settle();
  QSettings settings(QString::fromStdString(ConfigFolder() + "/Tessaline.conf"),
                     QSettings::IniFormat);
  EXPECT_EQ(settings.value("Window/right").toInt(), 1000);
  const QString pos = settings.value("Settings/WindowPos").toString();
  EXPECT_EQ(pos.split(QLatin1Char(',')).size(), 10) << pos.toStdString();
}

}  // namespace
}  // namespace tl::test
