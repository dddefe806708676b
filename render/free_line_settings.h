// The "Free Line" dialog without its widgets: style, thickness, length in
// the dialog's unit, angle, colour and arrow heads of a free line, the
// checks OK makes, a sample of the line, and inserting or changing it.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

enum FreeLineField : int { kLineThicknessField, kLineLengthField, kLineAngleField };

constexpr int32_t kMinLineThickness = 1;
constexpr int32_t kMaxLineThickness = 4608;
constexpr int32_t kMinLineMillimetres = 10;
constexpr int32_t kMaxLineMillimetres = 15000;

// The four arrow type buttons, in order.
enum ArrowType : int { kArrow90Filled, kArrow90Open, kArrow60Filled, kArrow60Open, kArrowTypeCount };

struct FreeLineValues {
  int16_t Style = 0;  // 0 solid, 1 dash
  std::string Thickness;
  int Unit = 0;
  std::string Length;  // in Unit
  std::string Angle;   // degrees
  ColorRef Color = kBlack;
  int16_t ArrowMark = 0;  // 0 "Off", 1 "One End", 2 "Both Ends"
  int16_t ArrowAngle = 90;
  int32_t ArrowFill = 1;
  int16_t ArrowSize = 2;  // 3 "Large", 2 "Middle", 1 "Small"
};

FreeLineValues OpenFreeLine(const FreeLineObject& line, int16_t displayUnit);

void ChooseFreeLineUnit(FreeLineValues& values, int unit);

int ArrowTypeOf(const FreeLineValues& values);
void ChooseArrowType(FreeLineValues& values, int type);

// The length in whole millimetres, as the check counts it.
int32_t WholeMillimetres(int32_t length);

// Reads the values into `line` (its place unchanged, its ends recomputed).
// False, with the edit to select in `badField` and `line` untouched, when
// the thickness is not 1 ... 4608, the length not 10 ... 15000 whole
// millimetres or the angle not -180 ... 180 degrees.
bool ReadFreeLine(const FreeLineValues& values, FreeLineObject& line, int& badField);

// A picture of the line as the values draw it, centred in `size` pixels
// and scaled to fit; a null image while the values do not read.
QImage FreeLineSample(const FreeLineValues& values, QSize size);

// "Insert Free Line": a new line with the values, placed in the visible
// part of the current page under the undo snapshot of an added object.
// Null when the values are refused (the error beep, no message) or the
// snapshot failed.
FreeLineObject* InsertFreeLine(LayoutDocument& document, const FreeLineValues& values, int& badField,
                               LayoutServices& services = NoLayoutServices());

// "Edit Free Line": the values stored in `line` under the undo snapshot of
// a single-object edit; the line keeps its reference point.
bool EditFreeLine(LayoutDocument& document, FreeLineObject& line, const FreeLineValues& values, int& badField,
                  LayoutServices& services = NoLayoutServices());

// The one selected free line (other kinds may be selected as well); null
// when none or several are.
FreeLineObject* SoleSelectedFreeLine(LayoutDocument& document);

}  // namespace tl
