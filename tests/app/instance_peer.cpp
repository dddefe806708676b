// instance_peer: the other process of the single-instance tests. It plays a
// later instance, a first instance that is then killed, or a client that
// misbehaves, on the server name in TESSALINE_INSTANCE_NAME.
//
//   instance_peer second ARGUMENT...  start as the program does with these
//       arguments; prints the milliseconds it took; exit 0 handed over,
//       1 first, 2 alone
//   instance_peer first               become the first instance, print
//       "listening" and run until killed
//   instance_peer silent MS           connect, print "connected", send
//       nothing, leave after MS
//   instance_peer raw KIND            send a malformed client's bytes (KIND
//       garbage or oversized); exit 0 when the server cut the connection
//       without an acknowledgement
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>
#include <QtEndian>
#include <cstdio>
#include <string>
#include <vector>

#include "app/shell/instance_start.h"

namespace {

constexpr int kExitUsage = 64;
constexpr int kExitNotCutOff = 1;
constexpr int kServerAnswerMs = 5000;
constexpr int kOversizedPushBytes = 4 << 20;

int RunSecond(const QStringList& arguments) {
  std::vector<std::string> parameters;
  for (const QString& a : arguments) parameters.push_back(a.toStdString());
  tl::CSingleInstance instance;
  QElapsedTimer clock;
  clock.start();
  const tl::InstanceStart start = tl::StartInstance(instance, tl::ParseCommandLine(parameters));
  std::printf("%lld\n", static_cast<long long>(clock.elapsed()));
  switch (start) {
    case tl::InstanceStart::HandedOver: return 0;
    case tl::InstanceStart::First: return 1;
    case tl::InstanceStart::Alone: return 2;
  }
  return kExitUsage;
}

int RunFirst(QCoreApplication& application) {
  tl::CSingleInstance instance;
  if (instance.Start() != tl::CSingleInstance::Role::First) return 1;
  std::printf("listening\n");
  std::fflush(stdout);
  return application.exec();
}

bool Connect(QLocalSocket& socket) {
  socket.connectToServer(qEnvironmentVariable(tl::CSingleInstance::kNameVariable));
  return socket.waitForConnected(kServerAnswerMs);
}

int RunSilent(int milliseconds) {
  QLocalSocket socket;
  if (!Connect(socket)) return 1;
  std::printf("connected\n");
  std::fflush(stdout);
  QThread::msleep(static_cast<unsigned long>(milliseconds));
  return 0;
}

// The server must end the connection, and acknowledge nothing.
int WaitForCutOff(QLocalSocket& socket) {
  QElapsedTimer clock;
  clock.start();
  while (socket.state() == QLocalSocket::ConnectedState && clock.elapsed() < kServerAnswerMs) {
    socket.waitForReadyRead(100);
    if (socket.bytesAvailable() > 0) return kExitNotCutOff;
  }
  return socket.state() == QLocalSocket::ConnectedState ? kExitNotCutOff : 0;
}

int RunRaw(const QString& kind) {
  QLocalSocket socket;
  if (!Connect(socket)) return 1;
  if (kind == "garbage") {
    socket.write("this is no hand-over\r\n\x01\x02\xff");
  } else if (kind == "oversized") {
    char length[4];
    qToBigEndian(quint32(tl::CSingleInstance::kMaxTextBytes + 1), length);
    socket.write(length, 4);
    socket.write(QByteArray(kOversizedPushBytes, 'x'));
  } else {
    return kExitUsage;
  }
  socket.waitForBytesWritten(kServerAnswerMs);
  return WaitForCutOff(socket);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QStringList arguments = application.arguments().mid(1);
  if (arguments.isEmpty()) return kExitUsage;
  const QString mode = arguments.takeFirst();
  if (mode == "second") return RunSecond(arguments);
  if (mode == "first") return RunFirst(application);
  if (mode == "silent" && arguments.size() == 1) return RunSilent(arguments[0].toInt());
  if (mode == "raw" && arguments.size() == 1) return RunRaw(arguments[0]);
  return kExitUsage;
}
