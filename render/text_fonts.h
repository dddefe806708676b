// The fonts of a page's texts: the named family when it is installed, else
// the generic sans-serif family (so the application font and any missing
// font fall back without a message), at a size in device pixels. Glyphs are
// laid out unhinted, so that a text keeps its proportions at every zoom and
// on every device.
#pragma once

#include <QFont>
#include <QString>
#include <cstdint>
#include <string_view>

class QPaintDevice;

namespace tl {

// `faceBits` are the FontFace bits (bold, italic, underline); 0 for labels
// and captions, which are always regular.
QFont PageFont(std::string_view family, int16_t faceBits, double pixelSize, const QPaintDevice& device);

// The alignment of a Justify value (free texts, header and footer).
Qt::Alignment JustifyAlignment(int16_t justify);

QString ToQString(std::string_view text);

// Whether the font database knows the family.
bool FontFamilyInstalled(std::string_view family);

}  // namespace tl
