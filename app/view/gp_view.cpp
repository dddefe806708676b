#include "app/view/gp_view.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRubberBand>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/document/document_services.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "document/keyboard_move.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "render/header_footer.h"
#include "render/selection_marks.h"
#include "render/view_hit_test.h"
#include "render/view_rulers.h"
#include "render/view_selection.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

// The room the page needs around it in the window: the insets on both
// sides and the shadow.
constexpr int kPageRoom = 2 * kPaperInset + kShadowOffset;

int ArrowDirection(int key) {
  switch (key) {
    case Qt::Key_Left: return kNudgeLeft;
    case Qt::Key_Up: return kNudgeUp;
    case Qt::Key_Right: return kNudgeRight;
    case Qt::Key_Down: return kNudgeDown;
    default: return -1;
  }
}

}  // namespace

CGPView::CGPView(CGPDoc& document, QWidget* parent) : QAbstractScrollArea(parent), document_(document) {
  setFrameShape(QFrame::NoFrame);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
  if (LayoutDocument* d = Layout()) d->View = this;
}

CGPView::~CGPView() {
  if (LayoutDocument* d = Layout(); d && d->View == this) d->View = nullptr;
}

LayoutDocument* CGPView::Layout() const { return document_.Layout(); }

bool CGPView::Busy() const { return CTessalineApp::Instance().DocumentBusy(); }

DragServices CGPView::Services() const {
  DocumentServices& services = document_.Services();
  return {services, services.Import()};
}

ScreenView CGPView::ScreenState() const {
  ScreenView v;
  v.ZoomNumerator = status_.ZoomNumerator;
  v.ZoomDenominator = status_.ZoomDenominator;
  v.CurrentPage = status_.CurrentPage;
  v.ClientSize = viewport()->size();
  v.Scroll = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
  v.DpiX = logicalDpiX();
  v.DpiY = logicalDpiY();
  const PreferenceRecord& p = CTessalineApp::Instance().Preferences();
  v.ShowRulers = p.rulerShow != 0;
  v.ShowGrid = p.gridShow != 0;
  v.GridPitch = p.grid;
  v.UntitledNumber = document_.UntitledNumber();
  return v;
}

ViewGeometry CGPView::Geometry() const { return ViewGeometry(*Layout(), ScreenState()); }

ZoomLimits CGPView::Limits() const {
  ZoomLimits limits;
  if (const LayoutDocument* d = Layout()) {
    limits.PageWidth = d->PageWidth;
    limits.PageHeight = d->PageHeight;
  }
  limits.ScrollBarHeight = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  return limits;
}

void CGPView::UpdateScrollBars() {
  const LayoutDocument* d = Layout();
  if (!d) return;
  const QSize client = viewport()->size();
  const QSize range = ScrollRange(*d, ScreenState());
  horizontalScrollBar()->setRange(0, range.width());
  horizontalScrollBar()->setPageStep(client.width());
  horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 20));
  verticalScrollBar()->setRange(0, range.height());
  verticalScrollBar()->setPageStep(client.height());
  verticalScrollBar()->setSingleStep(std::max(1, client.height() / 20));
}

// Zoom

void CGPView::SetZoom(int32_t numerator, int32_t denominator) {
  if (numerator <= 0 || denominator <= 0) return;
  const ZoomRatio from = Zoom(), to = Reduced({numerator, denominator});
  const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
  previousZoom_ = from;
  status_.ZoomNumerator = to.Numerator;
  status_.ZoomDenominator = to.Denominator;
  UpdateScrollBars();
  horizontalScrollBar()->setValue(ScaledScroll(scroll.x(), from, to));
  verticalScrollBar()->setValue(ScaledScroll(scroll.y(), from, to));
  viewport()->update();
  emit ZoomChanged();
}

void CGPView::ZoomToFitPage() {
  const LayoutDocument* d = Layout();
  if (!d) return;
  ScreenView unzoomed = ScreenState();
  unzoomed.ZoomNumerator = unzoomed.ZoomDenominator = 1;
  const QSize page = PagePixels(*d, unzoomed);
  const QSize room = maximumViewportSize() - QSize(kPageRoom, kPageRoom);
  const ZoomRatio z = FittingLadderZoom(page.width(), page.height(), room.width(), room.height());
  SetZoom(z.Numerator, z.Denominator);
}

