// The records' 0x00BBGGRR colours as opaque Qt colours.
#pragma once

#include <QColor>

#include "document/geometry.h"

namespace tl {

inline QColor ToQColor(ColorRef c) { return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c)); }

}  // namespace tl
