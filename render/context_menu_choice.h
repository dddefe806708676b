// Which context menu a right click in a layout window shows, from what is
// selected: nothing (202), images only (203), free lines only (205), free
// texts only (206), any other mix (207).
#pragma once

namespace tl {

struct LayoutDocument;

int ContextMenuForSelection(const LayoutDocument& document);

}  // namespace tl
