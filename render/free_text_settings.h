// The "Free Text" dialog without its widgets: the text and its font, size,
// line height, colour, alignment, style, columnar writing, angle and
// background; the checks OK makes, and inserting or changing the object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

// The edits a refusal selects.
enum FreeTextField : int { kFreeTextTextField, kFreeTextAngleField };

constexpr int16_t kMinTextAngle = -180;
constexpr int16_t kMaxTextAngle = 180;

struct FreeTextValues {
  std::string Text;  // lines end in "\r\n" as the record keeps them
  std::string FontName;
  int16_t FontSize = 0;  // layout units
  int LineHeightPercent = 110;
  int16_t LineHeight = 0;  // layout units; kept while size and percentage stay
  ColorRef FontColor = kBlack;
  int16_t Justify = 0;  // 0 left, 1 centre, -1 right
  int16_t Face = 0;     // bold, italic, underline bits
  int32_t Columnar = 0;
  std::string Angle = "0";  // degrees
  int32_t Background = 0;   // 0 "Off", 1 "In Use"
  ColorRef BackgroundColor = kWhite;
};

FreeTextValues OpenFreeText(const FreeTextObject& text);

// The text as the edit box shows it ("\n" between lines) and back.
std::string EditorText(std::string_view recordText);
std::string RecordText(std::string_view editorText);

// Size and line height: the line height follows the chosen percentage of
// the chosen size.
void ChooseFreeTextSize(FreeTextValues& values, int16_t size);
void ChooseLineHeightPercent(FreeTextValues& values, int percent);

// The first 256 characters of a text (never cut inside a character).
std::string CutFreeText(std::string_view text);

// The checks of OK: the angle must be a number of -180 ... 180 degrees
// (else the error beep), and no line may be wider than 45.5 inches ("Free
// Text width can't be longer than 45.5 inch."). `badField` names the edit.
bool CheckFreeText(const FreeTextValues& values, int& badField);

// Writes the values into the object and measures its box.
void StoreFreeText(const FreeTextValues& values, FreeTextObject& text);

// "Insert Free Text": a new free text with the values, placed in the
// visible part of the current page, under the undo snapshot of an added
// object. Null when a check refused the values or the snapshot failed.
FreeTextObject* InsertFreeText(LayoutDocument& document, const FreeTextValues& values, int& badField,
                               LayoutServices& services = NoLayoutServices());

// "Edit Free Text": the values stored in `text` under the undo snapshot of
// image geometry, its box measured again where it stands.
bool EditFreeText(LayoutDocument& document, FreeTextObject& text, const FreeTextValues& values, int& badField,
                  LayoutServices& services = NoLayoutServices());

// The one selected free text (other kinds may be selected as well); null
// when none or several are.
FreeTextObject* SoleSelectedFreeText(LayoutDocument& document);

}  // namespace tl
