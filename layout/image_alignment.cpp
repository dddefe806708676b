#include "layout/image_alignment.h"

#include <algorithm>

#include "document/message_box.h"
#include "layout/arrange.h"
#include "layout/typed_length.h"

namespace tl {
namespace {

int32_t ThreeQuarters(int32_t side) { return int32_t(int64_t(side) * 3 / 4); }

// Reads one spacing; on a refusal the edit gets the corrected text.
bool ReadSpacing(std::string& text, int unit, int32_t current, int32_t max, int32_t& value) {
  if (!ReadTypedLength(text, unit, value)) {
    text = LengthText(current, unit);
    return false;
  }
  if (value >= 0 && value <= max) return true;
  text = LengthText(std::clamp(value, 0, max), unit);
  return false;
}

}  // namespace

bool OpenImageAlignment(LayoutDocument& d, ImageAlignmentValues& v, LayoutServices& services) {
  if (!services.RecordUndo(d, kUndoAlignment)) return false;
  v.Horizontal = d.AlignHorizontal;
  v.Vertical = d.AlignVertical;
  v.Line = d.AlignLine;
  v.Unit = DialogUnitFor(d.DisplayUnit);
  v.HorizontalSpacing = LengthText(d.AlignHorizontalSpacing, v.Unit);
  v.VerticalSpacing = LengthText(d.AlignVerticalSpacing, v.Unit);
  return true;
}

void ChooseAlignmentUnit(ImageAlignmentValues& v, int unit) {
  v.HorizontalSpacing = ConvertLengthText(v.HorizontalSpacing, v.Unit, unit);
  v.VerticalSpacing = ConvertLengthText(v.VerticalSpacing, v.Unit, unit);
  v.Unit = unit;
}

int32_t MaxHorizontalSpacing(const LayoutDocument& d) { return ThreeQuarters(d.PrintableRect.Width()); }
int32_t MaxVerticalSpacing(const LayoutDocument& d) { return ThreeQuarters(d.PrintableRect.Height()); }

bool ApplyImageAlignment(ImageAlignmentValues& v, LayoutDocument& d, int& badSpacing) {
  int32_t horizontal = 0, vertical = 0;
  badSpacing = -1;
  if (!ReadSpacing(v.HorizontalSpacing, v.Unit, d.AlignHorizontalSpacing, MaxHorizontalSpacing(d), horizontal))
    badSpacing = kHorizontalSpacing;
  else if (!ReadSpacing(v.VerticalSpacing, v.Unit, d.AlignVerticalSpacing, MaxVerticalSpacing(d), vertical))
    badSpacing = kVerticalSpacing;
  if (badSpacing >= 0) {
    ErrorBeep();
    return false;
  }
  d.AlignHorizontal = v.Horizontal;
  d.AlignVertical = v.Vertical;
  d.AlignLine = v.Line;
  d.AlignHorizontalSpacing = horizontal;
  d.AlignVerticalSpacing = vertical;
  d.Modified = 1;
  if (d.Objects.Head) {
    d.Objects.Head->NeedsRedraw = 1;
    ArrangeLayout(d);
  }
  return true;
}

}  // namespace tl
