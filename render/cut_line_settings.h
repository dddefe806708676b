// The "Cutoff Lines" dialog without its widgets: no cut lines, the marks a
// Fotoba cutter reads, or marks of the dialog's own choice (a rectangle
// around each image or marks at its corners, with the corner mark length
// in the dialog's unit) in a colour.
#pragma once

#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

// The longest corner mark the length edit takes (layout units).
constexpr int32_t kMaxCornerLength = 3600;  // 10 inches

struct CutLineValues {
  int16_t Mode = kCutLineOff;  // "Off", "For Fotoba Cutter", "Others"
  int16_t OthersType = kCutAtCorner;  // "Around Image", "At Corner"
  int Unit = 0;
  std::string CornerLength;  // in Unit
  ColorRef Color = kBlack;
};

CutLineValues OpenCutLines(const LayoutDocument& document);

void ChooseCutLineUnit(CutLineValues& values, int unit);

// Which controls can be used: the type and colour only for "Others", the
// length only for "At Corner" as well.
bool CutLineTypeEnabled(const CutLineValues& values);
bool CornerLengthEnabled(const CutLineValues& values);

// OK. A corner length (when it is in use) outside 1 ... 10 inches, or no
// number, is replaced in the edit by the nearest allowed value with the
// error beep, and nothing changes. Otherwise the settings are stored under
// the cut lines' undo snapshot.
bool ApplyCutLines(CutLineValues& values, LayoutDocument& document, LayoutServices& services = NoLayoutServices());

}  // namespace tl