bool CGPView::ChangeZoom(ZoomRatio zoom) {
  if (!Layout() || !ZoomAllowed(Limits(), zoom)) return false;
  if (Reduced(zoom) == Reduced(Zoom())) return true;
  SetZoom(zoom.Numerator, zoom.Denominator);
  UndoClear();
  return true;
}

bool CGPView::CanZoomIn() const {
  ZoomRatio next;
  return Layout() && tl::ZoomIn(Limits(), Zoom(), next);
}

bool CGPView::CanZoomOut() const {
  ZoomRatio next;
  return Layout() && tl::ZoomOut(Limits(), Zoom(), next);
}

bool CGPView::ZoomIn() {
  ZoomRatio next;
  return Layout() && tl::ZoomIn(Limits(), Zoom(), next) && ChangeZoom(next);
}

bool CGPView::ZoomOut() {
  ZoomRatio next;
  return Layout() && tl::ZoomOut(Limits(), Zoom(), next) && ChangeZoom(next);
}

bool CGPView::FitOnScreen() {
  const LayoutDocument* d = Layout();
  if (!d) return false;
  ScreenView unzoomed = ScreenState();
  unzoomed.ZoomNumerator = unzoomed.ZoomDenominator = 1;
  const QSize page = PagePixels(*d, unzoomed);
  const int rulers = unzoomed.ShowRulers ? kRulerBand : 0;
  const QSize room = maximumViewportSize() - QSize(kPageRoom + rulers, kPageRoom + rulers);
  ZoomRatio fit;
  if (!FitZoom(page.width(), page.height(), room.width(), room.height(), Limits().ScrollBarHeight, fit)) return false;
  SetZoom(fit.Numerator, fit.Denominator);
  UndoClear();
  return true;
}

// ViewLink

void CGPView::SetCurrentPage(int32_t page) {
  const LayoutDocument* d = Layout();
  const int32_t last = d ? std::max<int32_t>(0, d->PageNumber - 1) : 0;
  page = std::clamp(page, 0, last);
  if (page == status_.CurrentPage) return;
  status_.CurrentPage = page;
  viewport()->update();
  emit PageChanged();
}

void CGPView::Invalidate() {
  UpdateScrollBars();
  picture_.Invalidate();
  viewport()->update();
}

void CGPView::InvalidateArea(const LRect& area) {
  if (!Layout()) return;
  const ViewGeometry g = Geometry();
  // A little more than the area: selection handles and frame pens reach
  // past the object's rectangle.
  const QRect r = g.ToDevice(area).adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach);
  picture_.Invalidate(r);
  viewport()->update(r);
}

void CGPView::PageCountChanged() {
  if (LayoutDocument* d = Layout()) {
    ComposeHeaderFooter(*d);
    if (status_.CurrentPage >= d->PageNumber) status_.CurrentPage = std::max(0, d->PageNumber - 1);
  }
  UpdateScrollBars();
  picture_.Invalidate();
  viewport()->update();
  emit PageChanged();
}

LRect CGPView::VisiblePageArea() const {
  if (!Layout()) return {};
  return Geometry().VisiblePageArea();
}

// Painting

void CGPView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  LayoutDocument* d = Layout();
  const QRect clip = event->rect();
  if (!d) {
    painter.fillRect(clip, palette().color(QPalette::Dark));
    return;
  }
  const ScreenView state = ScreenState();
  picture_.Refresh(*d, state);
  if (!picture_.Image().isNull()) {
    painter.drawImage(clip.topLeft(), picture_.Image(), clip);
  } else {
    painter.setClipRect(clip);
    DrawScreenPage(painter, *d, state);
  }
  if (state.ShowRulers && viewport()->rect().contains(mouse_)) DrawRulerMarks(painter, state.ClientSize, mouse_);
}

