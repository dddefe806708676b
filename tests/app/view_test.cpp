// The layout view as a user meets it: clicks, Shift+clicks, the rubber band
// and the right button select; drags move and resize with the status line
// counting; Escape takes a drag back; arrow keys nudge; a double click and
// Enter ask for the editors; the zoom commands, Ctrl+wheel and the
// navigator bar's boxes zoom and turn pages; the rulers follow the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "app/view/navigator_bar.h"
#include "document/object_geometry.h"
#include "document/selection.h"
#include "render/free_text.h"
#include "render/selection_marks.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

class ViewTest : public AppTest {
 protected:
  // A contact sheet with `count` photographs, shown at 1 : 1 from the top.
  CGPDoc* SheetWithPhotos(int count, bool free = false) {
    Start();
    CGPDoc* doc = NewLayout();
    if (!doc) return nullptr;
    fs::create_directories(Folder() + "/in");
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
      files.push_back(Folder() + "/in/p" + std::to_string(i) + ".jpg");
      if (!WritePhoto(files.back(), 96, 64)) return nullptr;
    }
    prompts_->Images.push_back(files);
    Trigger(kCmdGetImage);
    if (free) Trigger(kCmdFreeLayout);
    Frame().resize(1200, 1000);
    Settle();
    view = doc->View();
    view->SetZoom(1, 1);
    view->horizontalScrollBar()->setValue(0);
    view->verticalScrollBar()->setValue(0);
    Settle();
    layout = doc->Layout();
    for (LayoutObject* o : layout->Objects)
      if (ImageObject* image = AsImage(o)) images.push_back(image);
    return doc;
  }
  QWidget* Port() { return view->viewport(); }
  QPoint Centre(const LayoutObject& o) { return view->Geometry().ToDevice(AreaCentre(ObjectArea(o))); }
  QPoint Handle(const LayoutObject& o, int code) {
    return BoxHandlePoints(view->Geometry().ToDevice(ObjectArea(o)))[code];
  }
  std::vector<int> Selected() {
    std::vector<int> selected;
    for (size_t i = 0; i < images.size(); ++i)
      if (images[i]->Selected) selected.push_back(int(i));
    return selected;
  }
  // Down at `from`, `steps` moves of `step`, then up or Escape.
  void Drag(QPoint from, QPoint step, int steps, bool release = true) {
    QTest::mousePress(Port(), Qt::LeftButton, {}, from);
    for (int i = 1; i <= steps; ++i) QTest::mouseMove(Port(), from + i * step);
    if (release) QTest::mouseRelease(Port(), Qt::LeftButton, {}, from + steps * step);
  }
  QString StatusLine() { return view->Document().Frame()->StatusText(); }

  CGPView* view = nullptr;
  LayoutDocument* layout = nullptr;
  std::vector<ImageObject*> images;
};

TEST_F(ViewTest, ClicksSelect) {
  ASSERT_NE(SheetWithPhotos(4), nullptr);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(*images[0]));
  EXPECT_EQ(Selected(), (std::vector<int>{0}));
  EXPECT_EQ(layout->CurrentImage, images[0]);
  QTest::mouseClick(Port(), Qt::LeftButton, Qt::ShiftModifier, Centre(*images[2]));
  EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
  EXPECT_EQ(layout->CurrentImage, images[2]);
  QTest::mouseClick(Port(), Qt::LeftButton, Qt::ShiftModifier, Centre(*images[0]));
  EXPECT_EQ(Selected(), (std::vector<int>{2}));
  EXPECT_EQ(layout->SelectedImageCount, 1);
  EXPECT_TRUE(Enabled(kCmdReplaceImage)) << "the commands follow the selection";
  // The desk beside the paper is empty space.
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(4, 300));
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(layout->CurrentImage, nullptr);
}

TEST_F(ViewTest, RubberBandSelectsWhatItHolds) {
  ASSERT_NE(SheetWithPhotos(4), nullptr);
  const QRect first = view->Geometry().ToDevice(ObjectArea(*images[0]));
  const QRect second = view->Geometry().ToDevice(ObjectArea(*images[1]));
  ASSERT_EQ(first.top(), second.top()) << "the sheet's first row";
  Drag(first.topLeft() - QPoint(4, 4), (second.bottomRight() + QPoint(4, 4) - first.topLeft() + QPoint(4, 4)) / 4, 4);
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1}));
  EXPECT_EQ(layout->CurrentImage, images[1]);
}

