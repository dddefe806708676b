// The rulers of the layout view: 20-pixel bands along the top and the
// left of the window and a 20 x 20 corner box, with ticks and numbers in
// the document's display unit counted from the paper's top-left corner,
// their spacing chosen from the zoom; and the red marks that follow the
// mouse over them.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "render/page_draw_context.h"

namespace tl {

// The ticks of a ruler: a numbered tick every `Major` layout units, which
// is `Number` in the display unit, and `Divisions` ticks per number.
struct RulerScale {
  double Major = 0;
  double Number = 0;
  int Divisions = 1;
};

// Numbers at least this far apart, ticks at least this far.
constexpr double kRulerNumberPixels = 50;
constexpr double kRulerTickPixels = 5;

// The spacing for a display unit (millimetres, or inches for the inch
// unit) at `pixelsPerUnit` device pixels per layout unit.
RulerScale ChooseRulerScale(int displayUnit, double pixelsPerUnit);

// The bands of a client area of `client` pixels.
QRect TopRulerBand(QSize client);
QRect LeftRulerBand(QSize client);

// Both rulers and the corner box for the page the context maps.
void DrawRulers(QPainter& painter, const PageDrawContext& context);

// The red lines in the bands where the mouse is (client coordinates).
void DrawRulerMarks(QPainter& painter, QSize client, QPoint mouse);

}  // namespace tl