void CGPView::resizeEvent(QResizeEvent* event) {
  if (Dragging(drag_)) EndDrag();
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CGPView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  // A layout opens showing its whole page, once the window has its size.
  if (fitted_) return;
  fitted_ = true;
  QTimer::singleShot(0, this, &CGPView::ZoomToFitPage);
}

void CGPView::scrollContentsBy(int, int) { viewport()->update(); }

// Mouse

void CGPView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  const bool skip = skipContextMenu_;
  skipContextMenu_ = false;
  if (skip || Busy() || Dragging(drag_)) return;
  if (CMainFrame* frame = CTessalineApp::Instance().MainFrame()) frame->ShowContextMenu(event->globalPos(), this);
}

void CGPView::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  if (Dragging(drag_)) {
    // The right button ends a drag where it is.
    if (event->button() == Qt::RightButton) {
      skipContextMenu_ = true;
      LayoutDocument& d = *Layout();
      const bool moved = drag_.Moved;
      AbandonDrag(drag_, d, Services());
      EndDrag();
      if (moved) document_.UpdateAllViews();
    }
    return;
  }
  if (!Layout()) return;
  if (event->button() == Qt::LeftButton) PressLeft(point, shift);
  else if (event->button() == Qt::RightButton) PressRight(point, shift);
}

void CGPView::PressLeft(QPoint point, bool shift) {
  LayoutDocument& d = *Layout();
  const ViewGeometry g = Geometry();
  if (g.OnRulers(point)) return;
  if (Busy()) {
    ErrorBeep();
    return;
  }
  const ViewHit hit = HitTest(g, point);
  const bool draggable = SelectByClick(d, hit, shift);
  SelectionChanged();
  if (!hit.object) {
    banding_ = true;
    bandStart_ = point;
    band_->setGeometry(QRect(point, QSize()));
    band_->show();
    return;
  }
  if (!draggable || !BeginDrag(drag_, g, hit, point)) return;
  dragBusy_ = std::make_unique<BusyScope>(CTessalineApp::Instance());
  picture_.BeginDrag(d, ScreenState(), drag_);
}

void CGPView::PressRight(QPoint point, bool shift) {
  if (Busy()) return;
  const ViewGeometry g = Geometry();
  if (g.OnRulers(point)) return;
  SelectByClick(*Layout(), HitTest(g, point), shift);
  document_.UpdateAllViews();
}

void CGPView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  FollowMouse(point);
  if (!Layout()) return;
  if (Dragging(drag_)) {
    StepDrag(point);
    return;
  }
  if (banding_) {
    band_->setGeometry(QRect(bandStart_, point).normalized());
    return;
  }
  const ViewGeometry g = Geometry();
  viewport()->setCursor(g.OnRulers(point) ? Qt::ArrowCursor : HitCursor(HitTest(g, point)));
}

void CGPView::StepDrag(QPoint point) {
  LayoutDocument& d = *Layout();
  const ViewGeometry g = Geometry();
  if (!DragTo(drag_, g, point, Services())) {
    // The undo snapshot failed: nothing moved, the drag is over.
    EndDrag();
    viewport()->update();
    return;
  }
  viewport()->update(picture_.ShowDrag(d, g.View(), drag_));
  const DragStatus status = DragStatusOf(drag_, d, Zoom());
  if (status.Kind) {
    status_.A = status.A;
    status_.B = status.B;
    document_.ShowStatus(status.Kind);
  }
  // A limit held the dragged edge or objects back: so is the pointer.
  if (drag_.Limited != point) QCursor::setPos(viewport()->mapToGlobal(drag_.Limited));
}

void CGPView::EndDrag() {
  drag_ = {};
  picture_.EndDrag();
  dragBusy_.reset();
  viewport()->update();
}

void CGPView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !Layout()) return;
  const QPoint point = event->position().toPoint();
  if (Dragging(drag_)) {
    const bool moved = drag_.Moved;
    const PreferenceRecord& p = CTessalineApp::Instance().Preferences();
    const SnapGrid snap{p.gridAlign != 0, p.grid};
    const ViewGeometry g = Geometry();
    FinishDrag(drag_, g, point, snap, Services());
    EndDrag();
    if (moved) document_.UpdateAllViews();
    return;
  }
  if (banding_) ReleaseBand(point, event->modifiers() & Qt::ShiftModifier);
}

