#include "app/shell/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QtEndian>
#include <memory>
#include <utility>

namespace tl {
namespace {

constexpr char kAcknowledgement = '\x06';
constexpr qint64 kLengthBytes = 4;
constexpr qint64 kMaxFrameBytes = kLengthBytes + CSingleInstance::kMaxTextBytes;
// A client that has not finished within this time is ended, so that one
// that connects and sends nothing holds no socket for long.
constexpr int kClientLifetimeMs = 10000;
constexpr int kMaxClients = 16;
constexpr int kMaxTextsPerClient = 64;

int RemainingMs(const QDeadlineTimer& deadline) {
  return deadline.isForever() ? -1 : int(deadline.remainingTime());
}

QByteArray Frame(const std::string& text) {
  QByteArray frame(kLengthBytes, '\0');
  qToBigEndian(quint32(text.size()), frame.data());
  return frame.append(text.data(), qsizetype(text.size()));
}

// One client of the first instance: reads its texts, acknowledges and
// delivers each, and cuts off a client that announces too much, sends too
// many texts or lingers.
class HandOverClient : public QObject {
 public:
  HandOverClient(QLocalSocket* socket, CSingleInstance* owner) : QObject(owner), socket_(socket), owner_(owner) {
    socket_->setParent(this);
    // Bounds what Qt buffers from the socket: the sender waits instead.
    socket_->setReadBufferSize(kMaxFrameBytes);
    connect(socket_, &QLocalSocket::readyRead, this, &HandOverClient::ReadTexts);
    connect(socket_, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    QTimer::singleShot(kClientLifetimeMs, this, &HandOverClient::End);
    ReadTexts();
  }

 private:
  void ReadTexts() {
    while (expected_ < 0 ? ReadLength() : ReadText()) {
    }
  }

  bool ReadLength() {
    if (socket_->bytesAvailable() < kLengthBytes) return false;
    char length[kLengthBytes];
    socket_->read(length, kLengthBytes);
    const quint32 announced = qFromBigEndian<quint32>(length);
    if (announced > quint32(CSingleInstance::kMaxTextBytes)) return End();
    expected_ = qint64(announced);
    return true;
  }

  bool ReadText() {
    if (socket_->bytesAvailable() < expected_) return false;
    const QByteArray text = socket_->read(expected_);
    expected_ = -1;
    socket_->write(&kAcknowledgement, 1);
    socket_->flush();
    // Delivered from the event loop: a receiver that opens a dialog then
    // runs no nested loop inside this client's reading.
    QMetaObject::invokeMethod(owner_, [owner = owner_, text] { emit owner->TextReceived(text); },
                              Qt::QueuedConnection);
    return ++texts_ < kMaxTextsPerClient || End();
  }

  // Always false, to end the reading loop.
  bool End() {
    socket_->abort();
    deleteLater();
    return false;
  }

  QLocalSocket* socket_;
  CSingleInstance* owner_;
  qint64 expected_ = -1;  // the length of the text being read; -1 while awaiting a length
  int texts_ = 0;
};

}  // namespace

CSingleInstance::CSingleInstance(const QString& name, QObject* parent) : QObject(parent), name_(name) {
  if (name_.isEmpty()) name_ = qEnvironmentVariable(kNameVariable);
  if (name_.isEmpty()) name_ = PerUserServerName();
}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::PerUserServerName() {
  const QString name = QStringLiteral("tessaline-%1").arg(getuid());
  // The runtime folder is the user's own; the temporary folder is shared.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(name);
  return name;
}

QString CSingleInstance::LockPath() const {
  // Where QLocalServer puts a name that is not a path.
  const QString socket = QDir::isAbsolutePath(name_) ? name_ : QDir::cleanPath(QDir::tempPath()) + '/' + name_;
  return socket + QStringLiteral(".lock");
}

CSingleInstance::Role CSingleInstance::Start(QDeadlineTimer deadline) {
  // Two instances started together must not both find no server, and the
  // second remove the first one's fresh name.
  QLockFile lock(LockPath());
  if (!lock.tryLock(std::max(RemainingMs(deadline), 0))) return Role::Alone;

  delete client_;
  client_ = new QLocalSocket(this);
  client_->connectToServer(name_);
  if (client_->waitForConnected(RemainingMs(deadline))) return Role::Second;
  const QLocalSocket::LocalSocketError error = client_->error();
  delete client_;
  client_ = nullptr;
  // Refused: a socket left behind by an instance that ended without removing it.
  if (error != QLocalSocket::ServerNotFoundError && error != QLocalSocket::ConnectionRefusedError)
    return Role::Alone;
  return Listen() ? Role::First : Role::Alone;
}

bool CSingleInstance::Listen() {
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) {
    delete server_;
    server_ = nullptr;
    return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &CSingleInstance::AcceptClients);
  return true;
}

bool CSingleInstance::IsListening() const { return server_ && server_->isListening(); }

void CSingleInstance::AcceptClients() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (clients_ >= kMaxClients) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++clients_;
    auto* client = new HandOverClient(socket, this);
    connect(client, &QObject::destroyed, this, [this] { --clients_; });
  }
}

bool CSingleInstance::SendTexts(const std::vector<std::string>& texts, QDeadlineTimer deadline) {
  QByteArray frames;
  for (const std::string& text : texts) {
    if (text.size() > size_t(kMaxTextBytes)) return false;
    frames += Frame(text);
  }
  // The connection Start() made, else a new one; used for this call only.
  std::unique_ptr<QLocalSocket> socket(std::exchange(client_, nullptr));
  if (!socket) {
    socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(name_);
    if (!socket->waitForConnected(RemainingMs(deadline))) return false;
  }
  socket->write(frames);
  while (socket->bytesToWrite() > 0)
    if (!socket->waitForBytesWritten(RemainingMs(deadline))) return false;
  for (size_t taken = 0; taken < texts.size();) {
    if (socket->bytesAvailable() == 0 && !socket->waitForReadyRead(RemainingMs(deadline))) return false;
    const QByteArray answer = socket->read(qint64(texts.size() - taken));
    if (answer.count(kAcknowledgement) != answer.size()) return false;
    taken += size_t(answer.size());
  }
  socket->disconnectFromServer();
  return true;
}

}  // namespace tl
