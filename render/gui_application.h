// The Qt application object that drawing text needs (fonts come through
// the platform's font database). The command line and the tests have no
// screen: they run on the offscreen platform.
#pragma once

#include <memory>

class QGuiApplication;

namespace tl {

// A QGuiApplication for this process when it has none yet, on the
// offscreen platform unless QT_QPA_PLATFORM names another; the caller keeps
// it alive while it draws. Null when the process already has one.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

}  // namespace tl