void CGPView::ReleaseBand(QPoint point, bool shift) {
  banding_ = false;
  band_->hide();
  const QRect band = QRect(bandStart_, point).normalized();
  if (band.width() <= 1 && band.height() <= 1) return;  // a click: the selection was cleared
  SelectByBand(Geometry(), band, shift);
  SelectionChanged();
}

void CGPView::SelectionChanged() { document_.SelectionChanged(); }

void CGPView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !Layout()) return;
  // The second press of a double click may find the first one's drag
  // still open; a drag that moved nothing was only a click.
  if (Dragging(drag_)) {
    if (drag_.Moved) return;
    EndDrag();
  }
  if (!Busy()) OpenEditor(event->position().toPoint());
}

void CGPView::OpenEditor(QPoint point) {
  const LayoutDocument& d = *Layout();
  const ViewHit hit = HitTest(Geometry(), point);
  if (!hit.object || !hit.object->Selected) return;
  CTessalineApp& app = CTessalineApp::Instance();
  const bool alone = d.SelectedImageCount + d.SelectedOtherCount == 1;
  if (IsImage(hit.object)) {
    if (alone) emit app.ImagePreviewRequested(true);
  } else if (IsFreeText(hit.object)) {
    if (alone) app.Router().Execute(kCmdEditFreeText);
  } else if (IsFreeLine(hit.object)) {
    app.Router().Execute(kCmdEditFreeLine);
  }
}

void CGPView::wheelEvent(QWheelEvent* event) {
  if (Dragging(drag_)) {
    event->accept();
    return;
  }
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  event->accept();
  const int turn = event->angleDelta().y();
  if (turn > 0) ZoomIn();
  else if (turn < 0) ZoomOut();
}

void CGPView::leaveEvent(QEvent* event) {
  FollowMouse(QPoint(-1, -1));
  QAbstractScrollArea::leaveEvent(event);
}

void CGPView::FollowMouse(QPoint point) {
  const QPoint before = mouse_;
  mouse_ = point;
  if (CTessalineApp::Instance().Preferences().rulerShow) RepaintRulerMarks(before, point);
}

void CGPView::RepaintRulerMarks(QPoint from, QPoint to) {
  const QSize client = viewport()->size();
  for (const QPoint& p : {from, to}) {
    viewport()->update(QRect(p.x(), 0, 1, kRulerBand) & TopRulerBand(client));
    viewport()->update(QRect(0, p.y(), kRulerBand, 1) & LeftRulerBand(client));
  }
}

// Keys

void CGPView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (Dragging(drag_)) {
    if (key == Qt::Key_Escape) {
      const bool moved = drag_.Moved;
      CancelDrag(drag_, *Layout(), Services());
      EndDrag();
      if (moved) document_.UpdateAllViews();
    }
    event->accept();
    return;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    emit CTessalineApp::Instance().ImagePreviewRequested(false);
    event->accept();
    return;
  }
  if (event->modifiers() == Qt::NoModifier && Nudge(key)) {
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

bool CGPView::Nudge(int key) {
  const int direction = ArrowDirection(key);
  LayoutDocument* d = Layout();
  if (direction < 0 || !d || Busy() || !NudgeAllowed(*d)) return false;
  if (NudgeSelection(*d, int16_t(direction), document_.Services())) document_.UpdateAllViews();
  return true;
}

void CGPView::focusOutEvent(QFocusEvent* event) {
  // The button may come up where the view cannot see it: the drag ends as
  // if it had.
  if (Dragging(drag_) && Layout()) {
    const bool moved = drag_.Moved;
    AbandonDrag(drag_, *Layout(), Services());
    EndDrag();
    if (moved) document_.UpdateAllViews();
  }
  QAbstractScrollArea::focusOutEvent(event);
}

}  // namespace tl
