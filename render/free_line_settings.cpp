#include "render/free_line_settings.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "document/message_box.h"
#include "document/typed_number.h"
#include "document/undo_store.h"
#include "layout/arrange.h"
#include "layout/typed_length.h"
#include "render/free_line.h"
#include "render/free_object_insert.h"
#include "render/page_draw_context.h"

namespace tl {
namespace {

constexpr int kNotEnoughMemory = 10413;
constexpr int16_t kMinLineAngle = -180;
constexpr int16_t kMaxLineAngle = 180;
constexpr int16_t kSharpArrow = 60;
constexpr int16_t kRightAngleArrow = 90;
// The sample fills this share of its picture.
constexpr double kSampleFill = 0.8;

struct ArrowButton {
  int16_t Angle;
  int32_t Fill;
};
constexpr ArrowButton kArrowButtons[kArrowTypeCount] = {
    {kRightAngleArrow, 1}, {kRightAngleArrow, 0}, {kSharpArrow, 1}, {kSharpArrow, 0}};

bool Refuse(int field, int& badField) {
  badField = field;
  return false;
}

}  // namespace

FreeLineValues OpenFreeLine(const FreeLineObject& line, int16_t displayUnit) {
  FreeLineValues v;
  v.Style = line.LineStyle == kLineDash ? kLineDash : kLineSolid;
  v.Thickness = std::to_string(line.Thickness);
  v.Unit = DialogUnitFor(displayUnit);
  v.Length = LengthText(line.Length, v.Unit);
  v.Angle = std::to_string(line.Angle);
  v.Color = line.LineColor;
  v.ArrowMark = line.ArrowMark;
  v.ArrowAngle = line.ArrowAngle == kSharpArrow ? kSharpArrow : kRightAngleArrow;
  v.ArrowFill = line.ArrowFill ? 1 : 0;
  v.ArrowSize = std::clamp<int16_t>(line.ArrowSize, kArrowSmall, kArrowLarge);
  return v;
}

void ChooseFreeLineUnit(FreeLineValues& v, int unit) {
  v.Length = ConvertLengthText(v.Length, v.Unit, unit);
  v.Unit = unit;
}

int ArrowTypeOf(const FreeLineValues& v) {
  for (int i = 0; i < kArrowTypeCount; ++i)
    if (kArrowButtons[i].Angle == v.ArrowAngle && kArrowButtons[i].Fill == (v.ArrowFill ? 1 : 0)) return i;
  return kArrow90Filled;
}

void ChooseArrowType(FreeLineValues& v, int type) {
  if (type < 0 || type >= kArrowTypeCount) return;
  v.ArrowAngle = kArrowButtons[type].Angle;
  v.ArrowFill = kArrowButtons[type].Fill;
}

int32_t WholeMillimetres(int32_t length) { return int32_t(int64_t(length) * 254 / 3600); }

bool ReadFreeLine(const FreeLineValues& v, FreeLineObject& line, int& badField) {
  int32_t thickness = 0, length = 0, angle = 0;
  if (!ReadTypedInteger(v.Thickness, thickness) || thickness < kMinLineThickness || thickness > kMaxLineThickness)
    return Refuse(kLineThicknessField, badField);
  if (!ReadTypedLength(v.Length, v.Unit, length) || WholeMillimetres(length) < kMinLineMillimetres ||
      WholeMillimetres(length) > kMaxLineMillimetres)
    return Refuse(kLineLengthField, badField);
  if (!ReadTypedInteger(v.Angle, angle) || angle < kMinLineAngle || angle > kMaxLineAngle)
    return Refuse(kLineAngleField, badField);
  badField = -1;
  line.LineStyle = v.Style;
  line.Thickness = thickness;
  line.Length = length;
  line.Angle = int16_t(angle);
  line.LineColor = v.Color;
  line.ArrowMark = std::clamp<int16_t>(v.ArrowMark, kArrowNone, kArrowBothSide);
  line.ArrowAngle = v.ArrowAngle;
  line.ArrowFill = v.ArrowFill ? 1 : 0;
  line.ArrowSize = std::clamp<int16_t>(v.ArrowSize, kArrowSmall, kArrowLarge);
  UpdateFreeLineEnds(line);
  BoundFreeLine(line);
  line.NeedsRedraw = 1;
  return true;
}

QImage FreeLineSample(const FreeLineValues& v, QSize size) {
  FreeLineObject line;
  int bad = 0;
  if (size.isEmpty() || !ReadFreeLine(v, line, bad)) return {};
  // The ends, with room for the pen and any arrow heads around them.
  const int32_t room = line.Thickness * (1 + (line.ArrowMark != kArrowNone ? 3 * line.ArrowSize : 0));
  const LRect area = {std::min(line.End1.x, line.End2.x) - room, std::min(line.End1.y, line.End2.y) - room,
                      std::max(line.End1.x, line.End2.x) + room, std::max(line.End1.y, line.End2.y) + room};
  const double scale = std::min(size.width() * kSampleFill / std::max(1, area.Width()),
                                size.height() * kSampleFill / std::max(1, area.Height()));
  PageDrawContext c;
  c.scaleX = c.scaleY = scale;
  c.originX = size.width() / 2;
  c.originY = size.height() / 2;
  c.shiftX = (int64_t(area.left) + area.right) / 2;
  c.shiftY = (int64_t(area.top) + area.bottom) / 2;
  QImage sample(size, QImage::Format_ARGB32_Premultiplied);
  sample.fill(Qt::white);
  QPainter painter(&sample);
  DrawFreeLine(painter, line, c);
  return sample;
}

FreeLineObject* InsertFreeLine(LayoutDocument& d, const FreeLineValues& v, int& badField, LayoutServices& services) {
  FreeLineObject* line = FreeLineObjectNew(&d, nullptr);
  if (!line) {
    ShowMessage(kNotEnoughMemory, MessageIcon::Stop);
    return nullptr;
  }
  line->Anchor = {};
  if (!ReadFreeLine(v, *line, badField)) {
    ErrorBeep();
    ObjectFree(line, nullptr);
    return nullptr;
  }
  if (!LinkNewFreeObject(d, *line, services)) {
    ObjectFree(line, nullptr);
    return nullptr;
  }
  PlaceInVisiblePart(d, *line);
  ArrangeLayout(d);
  d.Modified = 1;
  return line;
}

bool EditFreeLine(LayoutDocument& d, FreeLineObject& line, const FreeLineValues& v, int& badField,
                  LayoutServices& services) {
  FreeLineObject read = line;
  if (!ReadFreeLine(v, read, badField)) {
    ErrorBeep();
    return false;
  }
  if (!services.RecordUndo(d, kUndoAddObject)) return false;
  ReadFreeLine(v, line, badField);
  ArrangeLayout(d);
  d.Modified = 1;
  return true;
}

FreeLineObject* SoleSelectedFreeLine(LayoutDocument& d) {
  FreeLineObject* found = nullptr;
  for (LayoutObject* o : d.Objects) {
    FreeLineObject* line = AsFreeLine(o);
    if (!line || !line->Selected) continue;
    if (found) return nullptr;
    found = line;
  }
  return found;
}

}  // namespace tl
