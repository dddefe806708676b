// CSingleInstance: one running instance of the program per user. The first
// instance listens on a per-user local socket; a later instance, or another
// program, connects to it, hands over its texts (hand_over_text.h) and ends.
//
// On the socket each text goes as its length (4 bytes, big-endian) followed
// by its bytes; the first instance answers every whole text with one
// acknowledgement byte before it delivers the text.
#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace tl {

class CSingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Role {
    First,   // listening: texts of later instances arrive through TextReceived
    Second,  // another instance answers on the name: send it the texts
    Alone,   // the name is held by something that does not answer
  };

  // How long a later instance waits for the first one, in all.
  static constexpr int kAnswerTimeoutMs = 2000;
  // The longest text taken; a client announcing more is cut off.
  static constexpr int kMaxTextBytes = 64 * 1024;
  // Overrides the server name (tests run their own instances beside a user's).
  static constexpr const char* kNameVariable = "TESSALINE_INSTANCE_NAME";

  // `name` empty: kNameVariable when set, else PerUserServerName().
  explicit CSingleInstance(const QString& name = QString(), QObject* parent = nullptr);
  ~CSingleInstance() override;

  // From the user id, in the user's runtime folder when there is one.
  static QString PerUserServerName();
  QString ServerName() const { return name_; }

  // Connects to a first instance on the name; when none answers, a name
  // left behind by an ended instance is removed and this one listens.
  Role Start(QDeadlineTimer deadline = QDeadlineTimer(kAnswerTimeoutMs));
  bool IsListening() const;

  // Sends `texts` to the first instance and waits, until `deadline` at most,
  // for its acknowledgement of each. True when every text was taken.
  bool SendTexts(const std::vector<std::string>& texts,
                 QDeadlineTimer deadline = QDeadlineTimer(kAnswerTimeoutMs));

 signals:
  // A text another instance sent, whole, on the interface thread, after the
  // sender had its acknowledgement.
  void TextReceived(const QByteArray& text);

 private:
  QString LockPath() const;
  bool Listen();
  void AcceptClients();

  QString name_;
  QLocalServer* server_ = nullptr;
  QLocalSocket* client_ = nullptr;
  int clients_ = 0;
};

}  // namespace tl
