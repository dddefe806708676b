// tessaline-screenshot: the program's main window with a layout open,
// drawn under the offscreen platform and saved as a PNG. The README's
// picture (scripts/screenshot) and the headless run of scripts/run are
// made with it.
//   tessaline-screenshot LAYOUT.qlf OUT.png [WIDTHxHEIGHT]
// It runs with a private configuration, so the user's preferences, window
// placement and recent files are neither read nor changed.
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/app_prompts.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "app/shell/program_pictures.h"
#include "document/message_box.h"
#include "persistence/preferences.h"
#include "resources/command_ids.h"

namespace {

constexpr int kDefaultWidth = 1280;
constexpr int kDefaultHeight = 860;
constexpr int kSettleMs = 1500;  // the view's first drawing and late layout passes
constexpr std::chrono::hours kNoSplash{1};

// Messages go to standard error; questions get their headless answer.
class StderrSink final : public tl::MessageSink {
 public:
  tl::MessageAnswer Show(std::string_view text, tl::MessageIcon, tl::MessageButtons,
                         tl::MessageAnswer headless) override {
    std::fprintf(stderr, "tessaline-screenshot: %.*s\n", int(text.size()), text.data());
    return headless;
  }
};

// No dialog may wait for a user who is not there.
class NoPrompts final : public tl::AppPrompts {
 public:
  bool ChooseTemplate(QWidget*, std::string&) override { return false; }
  tl::MissingImageAnswer AskAboutMissingImage(QWidget*, const std::string&) override {
    return tl::MissingImageAnswer::Ignore;
  }
};

void UsePrivateFolders(const QTemporaryDir& home) {
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
    setenv(variable, (home.path() + "/" + variable).toLocal8Bit().constData(), 1);
}

// The program starts with no layout of its own: only the one asked for.
bool StartWithNoDocument() {
  tl::PreferenceRecord preferences;
  if (!tl::SetPreferenceDefaults(preferences, kDefaultWidth)) return false;
  preferences.appStarts = tl::kStartNoDocument;
  return tl::SavePreferences(preferences);
}

void Settle(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

int Usage() {
  std::fprintf(stderr, "usage: tessaline-screenshot LAYOUT.qlf OUT.png [WIDTHxHEIGHT]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) return Usage();
  int width = kDefaultWidth, height = kDefaultHeight;
  if (argc == 4 && (std::sscanf(argv[3], "%dx%d", &width, &height) != 2 || width < 320 || height < 240))
    return Usage();
  const std::string layout = argv[1];
  const QString output = QString::fromLocal8Bit(argv[2]);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  if (!home.isValid()) return 1;
  UsePrivateFolders(home);
  if (!StartWithNoDocument()) return 1;

  QApplication application(argc, argv);
  QApplication::setWindowIcon(tl::ProgramIcon());
  StderrSink messages;
  tl::ScopedMessageSink scope(&messages);

  tl::CTessalineApp app;
  app.SetPrompts(std::make_unique<NoPrompts>());
  app.SetSplashDelay(kNoSplash);
  if (!app.InitInstance({layout}) || !app.Documents().Active()) {
    std::fprintf(stderr, "tessaline-screenshot: %s was not opened\n", layout.c_str());
    return 1;
  }
  app.MainFrame()->resize(width, height);
  Settle(kSettleMs / 3);
  app.Router().Execute(tl::kCmdFitOnScreen);
  Settle(kSettleMs);

  const bool saved = app.MainFrame()->grab().save(output, "PNG");
  // Nothing is asked or written on the way out.
  for (tl::CGPDoc* document : app.Documents().Documents())
    if (document->Layout()) document->Layout()->Modified = 0;
  if (!saved) {
    std::fprintf(stderr, "tessaline-screenshot: %s could not be written\n", argv[2]);
    return 1;
  }
  return 0;
}
