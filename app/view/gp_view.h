// CGPView: the scrolling window of a layout document. It draws the current
// page through the renderer's screen path, keeps the view state the
// document layer asks for (zoom, current page, the status values of long
// operations), and is the document's ViewLink. Mouse and keyboard editing
// of objects come on top of this.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>

#include "document/view_link.h"
#include "render/screen_page.h"
#include "render/status_text.h"

namespace tl {

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
  void SetZoom(int32_t numerator, int32_t denominator);
  // The zoom at which the whole page fits the window.
  void ZoomToFitPage();

  // What the renderer needs to draw the page now.
  ScreenView ScreenState() const;

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

 private:
  LayoutDocument* Layout() const;
  QSize PagePixels() const;
  void UpdateScrollBars();

  CGPDoc& document_;
  StatusValues status_;
  bool fitted_ = false;  // the page was fitted to the window once
};

}  // namespace tl
