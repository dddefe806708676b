#include "app/document/document_services.h"

#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/tool_windows.h"
#include "app/view/gp_view.h"
#include "document/layout_document.h"

namespace tl {

void DocumentServices::ScrollTo(LayoutDocument& document, const LayoutObject& object) {
  if (CGPView* view = document_.View()) view->SetCurrentPage(PageOfY(document, object.Origin.y));
}

void DocumentServices::CurrentImageChanged(LayoutDocument&) {
  if (CTessalineApp::Exists()) CTessalineApp::Instance().ToolWindows().CurrentImageChanged(document_);
}

}  // namespace tl
