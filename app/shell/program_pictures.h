// The program's own pictures, drawn from the SVG files in resources/icons
// that are built into the program: its icon (window icon, About box) and
// its picture (the start-up splash and the About box, with the version).
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tl {

// The program icon at the sizes window managers and task bars ask for.
QIcon ProgramIcon();

// The program picture at `scale` times its 520 x 300 size (for high
// density screens), the version written under the program's name.
QPixmap ProgramPicture(qreal scale = 1.0);

}  // namespace tl
