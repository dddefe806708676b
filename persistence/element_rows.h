// What the reader does with each element: the row of the element's table
// applied to the record being built. Rows see the values of the rows
// applied before them (PaperOrient reads the page size, Banner overrides
// the page limit), so they are applied in file order.
#pragma once

#include <string>
#include <string_view>

#include "document/layout_document.h"
#include "persistence/font_check.h"
#include "persistence/layout_keys.h"
#include "persistence/profile_text.h"

namespace tl {

class PaperList;

// What the rows of one read share.
struct ElementReadState {
  const PaperList* Papers = nullptr;  // the driver papers (Page, Banner)
  FontSubstitution Fonts;
  ProfileTextCache Profiles;
};

// Each returns false when the text makes the file bad (a word or strict
// bool not in the table, a font name or profile text too long, an angle
// out of range). Folder and file elements of images, and the stamp file,
// are left to the reader.
bool ApplyLayoutElement(LayoutDocument& document, LayoutKey key, std::string_view text, ElementReadState& state);
bool ApplyImageElement(ImageObject& image, LayoutKey key, std::string_view text, ElementReadState& state);
bool ApplyFreeTextElement(FreeTextObject& text, LayoutKey key, std::string_view value, ElementReadState& state);
bool ApplyFreeLineElement(FreeLineObject& line, LayoutKey key, std::string_view text);

// The driver paper that matches the document's page (with its
// orientation), portrait A4 when none does. `mode` is a PaperMatchMode.
void DeriveDriverPaper(LayoutDocument& document, const PaperList* papers, int mode);

}  // namespace tl
