#include "render/cut_line_settings.h"

#include <algorithm>

#include "document/message_box.h"
#include "document/undo_store.h"
#include "layout/typed_length.h"

namespace tl {

CutLineValues OpenCutLines(const LayoutDocument& d) {
  CutLineValues v;
  v.Mode = std::clamp<int16_t>(d.CutLineMode, kCutLineOff, kCutLineOthers);
  v.OthersType = d.CutLineOthersType == kCutAroundImage ? kCutAroundImage : kCutAtCorner;
  v.Unit = DialogUnitFor(d.DisplayUnit);
  v.CornerLength = LengthText(d.CutLineCornerLength, v.Unit);
  v.Color = d.CutLineColor;
  return v;
}

void ChooseCutLineUnit(CutLineValues& v, int unit) {
  v.CornerLength = ConvertLengthText(v.CornerLength, v.Unit, unit);
  v.Unit = unit;
}

bool CutLineTypeEnabled(const CutLineValues& v) { return v.Mode == kCutLineOthers; }
bool CornerLengthEnabled(const CutLineValues& v) { return CutLineTypeEnabled(v) && v.OthersType == kCutAtCorner; }

bool ApplyCutLines(CutLineValues& v, LayoutDocument& d, LayoutServices& services) {
  int32_t length = d.CutLineCornerLength;
  const bool typed = ReadTypedLength(v.CornerLength, v.Unit, length);
  const bool inRange = typed && length >= 1 && length <= kMaxCornerLength;
  if (CornerLengthEnabled(v) && !inRange) {
    v.CornerLength = LengthText(typed ? std::clamp<int32_t>(length, 1, kMaxCornerLength)
                                      : std::clamp<int32_t>(d.CutLineCornerLength, 1, kMaxCornerLength),
                                v.Unit);
    ErrorBeep();
    return false;
  }
  if (!services.RecordUndo(d, kUndoCutLines)) return false;
  d.CutLineMode = v.Mode;
  d.CutLineOthersType = v.OthersType;
  if (inRange) d.CutLineCornerLength = length;
  d.CutLineColor = v.Color;
  d.Modified = 1;
  return true;
}

}  // namespace tl
