#include "persistence/font_check.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "document/layout_document.h"
#include "document/message_box.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr size_t kMaxKnownFamilies = 256;

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

struct ConfigDeleter {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};

// A configuration of this file's own, so that the process's default one
// (which the text renderer uses) is left alone; released at exit.
FcConfig* FontConfiguration() {
  static const std::unique_ptr<FcConfig, ConfigDeleter> config(FcInitLoadConfigAndFonts());
  return config.get();
}

bool ListsFamily(const std::string& family) {
  FcConfig* config = FontConfiguration();
  if (!config) return false;
  std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
  std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(FC_FAMILY, nullptr));
  if (!pattern || !objects) return false;
  if (!FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()))) return false;
  std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(config, pattern.get(), objects.get()));
  return fonts && fonts->nfont > 0;
}

}  // namespace

bool FontInstalled(std::string_view family) {
  if (family == StringText(kApplicationFontString)) return true;
  // Layout files name the same few fonts over and over; fontconfig's
  // listing is asked once per family.
  static std::mutex mutex;
  static std::map<std::string, bool, std::less<>> known;
  const std::lock_guard<std::mutex> lock(mutex);
  if (const auto it = known.find(family); it != known.end()) return it->second;
  if (known.size() >= kMaxKnownFamilies) known.clear();  // files full of odd names do not grow it without end
  const std::string name(family);
  const bool installed = ListsFamily(name);
  known.emplace(name, installed);
  return installed;
}

void FontSubstitution::Check(FontNameField& name, LayoutDocument& document) {
  if (name.empty() || FontInstalled(name.view())) return;
  name = StringText(kApplicationFontString);
  document.Modified = 1;
  if (warningPending_) {
    warningPending_ = false;
    ShowMessage(kMissingFontsMessage, MessageIcon::Stop);
  }
}

}  // namespace tl