TEST_F(ViewTest, DragMovesAndEscapeTakesItBack) {
  ASSERT_NE(SheetWithPhotos(3, true), nullptr);
  ImageObject& image = *images[0];
  const LPoint start = image.Origin;
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(image));
  Drag(Centre(image), QPoint(10, 6), 5, false);
  EXPECT_TRUE(view->DragActive());
  const LSize moved = view->Geometry().DeltaToLayout(QPoint(50, 30));
  EXPECT_EQ(image.Origin, (LPoint{start.x + moved.cx, start.y + moved.cy}));
  EXPECT_TRUE(StatusLine().endsWith(QStringLiteral("mm"))) << StatusLine().toStdString();
  EXPECT_TRUE(StatusLine().contains(QStringLiteral(" X "))) << "the place while moving";
  EXPECT_TRUE(App().DocumentBusy()) << "other commands wait for the drag";
  QTest::keyClick(view, Qt::Key_Escape);
  EXPECT_FALSE(view->DragActive());
  EXPECT_FALSE(App().DocumentBusy());
  EXPECT_EQ(image.Origin, start);
  QTest::mouseRelease(Port(), Qt::LeftButton, {}, Centre(image));

  Drag(Centre(image), QPoint(10, 6), 5);
  EXPECT_EQ(image.Origin, (LPoint{start.x + moved.cx, start.y + moved.cy}));
  EXPECT_TRUE(layout->Modified);
  EXPECT_TRUE(StatusLine().startsWith(QStringLiteral("P = "))) << "the summary again";
  ASSERT_TRUE(Trigger(kCmdUndo));
  EXPECT_EQ(image.Origin, start);
}

TEST_F(ViewTest, HandleResizesTheSelectedImages) {
  ASSERT_NE(SheetWithPhotos(3, true), nullptr);
  for (ImageObject* image : images) image->SizeRatio = 0;
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(*images[0]));
  QTest::mouseClick(Port(), Qt::LeftButton, Qt::ShiftModifier, Centre(*images[1]));
  const LSize first = images[0]->Size, second = images[1]->Size;
  const QPoint handle = Handle(*images[0], kHitRight);
  EXPECT_EQ(Port()->cursor().shape(), Qt::ArrowCursor);
  QTest::mouseMove(Port(), handle);
  EXPECT_EQ(Port()->cursor().shape(), Qt::SizeHorCursor);
  Drag(handle, QPoint(8, 0), 3, false);
  EXPECT_TRUE(StatusLine().contains(QStringLiteral(" X "))) << "the size while resizing";
  QTest::mouseRelease(Port(), Qt::LeftButton, {}, handle + QPoint(24, 0));
  const int32_t wider = view->Geometry().DeltaToLayout(QPoint(24, 0)).cx;
  EXPECT_EQ(images[0]->Size, (LSize{first.cx + wider, first.cy}));
  EXPECT_EQ(images[1]->Size, (LSize{second.cx + wider, second.cy})) << "every selected image by as much";
  EXPECT_EQ(images[2]->Size, images[2]->Size);
}

TEST_F(ViewTest, RightClickSelectsBeforeTheMenu) {
  ASSERT_NE(SheetWithPhotos(2), nullptr);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(*images[0]));
  const QPoint at = Centre(*images[1]);
  QTest::mousePress(Port(), Qt::RightButton, {}, at);
  EXPECT_EQ(Selected(), (std::vector<int>{1}));
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, Port()->mapToGlobal(at));
  QCoreApplication::sendEvent(Port(), &menuEvent);
  QTest::mouseRelease(Port(), Qt::RightButton, {}, at);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* a : menu->actions()) items << a->text();
  EXPECT_TRUE(items.contains(QStringLiteral("Replace Image..."))) << items.join('|').toStdString();
  menu->close();

  // A right click on empty paper lets the selection go.
  QTest::mousePress(Port(), Qt::RightButton, {}, QPoint(4, 300));
  EXPECT_TRUE(Selected().empty());
  QTest::mouseRelease(Port(), Qt::RightButton, {}, QPoint(4, 300));
}

