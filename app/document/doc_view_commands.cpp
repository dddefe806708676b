// The view navigation commands of a layout document: Zoom In, Zoom Out and
// Fit On Screen, and the page jumps. Each closes the undo history; each
// page jump is enabled only where it moves.
#include "app/document/gp_doc.h"
#include "app/view/gp_view.h"
#include "document/undo_store.h"
#include "render/status_text.h"
#include "resources/command_ids.h"

namespace tl {

void CGPDoc::RegisterNavigationCommands() {
  handlers_.Add(kCmdZoomIn, [this] { View()->ZoomIn(); }, [this] { return View() && View()->CanZoomIn(); });
  handlers_.Add(kCmdZoomOut, [this] { View()->ZoomOut(); }, [this] { return View() && View()->CanZoomOut(); });
  handlers_.Add(kCmdFitOnScreen, [this] { View()->FitOnScreen(); }, [this] { return HasLayout() && View(); });

  const auto page = [this] { return View() ? View()->CurrentPage() : 0; };
  const auto last = [this] { return layout_ ? layout_->PageNumber - 1 : 0; };
  const auto go = [this](int32_t to) {
    if (!View()) return;
    UndoClear();
    View()->SetCurrentPage(to);
    ShowStatus(kStatusSummary);
  };
  handlers_.Add(kCmdFirstPage, [go] { go(0); }, [page] { return page() > 0; });
  handlers_.Add(kCmdPreviousPage, [go, page] { go(page() - 1); }, [page] { return page() > 0; });
  handlers_.Add(kCmdNextPage, [go, page] { go(page() + 1); }, [page, last] { return page() < last(); });
  handlers_.Add(kCmdLastPage, [go, last] { go(last()); }, [page, last] { return page() < last(); });
}

void CGPDoc::SelectionChanged() {
  ShowStatus(kStatusSummary);
  emit Changed();
}

}  // namespace tl
