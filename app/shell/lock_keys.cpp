#include "app/shell/lock_keys.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace tl {
namespace {

// The indicator bits of the core keyboard's lock lights.
constexpr unsigned kCapsLockBit = 1u << 0;
constexpr unsigned kNumLockBit = 1u << 1;

}  // namespace

LockKeys ReadLockKeys() {
  LockKeys keys;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return keys;
  unsigned state = 0;
  if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) return keys;
  keys.Caps = (state & kCapsLockBit) != 0;
  keys.Num = (state & kNumLockBit) != 0;
  return keys;
}

}  // namespace tl
