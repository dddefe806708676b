// The "Image Alignment" dialog without its widgets: how the automatic flow
// aligns its rows horizontally, the rows vertically and the images within
// a row, and the spacings between them in the dialog's unit.
#pragma once

#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

enum AlignmentSpacing : int { kHorizontalSpacing, kVerticalSpacing };

struct ImageAlignmentValues {
  int32_t Horizontal = kAlignCenter;  // 1 left, 4 centre, 2 right, 5 justify
  int16_t Vertical = kAlignTop;       // 1 top, 4 centre, 2 bottom
  int32_t Line = kAlignBottom;        // 1 top, 4 centre, 2 bottom
  int Unit = 0;
  std::string HorizontalSpacing;
  std::string VerticalSpacing;
};

// Opening the dialog takes the alignment's undo snapshot; false (the
// dialog does not open) when it cannot be taken.
bool OpenImageAlignment(LayoutDocument& document, ImageAlignmentValues& values,
                        LayoutServices& services = NoLayoutServices());

void ChooseAlignmentUnit(ImageAlignmentValues& values, int unit);

// The widest spacings: three quarters of the printable width and height.
int32_t MaxHorizontalSpacing(const LayoutDocument& document);
int32_t MaxVerticalSpacing(const LayoutDocument& document);

// OK. A spacing outside 0 ... its maximum is replaced in its edit by the
// nearest allowed value (a text that is no number by the document's value),
// with the error beep; `badSpacing` names the edit and nothing changes.
// Accepted values are stored and the layout is arranged again.
bool ApplyImageAlignment(ImageAlignmentValues& values, LayoutDocument& document, int& badSpacing);

}  // namespace tl
