// TextStyle: the six style fields shared by free text objects, the
// header/footer and the document's seed style.
#pragma once

#include <cstdint>

#include "document/fixed_string.h"
#include "document/geometry.h"

namespace tl {

// FontFace bits.
enum FontFaceBits : int16_t {
  kFaceBold = 0x100,
  kFaceItalic = 0x200,
  kFaceUnderline = 0x400,
};

// Justify values of free texts and the header/footer.
enum TextJustify : int16_t {
  kJustifyLeft = 0,
  kJustifyCenter = 1,
  kJustifyRight = -1,
};

struct TextStyle {
  FontNameField FontName;
  int16_t FontFace = 0;
  int16_t FontSize = 0;  // layout units (points x 5)
  ColorRef FontColor = kBlack;
  int16_t LineHeight = 0;  // layout units
  int16_t Justify = 0;

  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

}  // namespace tl
