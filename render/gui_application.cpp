#include "render/gui_application.h"

#include <sys/stat.h>
#include <cerrno>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QtGlobal>

namespace tl {
namespace {

constexpr mode_t kPrivateFolder = 0700;

// Whether `path` is a folder of this user that only this user can enter
// (what Qt asks of a runtime folder).
bool IsPrivateFolder(const QByteArray& path) {
  struct stat info {};
  return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
         (info.st_mode & 0777) == kPrivateFolder;
}

}  // namespace

void EnsureRuntimeFolder() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  // Without a desktop login Qt warns on standard error and falls back to a
  // folder of its own; the same folder, made here, keeps the output clean.
  const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
  if (mkdir(folder.constData(), kPrivateFolder) != 0 && errno != EEXIST) return;
  if (IsPrivateFolder(folder)) qputenv("XDG_RUNTIME_DIR", folder);
}

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  EnsureRuntimeFolder();
  // Qt keeps a reference to argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "tessaline";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace tl
