// tessaline: the layout program.
#include <QApplication>
#include <string>
#include <vector>

#include "app/shell/application.h"
#include "app/shell/message_box_sink.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaline"));
  QApplication::setApplicationVersion(QStringLiteral(TL_VERSION));
  tl::QtMessageSink messages;
  tl::ScopedMessageSink scope(&messages);

  const std::vector<std::string> arguments(argv + 1, argv + argc);
  tl::CTessalineApp app;
  if (!app.InitInstance(arguments)) return 1;
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}
