// The tool bar's pictures: the desktop theme's icon where the theme has
// one, else a small drawing of the program's own (a page, a folder, a
// floppy disk, a photograph, sliders, a printer).
#pragma once

#include <QIcon>

namespace tl {

QIcon ToolBarIcon(int commandId);

}  // namespace tl