TEST_F(ViewTest, ArrowKeysNudgeFreeObjectsOnly) {
  ASSERT_NE(SheetWithPhotos(2), nullptr);
  FreeTextObject* text = FreeTextObjectNew(layout, &layout->Objects);
  text->String = "Nudged";
  MeasureFreeText(*text);
  MoveObjectTo(*text, {600, 3000});
  const LPoint image = images[0]->Origin;
  for (LayoutObject* o : layout->Objects) o->Selected = o == text || o == images[0];
  RecountSelection(*layout);
  QTest::keyClick(view, Qt::Key_Right);
  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(text->Origin, (LPoint{600 + layout->NudgeStep, 3000 + layout->NudgeStep}));
  EXPECT_EQ(images[0]->Origin, image) << "the flow places images in automatic layout";
  ASSERT_TRUE(Trigger(kCmdUndo));
  EXPECT_EQ(text->Origin, (LPoint{600, 3000})) << "both nudges undone at once";

  for (LayoutObject* o : layout->Objects) o->Selected = o == images[0];
  RecountSelection(*layout);
  layout->Modified = 0;
  QTest::keyClick(view, Qt::Key_Left);
  EXPECT_EQ(images[0]->Origin, image);
  EXPECT_FALSE(layout->Modified);
}

TEST_F(ViewTest, DoubleClickAndEnterAskForTheEditors) {
  ASSERT_NE(SheetWithPhotos(2), nullptr);
  QSignalSpy preview(&App(), &CTessalineApp::ImagePreviewRequested);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(*images[0]));
  QTest::mouseDClick(Port(), Qt::LeftButton, {}, Centre(*images[0]));
  ASSERT_EQ(preview.count(), 1);
  EXPECT_TRUE(preview.takeFirst().at(0).toBool()) << "made when closed";
  QTest::keyClick(view, Qt::Key_Return);
  ASSERT_EQ(preview.count(), 1);
  EXPECT_FALSE(preview.takeFirst().at(0).toBool()) << "only when open";

  int lineEdits = 0;
  App().Router().FrameHandlers().Add(kCmdEditFreeLine, [&lineEdits] { ++lineEdits; });
  FreeLineObject* line = FreeLineObjectNew(layout, &layout->Objects);
  MoveObjectTo(*line, {400, 3200});
  UpdateFreeLineEnds(*line);
  const QPoint middle = (view->Geometry().ToDevice(line->End1) + view->Geometry().ToDevice(line->End2)) / 2;
  QTest::mouseClick(Port(), Qt::LeftButton, {}, middle);
  ASSERT_TRUE(line->Selected);
  QTest::mouseDClick(Port(), Qt::LeftButton, {}, middle);
  EXPECT_EQ(lineEdits, 1);
  EXPECT_TRUE(preview.isEmpty());
}

