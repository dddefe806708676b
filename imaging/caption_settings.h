// The caption dialog without its widgets: the caption's text, font, size,
// colour, alignment, side and direction, for the selected images or the
// default settings of new images. A caption never takes the side of the
// label.
#pragma once

#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "imaging/label_settings.h"
#include "layout/layout_services.h"

namespace tl {

struct CaptionValues {
  int Target = kTextSelectedImages;
  std::string Text;
  std::string FontName;
  int16_t FontSize = 0;
  int32_t AutoSize = 0;  // "Automatic"
  ColorRef FontColor = kBlack;
  int16_t Align = 0;
  int16_t Location = 0;
  int32_t UpsideDown = 0;
  int16_t LabelLocation = 1;  // the side the caption may not take
};

bool OpenCaption(const LayoutDocument& document, int target, CaptionValues& values);

// Whether the location box offers `location`.
bool CaptionLocationOffered(const CaptionValues& values, int16_t location);

// OK: as the label dialog's, under the caption's undo snapshot. A location
// on the label's side is refused with the error beep.
bool ApplyCaption(const CaptionValues& values, LayoutDocument& document,
                  LayoutServices& services = NoLayoutServices());

}  // namespace tl
