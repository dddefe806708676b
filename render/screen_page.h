// The screen path: the current page of a layout view at the view's zoom,
// placed in the client area with the desk, the paper shadow, the margin
// outlines, the grid, the selection handles and the focus rectangle, and
// drawn through an off-screen image the size of the area being repainted.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <string>

#include "document/layout_document.h"
#include "render/page_draw_context.h"

namespace tl {

// What the view keeps for drawing: zoom, page, window and preferences.
struct ScreenView {
  int32_t ZoomNumerator = 1;
  int32_t ZoomDenominator = 1;
  int32_t CurrentPage = 0;  // counted from 0
  QSize ClientSize;         // the view's client area, pixels
  QPoint Scroll;            // the scroll position, pixels
  double DpiX = 96;         // the screen's logical resolution
  double DpiY = 96;
  bool ShowRulers = false;
  bool ShowGrid = false;  // the application-wide grid preference
  LSize GridPitch;        // layout units
  ColorRef FocusColor = MakeColor(0, 120, 215);
  int32_t UntitledNumber = 0;
  // Receives the frame title at every draw; empty: no frame to title.
  std::function<void(const std::string&)> SetFrameTitle;
  // Which objects are drawn (empty: all) and whether the selection handles
  // and the focus rectangle are: a drag draws the objects it moves itself.
  std::function<bool(const LayoutObject&)> ObjectShown;
  bool SelectionMarks = true;
};

// The paper's distance from the client area's edge when the page does not
// fit, and the bands the rulers take.
constexpr int kPaperInset = 10;
constexpr int kRulerBand = 20;
constexpr int kShadowOffset = 5;

// The frame title of a document: its file name, or "Untitled-%d".
std::string FrameTitle(const LayoutDocument& document, int32_t untitledNumber);

PageDrawContext ScreenDrawContext(LayoutDocument& document, const ScreenView& view,
                                  const DrawServices& services = {});

// Draws the page straight onto `painter`, in client coordinates.
void DrawScreenPage(QPainter& painter, LayoutDocument& document, const ScreenView& view,
                    const DrawServices& services = {});

// The part `clip` of the client area (client coordinates) drawn into an
// image of its size; a null image when memory cannot be had, and the view
// then draws straight onto the window.
QImage RenderScreenPage(LayoutDocument& document, const ScreenView& view, const QRect& clip,
                        const DrawServices& services = {});

}  // namespace tl
