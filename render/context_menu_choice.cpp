#include "render/context_menu_choice.h"

#include "document/layout_document.h"
#include "resources/command_ids.h"

namespace tl {

int ContextMenuForSelection(const LayoutDocument& d) {
  if (d.SelectedImageCount == 0 && d.SelectedOtherCount == 0) return kMenuNothingSelected;
  int images = 0, lines = 0, texts = 0, others = 0;
  for (const LayoutObject* o : d.Objects) {
    if (!o->Selected) continue;
    if (IsImage(o)) ++images;
    else if (IsFreeLine(o)) ++lines;
    else if (IsFreeText(o)) ++texts;
    else ++others;
  }
  const int selected = images + lines + texts + others;
  if (selected == 0) return kMenuNothingSelected;
  if (images == selected) return kMenuImages;
  if (lines == selected) return kMenuFreeLines;
  if (texts == selected) return kMenuFreeTexts;
  return kMenuMixed;
}

}  // namespace tl
