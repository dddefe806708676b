#include "app/view/gp_view.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QShowEvent>
#include <QTimer>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "render/draw_page.h"
#include "render/header_footer.h"
#include "render/view_zoom.h"

namespace tl {
namespace {

// The paper's margin on each side of the scrolled area and its shadow.
constexpr int kScrollMargin = 2 * kPaperInset + kShadowOffset;
// How far selection handles and frame pens reach past an object.
constexpr int kHandleReach = kHandleSide + 2;

}  // namespace

CGPView::CGPView(CGPDoc& document, QWidget* parent) : QAbstractScrollArea(parent), document_(document) {
  setFrameShape(QFrame::NoFrame);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  if (LayoutDocument* d = Layout()) d->View = this;
}

CGPView::~CGPView() {
  if (LayoutDocument* d = Layout(); d && d->View == this) d->View = nullptr;
}

LayoutDocument* CGPView::Layout() const { return document_.Layout(); }

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

QSize CGPView::PagePixels() const {
  const LayoutDocument* d = Layout();
  if (!d) return {};
  const double zoom = double(status_.ZoomNumerator) / status_.ZoomDenominator;
  return QSize(int(std::lround(d->PageWidth * zoom * logicalDpiX() / kLayoutUnitsPerInch)),
               int(std::lround(d->PageHeight * zoom * logicalDpiY() / kLayoutUnitsPerInch)));
}

void CGPView::UpdateScrollBars() {
  const QSize page = PagePixels();
  const int rulers = CTessalineApp::Instance().Preferences().rulerShow ? kRulerBand : 0;
  const QSize client = viewport()->size();
  const int width = page.width() + kScrollMargin + rulers;
  const int height = page.height() + kScrollMargin + rulers;
  horizontalScrollBar()->setRange(0, std::max(0, width - client.width()));
  horizontalScrollBar()->setPageStep(client.width());
  horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 20));
  verticalScrollBar()->setRange(0, std::max(0, height - client.height()));
  verticalScrollBar()->setPageStep(client.height());
  verticalScrollBar()->setSingleStep(std::max(1, client.height() / 20));
}

void CGPView::SetZoom(int32_t numerator, int32_t denominator) {
  if (numerator <= 0 || denominator <= 0) return;
  status_.ZoomNumerator = numerator;
  status_.ZoomDenominator = denominator;
  UpdateScrollBars();
  viewport()->update();
  emit ZoomChanged();
}

void CGPView::ZoomToFitPage() {
  const LayoutDocument* d = Layout();
  if (!d) return;
  const QSize page(int(std::lround(d->PageWidth * double(logicalDpiX()) / kLayoutUnitsPerInch)),
                   int(std::lround(d->PageHeight * double(logicalDpiY()) / kLayoutUnitsPerInch)));
  const QSize room = viewport()->size() - QSize(kScrollMargin, kScrollMargin);
  const ZoomRatio z = FittingLadderZoom(page.width(), page.height(), room.width(), room.height());
  SetZoom(z.Numerator, z.Denominator);
}

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
  viewport()->update();
}

void CGPView::InvalidateArea(const LRect& area) {
  LayoutDocument* d = Layout();
  if (!d) return;
  const ScreenView state = ScreenState();
  const PageDrawContext c = ScreenDrawContext(*d, state);
  // A little more than the area: selection handles and frame pens reach
  // past the object's rectangle.
  viewport()->update(c.Map(area).adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach));
}

void CGPView::PageCountChanged() {
  if (LayoutDocument* d = Layout()) {
    ComposeHeaderFooter(*d);
    if (status_.CurrentPage >= d->PageNumber) status_.CurrentPage = std::max(0, d->PageNumber - 1);
  }
  UpdateScrollBars();
  viewport()->update();
  emit PageChanged();
}

LRect CGPView::VisiblePageArea() const {
  LayoutDocument* d = Layout();
  if (!d) return {};
  const ScreenView state = ScreenState();
  const PageDrawContext c = ScreenDrawContext(*d, state);
  const double sx = c.zoom * c.scaleX, sy = c.zoom * c.scaleY;
  if (sx <= 0 || sy <= 0) return {};
  const QSize client = viewport()->size();
  return {int32_t((0 - c.originX) / sx), int32_t((0 - c.originY) / sy), int32_t((client.width() - c.originX) / sx),
          int32_t((client.height() - c.originY) / sy)};
}

void CGPView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  LayoutDocument* d = Layout();
  if (!d) {
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    return;
  }
  const QRect clip = event->rect();
  const QImage picture = RenderScreenPage(*d, ScreenState(), clip);
  if (!picture.isNull()) {
    painter.drawImage(clip.topLeft(), picture);
  } else {
    painter.setClipRect(clip);
    DrawScreenPage(painter, *d, ScreenState());
  }
}

void CGPView::resizeEvent(QResizeEvent* event) {
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

void CGPView::contextMenuEvent(QContextMenuEvent* event) {
  if (CMainFrame* frame = CTessalineApp::Instance().MainFrame()) frame->ShowContextMenu(event->globalPos(), this);
  event->accept();
}

}  // namespace tl
