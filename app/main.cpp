// tessaline: the layout program. One runs per user: a second start hands
// its command line to the running one and ends.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/shell/application.h"
#include "app/shell/command_line.h"
#include "app/shell/instance_start.h"
#include "app/shell/message_box_sink.h"
#include "app/shell/program_options.h"
#include "app/shell/program_pictures.h"
#include "app/shell/single_instance.h"
#include "render/library_versions.h"

namespace {

// --version and --help are answered before any window, so that they work
// without a display and never reach a running instance.
bool AnswerInfoOption(const std::vector<std::string>& arguments) {
  switch (tl::FindInfoOption(arguments)) {
    case tl::InfoOption::Version: std::fputs(tl::VersionReport("tessaline").c_str(), stdout); return true;
    case tl::InfoOption::Help: std::fputs(tl::ProgramHelpText().c_str(), stdout); return true;
    case tl::InfoOption::None: return false;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerInfoOption(std::vector<std::string>(argv + 1, argv + argc))) return 0;

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaline"));
  QApplication::setApplicationVersion(QStringLiteral(TL_VERSION));
  // Ties the windows to the installed desktop entry (its name and icon).
  QGuiApplication::setDesktopFileName(QStringLiteral("tessaline"));
  QApplication::setWindowIcon(tl::ProgramIcon());
  tl::QtMessageSink messages;
  tl::ScopedMessageSink scope(&messages);

  const tl::AppCommandLineInfo info = tl::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  tl::CSingleInstance instance;
  if (tl::StartInstance(instance, info) == tl::InstanceStart::HandedOver) return 0;

  tl::CTessalineApp app;
  app.ListenForHandOvers(instance);
  if (!app.InitInstance(info)) return 1;
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}
