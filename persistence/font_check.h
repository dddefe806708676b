// Fonts named by layout files: whether a family is installed (asked of
// fontconfig; the application font always counts as installed) and the
// replacement of missing ones while a file is read.
#pragma once

#include <string_view>

#include "document/fixed_string.h"

namespace tl {

struct LayoutDocument;

inline constexpr int kApplicationFontString = 10606;  // "Tahoma"
inline constexpr int kMissingFontsMessage = 10425;

// True when fontconfig lists a font of the family (names compared as
// fontconfig compares them, ignoring case and blanks), or when it is the
// application font.
bool FontInstalled(std::string_view family);

// The replacement state of one read: the message is shown for the first
// missing font only.
class FontSubstitution {
 public:
  // Replaces a family that is not installed with the application font,
  // marks the document modified and, the first time, shows message 10425.
  // An empty name is left empty: it stands for the application font.
  void Check(FontNameField& name, LayoutDocument& document);

 private:
  bool warningPending_ = true;
};

}  // namespace tl
