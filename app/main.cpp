// tessaline: the layout program. One runs per user: a second start hands
// its command line to the running one and ends.
#include <QApplication>
#include <string>
#include <vector>

#include "app/shell/application.h"
#include "app/shell/command_line.h"
#include "app/shell/instance_start.h"
#include "app/shell/message_box_sink.h"
#include "app/shell/single_instance.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaline"));
  QApplication::setApplicationVersion(QStringLiteral(TL_VERSION));
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
