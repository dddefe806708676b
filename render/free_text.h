// Free text objects: their box measured from the text and the font, turned
// by their angle about its centre, and drawn line by line (or, in columnar
// writing, column by column from right to left) with an optional
// background; and the width check of the free text dialog.
//
// Boxes are measured on a reference device of 360 pixels per inch, where a
// pixel is a layout unit, so a measured box does not depend on the screen.
#pragma once

#include <QPainter>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/layout_object.h"
#include "render/page_draw_context.h"

namespace tl {

constexpr int kFreeTextTooWideMessage = 10681;  // "Free Text width can't be longer than 45.5 inch."
constexpr int32_t kMaxFreeTextLineWidth = 16380;  // 45.5 inches

struct FreeTextBox {
  LSize size;                     // the unturned box
  std::array<LPoint, 4> corners;  // top-left, top-right, bottom-right, bottom-left, from the box centre
  int32_t lines = 1;              // lines, or columns in columnar writing
};

// The box of the object's text as it would be now (nothing is stored).
FreeTextBox MeasureFreeTextBox(const FreeTextObject& text);

// The rectangle the turned box covers now (layout units), measured afresh:
// what a text read from a file covers before it was ever measured.
LRect FreeTextArea(const FreeTextObject& text);

// Measures the text and stores the box: its size, the turned corners, and
// as Origin and Size the rectangle around them. The box's own top-left
// corner stays where it was.
void MeasureFreeText(FreeTextObject& text);

void DrawFreeText(QPainter& painter, const FreeTextObject& text, const PageDrawContext& context);

// How much of `text` the free text dialog accepts: its whole length (in
// bytes) when every line is at most 45.5 inches wide in the given font,
// else the position where the first line too wide would have to be cut.
size_t CheckFreeTextWidth(std::string_view text, std::string_view fontName, int16_t faceBits, int16_t fontSize);

}  // namespace tl
