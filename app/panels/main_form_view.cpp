#include "app/panels/main_form_view.h"

#include <QStyle>

namespace tl {
namespace {

constexpr int kPanelWidth = 332;

}  // namespace

CMainFormView::CMainFormView(CGPDoc& document, QWidget* parent) : QScrollArea(parent), document_(document) {
  setObjectName(QStringLiteral("LayoutSidePanel"));
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Window);
  setWidget(new QWidget(this));
}

int CMainFormView::InitialWidth(const QWidget* reference) {
  const QStyle* style = reference->style();
  return kPanelWidth + style->pixelMetric(QStyle::PM_ScrollBarExtent) +
         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

}  // namespace tl
