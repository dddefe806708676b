#include "render/free_text.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "render/angles.h"
#include "render/qt_colors.h"
#include "render/text_fonts.h"
#include "render/text_format.h"

namespace tl {
namespace {

// Products this close to a whole number are that number: the degree
// constant is slightly off, and a box turned by a right angle must keep
// its sides.
constexpr double kWholeNumberTolerance = 1e-6;

// The reference device: 360 pixels per inch.
const QImage& ReferenceDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(kLayoutUnitsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
  }();
  return device;
}


int32_t Truncated(double v) {
  const double whole = std::round(v);
  if (std::abs(v - whole) < kWholeNumberTolerance) return int32_t(whole);
  return int32_t(v);  // toward zero
}

LPoint Offset(double half, double degrees) {
  const double a = degrees * kRadiansPerDegree;
  return {Truncated(half * std::cos(a)), Truncated(half * std::sin(a))};
}

LPoint Sum(LPoint a, LPoint b) { return {a.x + b.x, a.y + b.y}; }


}  // namespace

FreeTextBox MeasureFreeTextBox(const FreeTextObject& t) {
  const QImage& device = ReferenceDevice();
  const QFont font = PageFont(t.Style.FontName.view(), t.Style.FontFace, t.Style.FontSize, device);
  const QFontMetricsF metrics(font, &device);
  const std::vector<std::string_view> lines = SplitTextLines(t.String);
  double longest = 0;
  for (std::string_view line : lines) longest = std::max(longest, metrics.horizontalAdvance(ToQString(line)));

  FreeTextBox box;
  box.lines = int32_t(lines.size());
  const int32_t along = int32_t(std::ceil(longest - kWholeNumberTolerance));
  const int32_t across = int32_t(t.Style.LineHeight) * box.lines;
  box.size = t.ColumnarWriting ? LSize{across, along} : LSize{along, across};

  const double w = box.size.cx / 2.0, h = box.size.cy / 2.0, angle = t.Angle;
  const LPoint left = Offset(w, angle + 180), top = Offset(h, angle + 270);
  const LPoint right = Offset(w, angle), bottom = Offset(h, angle + 90);
  box.corners = {Sum(left, top), Sum(right, top), Sum(right, bottom), Sum(left, bottom)};
  return box;
}

namespace {

// The box as it is placed: its top-left stays where the object has it.
struct PlacedBox {
  FreeTextBox box;
  int64_t left, top;  // the unturned box's corner
  int64_t cx, cy;     // its centre, where the corners are counted from
  LRect area;         // around the turned corners
};

PlacedBox Place(const FreeTextObject& t) {
  PlacedBox p;
  p.box = MeasureFreeTextBox(t);
  p.left = int64_t(t.Origin.x) + t.Anchor.x, p.top = int64_t(t.Origin.y) + t.Anchor.y;
  p.cx = p.left + p.box.size.cx / 2, p.cy = p.top + p.box.size.cy / 2;
  int32_t minX = p.box.corners[0].x, maxX = minX, minY = p.box.corners[0].y, maxY = minY;
  for (const LPoint& c : p.box.corners) {
    minX = std::min(minX, c.x), maxX = std::max(maxX, c.x);
    minY = std::min(minY, c.y), maxY = std::max(maxY, c.y);
  }
  p.area = {int32_t(p.cx + minX), int32_t(p.cy + minY), int32_t(p.cx + maxX), int32_t(p.cy + maxY)};
  return p;
}

}  // namespace

LRect FreeTextArea(const FreeTextObject& t) { return Place(t).area; }

void MeasureFreeText(FreeTextObject& t) {
  const PlacedBox p = Place(t);
  t.BoxSize = p.box.size;
  t.Origin = {p.area.left, p.area.top};
  t.Size = {p.area.Width(), p.area.Height()};
  t.Anchor = {int32_t(p.left - t.Origin.x), int32_t(p.top - t.Origin.y)};
  for (size_t i = 0; i < p.box.corners.size(); ++i)
    t.Corners[i] = {int32_t(p.cx + p.box.corners[i].x - t.Origin.x), int32_t(p.cy + p.box.corners[i].y - t.Origin.y)};
}

void DrawFreeText(QPainter& p, const FreeTextObject& t, const PageDrawContext& c) {
  if (std::lround(t.Style.FontSize * c.zoom) <= 0) return;
  const PlacedBox placed = Place(t);
  const FreeTextBox& box = placed.box;
  const int64_t cx = placed.cx, cy = placed.cy;
  const QPointF centre = c.MapF(double(placed.left) + box.size.cx / 2.0, double(placed.top) + box.size.cy / 2.0);
  const double width = c.PixelsX(box.size.cx), height = c.PixelsY(box.size.cy);

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (t.DispBackGround) {
    QPolygonF polygon;
    for (const LPoint& corner : box.corners) polygon << c.MapF(double(cx + corner.x), double(cy + corner.y));
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(t.BackGroundColor));
    p.drawPolygon(polygon);
  }

  const QFont font = PageFont(t.Style.FontName.view(), t.Style.FontFace, c.PixelsY(t.Style.FontSize), *p.device());
  p.setFont(font);
  p.setPen(ToQColor(t.Style.FontColor));
  p.translate(centre);
  p.rotate(t.Angle);
  const double lineHeight = c.PixelsY(t.Style.LineHeight);
  const int flags = int(JustifyAlignment(t.Style.Justify)) | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
  const std::vector<std::string_view> lines = SplitTextLines(t.String);
  for (size_t k = 0; k < lines.size(); ++k) {
    if (!t.ColumnarWriting) {
      const QRectF line(-width / 2, -height / 2 + k * lineHeight, std::ceil(width), lineHeight);
      p.drawText(line, flags, ToQString(lines[k]));
      continue;
    }
    // Columns run from right to left, each read from top to bottom.
    const QRectF column(width / 2 - (k + 1) * lineHeight, -height / 2, lineHeight, height);
    p.save();
    p.translate(column.center());
    p.rotate(90);
    p.drawText(QRectF(-height / 2, -lineHeight / 2, height, lineHeight), flags, ToQString(lines[k]));
    p.restore();
  }
  p.restore();
}

size_t CheckFreeTextWidth(std::string_view text, std::string_view fontName, int16_t faceBits, int16_t fontSize) {
  const QImage& device = ReferenceDevice();
  // At 360 pixels per inch a pixel of the font is a layout unit.
  const QFont font = PageFont(Utf8Prefix(fontName, FontNameField::kMaxBytes), faceBits, fontSize, device);
  const QFontMetricsF metrics(font, &device);
  for (std::string_view line : SplitTextLines(text)) {
    const QString s = ToQString(line);
    if (metrics.horizontalAdvance(s) <= kMaxFreeTextLineWidth) continue;
    // The longest start of the line that fits, in whole characters.
    qsizetype fits = 0;
    for (qsizetype n = 1; n <= s.size(); ++n) {
      if (n < s.size() && s[n].isLowSurrogate()) continue;
      if (metrics.horizontalAdvance(s.left(n)) > kMaxFreeTextLineWidth) break;
      fits = n;
    }
    return size_t(line.data() - text.data()) + size_t(s.left(fits).toUtf8().size());
  }
  return text.size();
}

}  // namespace tl
