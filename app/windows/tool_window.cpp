#include "app/windows/tool_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "render/tool_window_place.h"

namespace tl {
namespace {

constexpr int kNoScreenExtent = 1 << 16;

LRect WorkArea(const QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return {0, 0, kNoScreenExtent, kNoScreenExtent};
  const QRect r = screen->availableGeometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

CToolWindow::CToolWindow(QWidget* parent, LPoint& origin)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      origin_(origin) {}

void CToolWindow::showEvent(QShowEvent* event) {
  if (!placed_) {
    const LPoint at = ToolWindowOrigin(origin_, {frameGeometry().width(), frameGeometry().height()}, WorkArea(*this));
    move(at.x, at.y);
    placed_ = true;
  }
  QWidget::showEvent(event);
}

void CToolWindow::moveEvent(QMoveEvent* event) {
  if (placed_ && isVisible()) origin_ = {frameGeometry().x(), frameGeometry().y()};
  QWidget::moveEvent(event);
}

void CToolWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit Closed();
}

}  // namespace tl
