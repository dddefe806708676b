// The Qt application object that drawing text needs (fonts come through
// the platform's font database). The command line and the tests have no
// screen: they run on the offscreen platform.
#pragma once

#include <memory>

class QGuiApplication;

namespace tl {

// Sets XDG_RUNTIME_DIR, where no desktop login did, to a private folder of
// the user's in the temporary folder, so Qt has one without a warning.
void EnsureRuntimeFolder();

// A QGuiApplication for this process when it has none yet, on the
// offscreen platform unless QT_QPA_PLATFORM names another; the caller keeps
// it alive while it draws. Null when the process already has one.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

}  // namespace tl
