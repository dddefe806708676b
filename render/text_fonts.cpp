#include "render/text_fonts.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QString>
#include <algorithm>
#include <mutex>
#include <string>
#include <unordered_map>

#include "document/text_style.h"

namespace tl {
namespace {

constexpr double kPointsPerInch = 72.0;
// fontconfig's alias for the generic sans-serif family.
const char kSansSerif[] = "sans-serif";
constexpr size_t kKnownFamiliesKept = 256;

}  // namespace

Qt::Alignment JustifyAlignment(int16_t justify) {
  switch (justify) {
    case kJustifyCenter: return Qt::AlignHCenter;
    case kJustifyRight: return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Asking the font database resolves the family through fontconfig every
// time, which costs more than drawing the label itself: the answers are
// kept (for a bounded number of families; fonts are seldom installed while
// the program runs).
bool FontFamilyInstalled(std::string_view family) {
  if (family.empty()) return false;
  static std::mutex guard;
  static std::unordered_map<std::string, bool> known;
  const std::lock_guard<std::mutex> lock(guard);
  const auto it = known.find(std::string(family));
  if (it != known.end()) return it->second;
  const bool installed = QFontDatabase::hasFamily(ToQString(family));
  if (known.size() >= kKnownFamiliesKept) known.clear();
  known.emplace(std::string(family), installed);
  return installed;
}

QFont PageFont(std::string_view family, int16_t faceBits, double pixelSize, const QPaintDevice& device) {
  QFont font;
  if (FontFamilyInstalled(family)) {
    font.setFamily(ToQString(family));
  } else {
    font.setFamily(kSansSerif);
    font.setStyleHint(QFont::SansSerif);
  }
  // Point sizes are what QFont keeps as a real number; the device turns
  // them back into exactly `pixelSize` pixels.
  const int dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 96;
  font.setPointSizeF(std::max(pixelSize, 0.01) * kPointsPerInch / dpi);
  font.setBold(faceBits & kFaceBold);
  font.setItalic(faceBits & kFaceItalic);
  font.setUnderline(faceBits & kFaceUnderline);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace tl
