#include "render/label_drawing.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>
#include <string_view>
#include <vector>

#include "layout/orientation.h"
#include "render/image_object_drawing.h"
#include "render/qt_colors.h"
#include "render/text_fonts.h"

namespace tl {
namespace {

enum TextAlignCode : int16_t { kTextAlignLeft = 0, kTextAlignCenter = 1, kTextAlignRight = 2 };

// The fields of a label or a caption.
struct BandText {
  std::string_view text;
  int16_t location;
  int16_t align;
  bool upsideDown;
  const FontNameField& font;
  int16_t size;
  ColorRef color;
};

// A band of each side in a 3 x 3 picture; mapping it shows where the side
// goes.
LRect SideBand(int16_t side) {
  switch (side) {
    case kLocationTop: return {1, 0, 2, 1};
    case kLocationBottom: return {1, 2, 2, 3};
    case kLocationLeft: return {0, 1, 1, 2};
    default: return {2, 1, 3, 2};
  }
}

int16_t SideOfBand(const LRect& r) {
  if (r.top == 0) return kLocationTop;
  if (r.bottom == 3) return kLocationBottom;
  if (r.left == 0) return kLocationLeft;
  return kLocationRight;
}

Qt::Alignment Alignment(int16_t align) {
  switch (align) {
    case kTextAlignCenter: return Qt::AlignHCenter;
    case kTextAlignRight: return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

// The text with its breaks as Qt's line separators; the blanks that end
// every composed label take no room, as in any right or centred text.
QString TextWithLineBreaks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  QString s = ToQString(text);
  s.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
  s.replace(QChar('\r'), QChar::LineSeparator);
  s.replace(QChar('\n'), QChar::LineSeparator);
  return s;
}

// `text` wrapped into `box` (0, 0 at its top-left): only whole lines, the
// block centred from top to bottom. A box lower than one line shows none.
void DrawWrapped(QPainter& p, const QString& text, const QFont& font, Qt::Alignment align, const QRectF& box) {
  QTextLayout layout(text, font, p.device());
  QTextOption option(align);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  const double lineSpacing = QFontMetricsF(font, p.device()).lineSpacing();
  if (lineSpacing <= 0) return;
  const int fits = int(std::floor(box.height() / lineSpacing + 1e-9));
  std::vector<QTextLine> lines;
  layout.beginLayout();
  while (int(lines.size()) < fits) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(box.width());
    lines.push_back(line);
  }
  layout.endLayout();
  if (lines.empty()) return;
  const double top = (box.height() - lines.size() * lineSpacing) / 2;
  for (size_t i = 0; i < lines.size(); ++i) lines[i].setPosition(QPointF(0, top + i * lineSpacing));
  layout.draw(&p, box.topLeft());
}

void DrawBandText(QPainter& p, const ImageObject& image, const QRect& object, const PageDrawContext& c,
                  const BandText& t) {
  if (t.text.empty() || std::lround(t.size * c.zoom) <= 0) return;
  const QRect inner = FrameInnerRect(image, c);
  const double x0 = object.left(), y0 = object.top();
  const double x1 = object.left() + object.width(), y1 = object.top() + object.height();
  const double fL = inner.left() - x0, fT = inner.top() - y0;
  const double fR = x1 - (inner.left() + inner.width()), fB = y1 - (inner.top() + inner.height());

  // The text box, its centre and its turn.
  double width = 0, height = 0, turn = 0;
  QPointF centre;
  switch (ShownTextSide(image, t.location)) {
    case kLocationTop:
      width = x1 - fR - (x0 + fL), height = fT;
      centre = {x0 + fL + width / 2, y0 + fT / 2};
      turn = t.upsideDown ? 180 : 0;
      break;
    case kLocationBottom:
      width = x1 - fR - (x0 + fL), height = fB;
      centre = {x0 + fL + width / 2, y1 - fB / 2};
      turn = t.upsideDown ? 180 : 0;
      break;
    case kLocationLeft:
      width = y1 - fB - (y0 + fT), height = fL;
      centre = {x0 + fL / 2, y0 + fT + width / 2};
      turn = t.upsideDown ? 270 : 90;
      break;
    default:
      width = y1 - fB - (y0 + fT), height = fR;
      centre = {x1 - fR / 2, y0 + fT + width / 2};
      turn = t.upsideDown ? 90 : -90;
      break;
  }
  if (width <= 0 || height <= 0) return;

  const QFont font = PageFont(t.font.view(), 0, c.PixelsY(t.size), *p.device());
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(ToQColor(t.color));
  p.translate(centre);
  p.rotate(turn);
  DrawWrapped(p, TextWithLineBreaks(t.text), font, Alignment(t.align), QRectF(-width / 2, -height / 2, width, height));
  p.restore();
}

}  // namespace

int16_t ShownTextSide(const ImageObject& image, int16_t location) {
  if (location < kLocationTop || location > kLocationRight) location = kLocationBottom;
  if (!image.FrameRotation) return location;
  return SideOfBand(MapRect(OrientationOf(image.RotateFlip), SideBand(location), {3, 3}));
}

void DrawLabel(QPainter& p, const ImageObject& image, const QRect& object, const PageDrawContext& c) {
  DrawBandText(p, image, object, c,
               {image.LabelText, image.LabelLocation, image.LabelAlign, image.LabelUpsideDown != 0,
                image.LabelFontName, image.LabelFontSize, image.LabelFontColor});
}

void DrawCaption(QPainter& p, const ImageObject& image, const QRect& object, const PageDrawContext& c) {
  DrawBandText(p, image, object, c,
               {image.CaptionString, image.CaptionLocation, image.CaptionAlign, image.CaptionUpsideDown != 0,
                image.CaptionFontName, image.CaptionFontSize, image.CaptionFontColor});
}

}  // namespace tl
