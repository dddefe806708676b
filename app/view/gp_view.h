// CGPView: the scrolling window of a layout document. It shows the current
// page through the renderer's screen path, keeps the view state the
// document layer asks for (zoom, current page, the status values of long
// operations) and is the document's ViewLink. Mouse and keys edit the
// page: clicks and the rubber band select, drags move and resize, arrow
// keys nudge, Ctrl+wheel and the zoom commands zoom, a double click opens
// the object's editor. The rules of all of it live in the renderer's view
// model; this widget only forwards input and shows the result.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <memory>

#include "document/view_link.h"
#include "render/screen_page.h"
#include "render/status_text.h"
#include "render/view_drag.h"
#include "render/view_geometry.h"
#include "render/view_picture.h"
#include "render/view_zoom.h"

class QRubberBand;

namespace tl {

class BusyScope;
class CGPDoc;
struct LayoutDocument;

class CGPView : public QAbstractScrollArea, public ViewLink {
  Q_OBJECT

 public:
  CGPView(CGPDoc& document, QWidget* parent = nullptr);
  ~CGPView() override;

  CGPDoc& Document() const { return document_; }

  // ViewLink
  int32_t CurrentPage() const override { return status_.CurrentPage; }
  void SetCurrentPage(int32_t page) override;
  void Invalidate() override;
  void InvalidateArea(const LRect& area) override;
  void PageCountChanged() override;
  LRect VisiblePageArea() const override;

  // Zoom, page and the status values A and B.
  StatusValues& Status() { return status_; }
  const StatusValues& Status() const { return status_; }
  ZoomRatio Zoom() const { return {status_.ZoomNumerator, status_.ZoomDenominator}; }
  // Sets the zoom, carrying the scroll position along.
  void SetZoom(int32_t numerator, int32_t denominator);
  // The zoom at which the whole page fits the window, from the ladder.
  void ZoomToFitPage();

  // The zoom commands and a zoom chosen in the navigator bar; each closes
  // the undo history. False when the step is refused (nothing changes).
  bool ZoomIn();
  bool ZoomOut();
  bool FitOnScreen();
  bool ChangeZoom(ZoomRatio zoom);
  bool CanZoomIn() const;
  bool CanZoomOut() const;

  // What the renderer needs to draw the page now, and its mapping.
  ScreenView ScreenState() const;
  ViewGeometry Geometry() const;
  bool DragActive() const { return Dragging(drag_); }

 signals:
  // The page shown or the page count changed (the navigator follows).
  void PageChanged();
  void ZoomChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  LayoutDocument* Layout() const;
  bool Busy() const;
  ZoomLimits Limits() const;
  DragServices Services() const;
  void UpdateScrollBars();
  void PressLeft(QPoint point, bool shift);
  void PressRight(QPoint point, bool shift);
  void StepDrag(QPoint point);
  void EndDrag();
  void ReleaseBand(QPoint point, bool shift);
  void SelectionChanged();
  void OpenEditor(QPoint point);
  bool Nudge(int key);
  void FollowMouse(QPoint point);
  void RepaintRulerMarks(QPoint from, QPoint to);

  CGPDoc& document_;
  StatusValues status_;
  ZoomRatio previousZoom_;
  bool fitted_ = false;  // the page was fitted to the window once
  ViewPicture picture_;
  ViewDrag drag_;
  std::unique_ptr<BusyScope> dragBusy_;  // other commands wait while a drag runs
  QRubberBand* band_ = nullptr;
  QPoint bandStart_;
  bool banding_ = false;
  QPoint mouse_{-1, -1};  // the pointer in the window, for the ruler marks
  bool skipContextMenu_ = false;  // the right button only ended a drag
};

}  // namespace tl
