#include "render/text_fonts.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QString>
#include <algorithm>

#include "document/text_style.h"

namespace tl {
namespace {

constexpr double kPointsPerInch = 72.0;
// fontconfig's alias for the generic sans-serif family.
const char kSansSerif[] = "sans-serif";

}  // namespace

Qt::Alignment JustifyAlignment(int16_t justify) {
  switch (justify) {
    case kJustifyCenter: return Qt::AlignHCenter;
    case kJustifyRight: return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

bool FontFamilyInstalled(std::string_view family) { return !family.empty() && QFontDatabase::hasFamily(ToQString(family)); }

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
