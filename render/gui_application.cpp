#include "render/gui_application.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace tl {

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt keeps a reference to argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "tessaline";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace tl
