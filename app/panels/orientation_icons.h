// The pictures of the orientation buttons of the side panel and the Print
// Preferences dialog: a sheet standing upright, and one lying on its side.
#pragma once

#include <QIcon>

namespace tl {

QIcon PortraitIcon();
QIcon LandscapeIcon();

}  // namespace tl