TEST_F(ViewTest, ZoomCommandsWheelAndZoomBox) {
  ASSERT_NE(SheetWithPhotos(1), nullptr);
  QLineEdit* zoomEdit = Frame().NavigatorBar()->ZoomBox()->lineEdit();
  ASSERT_TRUE(Trigger(kCmdZoomIn));
  EXPECT_EQ(view->Zoom(), (ZoomRatio{2, 1}));
  EXPECT_EQ(zoomEdit->text(), QStringLiteral("200%"));
  Trigger(kCmdZoomOut);
  Trigger(kCmdZoomOut);
  EXPECT_EQ(view->Zoom(), (ZoomRatio{2, 3}));
  EXPECT_EQ(zoomEdit->text(), QStringLiteral("66.67%"));

  QWheelEvent wheel(QPointF(200, 200), QPointF(Port()->mapToGlobal(QPoint(200, 200))), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(Port(), &wheel);
  EXPECT_EQ(view->Zoom(), (ZoomRatio{1, 1}));

  struct Typed {
    const char* text;
    ZoomRatio zoom;
    const char* shown;
  } typed[] = {
      {"150", {3, 2}, "150%"},
      {"abc", {3, 2}, "150%"},          // not a number: the entry comes back
      {"0", {3, 2}, "150%"},
      {"37.5%", {100, 267}, "37.45%"},  // below 100 %: 100 : round(10000 / x)
      {"40", {2, 5}, "40.00%"},
      {"25 %", {1, 4}, "25%"},           // a preset
      {"100000", {1, 4}, "25%"},         // past the page limit: refused
  };
  for (const Typed& t : typed) {
    zoomEdit->setText(QString::fromUtf8(t.text));
    QTest::keyClick(zoomEdit, Qt::Key_Return);
    EXPECT_EQ(view->Zoom(), t.zoom) << t.text;
    EXPECT_EQ(zoomEdit->text(), QString::fromUtf8(t.shown)) << t.text;
  }

  // In to the page's limit, where Zoom In is disabled.
  while (Enabled(kCmdZoomIn)) ASSERT_TRUE(Trigger(kCmdZoomIn));
  EXPECT_EQ(view->Zoom(), (ZoomRatio{7, 1})) << "A4 at 8 : 1 would pass 32767";

  ASSERT_TRUE(Trigger(kCmdFitOnScreen));
  Settle();
  EXPECT_EQ(view->verticalScrollBar()->maximum(), 0) << "the whole page in the window";
  EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
}

TEST_F(ViewTest, ZoomClosesTheUndoHistory) {
  ASSERT_NE(SheetWithPhotos(2, true), nullptr);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(*images[0]));
  Drag(Centre(*images[0]), QPoint(5, 5), 2);
  ASSERT_TRUE(Enabled(kCmdUndo));
  Trigger(kCmdZoomOut);
  EXPECT_FALSE(Enabled(kCmdUndo));
}

TEST_F(ViewTest, PageBoxAndPageCommands) {
  ASSERT_NE(SheetWithPhotos(1, true), nullptr);
  ASSERT_TRUE(Trigger(kCmdInsertPageBehind));
  ASSERT_EQ(layout->PageNumber, 2);
  QComboBox* pages = Frame().NavigatorBar()->PageBox();
  EXPECT_EQ(pages->currentText(), QStringLiteral("1 / 2"));
  EXPECT_FALSE(Enabled(kCmdPreviousPage));
  pages->lineEdit()->setText(QStringLiteral("2"));
  QTest::keyClick(pages->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(view->CurrentPage(), 1);
  EXPECT_EQ(pages->currentText(), QStringLiteral("2 / 2"));
  pages->lineEdit()->setText(QStringLiteral("9"));
  QTest::keyClick(pages->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(view->CurrentPage(), 1);
  EXPECT_EQ(pages->currentText(), QStringLiteral("2 / 2")) << "the entry comes back";
  EXPECT_FALSE(Enabled(kCmdNextPage));
  ASSERT_TRUE(Trigger(kCmdFirstPage));
  EXPECT_EQ(view->CurrentPage(), 0);
}

TEST_F(ViewTest, RulersFollowTheMouse) {
  ASSERT_NE(SheetWithPhotos(4), nullptr);
  ASSERT_TRUE(Trigger(kCmdShowRuler));
  Settle();
  EXPECT_EQ(view->Geometry().Paper().topLeft(), QPoint(30, 30));
  QTest::mouseMove(Port(), QPoint(300, 250));
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(*images[1]));
  Settle();
  const QImage shown = Port()->grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(300, 4)), QColor(Qt::red));
  EXPECT_EQ(QColor(shown.pixel(4, 250)), QColor(Qt::red));
  EXPECT_NE(QColor(shown.pixel(301, 4)), QColor(Qt::red));
  // A picture to look at: the main window with rulers and a selection.
  if (const char* binary = std::getenv("TL_BINARY_DIR")) {
    fs::create_directories(std::string(binary) + "/view_grabs");
    Frame().grab().save(QString::fromStdString(std::string(binary) + "/view_grabs/view_with_rulers.png"));
  }
}

}  // namespace
}  // namespace tl::test
