#include "render/view_rulers.h"

#include <QFont>
#include <QPen>
#include <cmath>
#include <iterator>

#include "layout/units.h"
#include "render/screen_page.h"

namespace tl {
namespace {

struct RulerStep {
  double Number;  // in the display unit
  int Divisions;  // the finest ticks per number
};

constexpr RulerStep kMillimetreSteps[] = {{1, 1},    {2, 2},    {5, 5},     {10, 10},   {20, 20},
                                          {50, 10},  {100, 10}, {200, 20},  {500, 10},  {1000, 10},
                                          {2000, 20}, {5000, 10}, {10000, 10}, {20000, 20}, {50000, 10}};
constexpr RulerStep kInchSteps[] = {{0.125, 1}, {0.25, 2}, {0.5, 4}, {1, 8},    {2, 16},   {5, 10},
                                    {10, 10},   {20, 20},  {50, 10}, {100, 10}, {200, 20}, {500, 10}};

constexpr double kMillimetresPerInch = 25.4;

constexpr QRgb kRulerFace = 0xFFF0F0F0;
constexpr QRgb kRulerInk = 0xFF202020;
constexpr QRgb kMarkColor = 0xFFFF0000;
constexpr int kNumberPixels = 10;  // font height
constexpr int kMajorTick = 12, kHalfTick = 7, kMinorTick = 4;

// The finest division of `most` (one of its divisors) whose ticks stay
// kRulerTickPixels apart.
int FittingDivisions(int most, double majorPixels) {
  for (int d = most; d > 1; --d)
    if (most % d == 0 && majorPixels / d >= kRulerTickPixels) return d;
  return 1;
}

QString NumberText(double value) {
  const double rounded = std::round(value * 1000) / 1000;
  return QString::number(rounded == 0 ? 0.0 : rounded, 'g', 8);
}

int TickLength(int tick, int divisions) {
  if (tick % divisions == 0) return kMajorTick;
  if (divisions % 2 == 0 && tick % (divisions / 2) == 0) return kHalfTick;
  return kMinorTick;
}

// One ruler along an axis: ticks from `origin` (the paper's edge, device
// pixels) every step, between `from` and `to`. `horizontal` draws along
// the top band, else down the left band.
void DrawRuler(QPainter& p, const RulerScale& scale, double pixelsPerUnit, int origin, int from, int to,
               bool horizontal) {
  const double tickPixels = scale.Major * pixelsPerUnit / scale.Divisions;
  if (tickPixels <= 0) return;
  const int64_t first = int64_t(std::floor((from - origin) / tickPixels));
  const int64_t last = int64_t(std::ceil((to - origin) / tickPixels));
  p.setPen(QPen(QColor::fromRgba(kRulerInk), 0));
  for (int64_t k = first; k <= last; ++k) {
    const int at = origin + int(std::lround(double(k) * tickPixels));
    if (at < from || at >= to) continue;
    const int tick = int(((k % scale.Divisions) + scale.Divisions) % scale.Divisions);
    const int length = TickLength(tick, scale.Divisions);
    if (horizontal) p.drawLine(at, kRulerBand - 1 - length, at, kRulerBand - 1);
    else p.drawLine(kRulerBand - 1 - length, at, kRulerBand - 1, at);
    if (tick != 0) continue;
    const QString text = NumberText(double(k / scale.Divisions) * scale.Number);
    if (horizontal) {
      p.drawText(QPoint(at + 2, kNumberPixels), text);
    } else {
      p.save();
      p.translate(kNumberPixels, at - 2);
      p.rotate(-90);
      p.drawText(QPoint(0, 0), text);
      p.restore();
    }
  }
}

}  // namespace

RulerScale ChooseRulerScale(int displayUnit, double pixelsPerUnit) {
  const bool inch = displayUnit == kUnitInch;
  const double unitsPerNumber = inch ? kLayoutUnitsPerInch : kLayoutUnitsPerInch / kMillimetresPerInch;
  const RulerStep* begin = inch ? std::begin(kInchSteps) : std::begin(kMillimetreSteps);
  const RulerStep* end = inch ? std::end(kInchSteps) : std::end(kMillimetreSteps);
  const RulerStep* chosen = end - 1;
  for (const RulerStep* s = begin; s != end; ++s)
    if (s->Number * unitsPerNumber * pixelsPerUnit >= kRulerNumberPixels) {
      chosen = s;
      break;
    }
  RulerScale scale;
  scale.Number = chosen->Number;
  scale.Major = chosen->Number * unitsPerNumber;
  scale.Divisions = FittingDivisions(chosen->Divisions, scale.Major * pixelsPerUnit);
  return scale;
}

QRect TopRulerBand(QSize client) { return {kRulerBand, 0, std::max(0, client.width() - kRulerBand), kRulerBand}; }

QRect LeftRulerBand(QSize client) {
  return {0, kRulerBand, kRulerBand, std::max(0, client.height() - kRulerBand)};
}

void DrawRulers(QPainter& p, const PageDrawContext& c) {
  if (!c.screen || !c.document) return;
  const QSize client = c.screen->ClientSize;
  const QRect top = TopRulerBand(client), left = LeftRulerBand(client);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.fillRect(QRect(0, 0, kRulerBand, kRulerBand), QColor::fromRgba(kRulerFace));
  p.fillRect(top, QColor::fromRgba(kRulerFace));
  p.fillRect(left, QColor::fromRgba(kRulerFace));
  QFont font = p.font();
  font.setPixelSize(kNumberPixels);
  p.setFont(font);
  const int unit = c.document->DisplayUnit;
  const double pxX = c.zoom * c.scaleX, pxY = c.zoom * c.scaleY;
  p.setClipRect(top);
  DrawRuler(p, ChooseRulerScale(unit, pxX), pxX, c.paperRect.left(), top.left(), top.left() + top.width(), true);
  p.setClipRect(left);
  DrawRuler(p, ChooseRulerScale(unit, pxY), pxY, c.paperRect.top(), left.top(), left.top() + left.height(), false);
  p.setClipping(false);
  p.setPen(QPen(QColor::fromRgba(kRulerInk), 0));
  p.drawLine(0, kRulerBand - 1, client.width() - 1, kRulerBand - 1);
  p.drawLine(kRulerBand - 1, 0, kRulerBand - 1, client.height() - 1);
  p.restore();
}

void DrawRulerMarks(QPainter& p, QSize client, QPoint mouse) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor::fromRgba(kMarkColor), 0));
  if (TopRulerBand(client).contains(QPoint(mouse.x(), 0))) p.drawLine(mouse.x(), 0, mouse.x(), kRulerBand - 2);
  if (LeftRulerBand(client).contains(QPoint(0, mouse.y()))) p.drawLine(0, mouse.y(), kRulerBand - 2, mouse.y());
  p.restore();
}

}  // namespace tl
