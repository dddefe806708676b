// The single instance with real processes: instance_peer plays the later
// instance (or a first instance that is killed, or a client that
// misbehaves) while this test program is the first instance.
#include "app/shell/single_instance.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "app/shell/command_line.h"
#include "app/shell/hand_over_text.h"

namespace tl {
namespace {

constexpr int kPeerLimitMs = 20000;
constexpr int kHandedOver = 0;
constexpr int kAlone = 2;

struct PeerResult {
  int ExitCode = -1;
  QString Output;
};

// A name of its own for each test, so that no test meets a user's instance
// or another test's.
class SingleInstance : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    name_ = dir_.filePath("instance");
  }

  void StartPeer(QProcess& peer, const QStringList& arguments, const QString& folder = QString()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(CSingleInstance::kNameVariable, name_);
    peer.setProcessEnvironment(environment);
    peer.setWorkingDirectory(folder.isEmpty() ? dir_.path() : folder);
    peer.start(TL_INSTANCE_PEER, arguments);
    ASSERT_TRUE(peer.waitForStarted());
  }

  // Runs the peer to its end with this program's event loop turning, so
  // that the first instance here answers.
  PeerResult RunPeer(const QStringList& arguments, const QString& folder = QString()) {
    QProcess peer;
    StartPeer(peer, arguments, folder);
    QEventLoop loop;
    QObject::connect(&peer, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kPeerLimitMs, &loop, &QEventLoop::quit);
    if (peer.state() != QProcess::NotRunning) loop.exec();
    EXPECT_EQ(peer.state(), QProcess::NotRunning) << "the peer did not end";
    if (peer.state() != QProcess::NotRunning) {
      peer.kill();
      peer.waitForFinished();
    }
    return {peer.exitStatus() == QProcess::NormalExit ? peer.exitCode() : -1,
            QString::fromLocal8Bit(peer.readAllStandardOutput())};
  }

  // Turns the event loop until the running peer has printed `line`.
  static bool WaitForLine(QProcess& peer, const QByteArray& line) {
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (!output.contains(line) && peer.state() == QProcess::Running && clock.elapsed() < kPeerLimitMs) {
      QEventLoop loop;
      QTimer::singleShot(20, &loop, &QEventLoop::quit);
      loop.exec();
      output += peer.readAllStandardOutput();
    }
    return output.contains(line);
  }

  // Lets queued deliveries arrive.
  static void Settle() {
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
  }

  static std::vector<std::string> Texts(const QSignalSpy& spy) {
    std::vector<std::string> texts;
    for (const QList<QVariant>& arguments : spy) texts.push_back(arguments[0].toByteArray().toStdString());
    return texts;
  }

  QTemporaryDir dir_;
  QString name_;
};

TEST_F(SingleInstance, TheFirstInstanceReceivesExactlyWhatALaterOneHandsOver) {
  CSingleInstance first(name_);
  ASSERT_EQ(first.Start(), CSingleInstance::Role::First);
  ASSERT_TRUE(first.IsListening());
  // The peer's working folder as it sees it.
  const std::string folder = QFileInfo(dir_.path()).canonicalFilePath().toStdString();
  struct Case {
    QStringList Arguments;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {{"/srv/proofs/a b.qlf"}, {R"([open("/srv/proofs/a b.qlf")])"}},
      {{"sheet.qlf"}, {"[open(\"" + folder + "/sheet.qlf\")]"}},
      {{"-WP2=/tmp/list.ini"}, {MakeHandOverRecord("WP2=/tmp/list.ini")}},
      {{"/FM=list.txt"}, {MakeHandOverRecord("FM=" + folder + "/list.txt")}},
      {{"sheet.qlf", "/WP2=/tmp/list.ini"}, {"[open(\"" + folder + "/sheet.qlf\")]", MakeHandOverRecord("WP2=/tmp/list.ini")}},
      {{}, {""}},
      {{"--version", "/dde"}, {""}},
  };
  for (const Case& c : cases) {
    QSignalSpy received(&first, &CSingleInstance::TextReceived);
    const PeerResult peer = RunPeer(QStringList{"second"} + c.Arguments);
    Settle();
    EXPECT_EQ(peer.ExitCode, kHandedOver) << c.Arguments.join(' ').toStdString();
    EXPECT_EQ(Texts(received), c.Expected) << c.Arguments.join(' ').toStdString();
  }
}

TEST_F(SingleInstance, TheNameOfAKilledFirstInstanceIsTakenOver) {
  QProcess killed;
  StartPeer(killed, {"first"});
  ASSERT_TRUE(WaitForLine(killed, "listening"));
  ::kill(pid_t(killed.processId()), SIGKILL);
  killed.waitForFinished();
  ASSERT_TRUE(QFileInfo::exists(name_)) << "a killed instance leaves its socket behind";

  CSingleInstance first(name_);
  ASSERT_EQ(first.Start(), CSingleInstance::Role::First);
  QSignalSpy received(&first, &CSingleInstance::TextReceived);
  EXPECT_EQ(RunPeer({"second", "/srv/a.qlf"}).ExitCode, kHandedOver);
  Settle();
  EXPECT_EQ(Texts(received), std::vector<std::string>{R"([open("/srv/a.qlf")])"});
}

TEST_F(SingleInstance, ALaterInstanceStartsAloneWhenTheFirstNeverAnswers) {
  // Takes connections and never reads them.
  QLocalServer mute;
  ASSERT_TRUE(mute.listen(name_));
  const PeerResult peer = RunPeer({"second", "/srv/a.qlf"});
  EXPECT_EQ(peer.ExitCode, kAlone);
  const int waited = peer.Output.trimmed().toInt();
  EXPECT_GE(waited, CSingleInstance::kAnswerTimeoutMs - 100);
  EXPECT_LE(waited, CSingleInstance::kAnswerTimeoutMs + 1000);
}

TEST_F(SingleInstance, MisbehavingClientsDoNotDisturbTheFirstInstance) {
  CSingleInstance first(name_);
  ASSERT_EQ(first.Start(), CSingleInstance::Role::First);
  QSignalSpy received(&first, &CSingleInstance::TextReceived);

  EXPECT_EQ(RunPeer({"raw", "garbage"}).ExitCode, 0) << "garbage is cut off unanswered";
  EXPECT_EQ(RunPeer({"raw", "oversized"}).ExitCode, 0) << "a text beyond the limit is cut off unanswered";
  // A client that connects and says nothing does not hold up the next one.
  QProcess silent;
  StartPeer(silent, {"silent", "3000"});
  ASSERT_TRUE(WaitForLine(silent, "connected"));
  EXPECT_EQ(RunPeer({"second", "/srv/a.qlf"}).ExitCode, kHandedOver);
  Settle();
  EXPECT_EQ(Texts(received), std::vector<std::string>{R"([open("/srv/a.qlf")])"});
  EXPECT_TRUE(first.IsListening());
  silent.waitForFinished();
}

TEST_F(SingleInstance, ATextOfTheLongestLengthIsTaken) {
  CSingleInstance first(name_);
  ASSERT_EQ(first.Start(), CSingleInstance::Role::First);
  QSignalSpy received(&first, &CSingleInstance::TextReceived);
  // The open command around a path makes a text of exactly the limit.
  const std::string shell = MakeDdeCommand({DdeVerb::Open, "/", {}});
  const std::string path = "/" + std::string(CSingleInstance::kMaxTextBytes - shell.size(), 'p');
  ASSERT_EQ(MakeDdeCommand({DdeVerb::Open, path, {}}).size(), size_t(CSingleInstance::kMaxTextBytes));
  EXPECT_EQ(RunPeer({"second", QString::fromStdString(path)}).ExitCode, kHandedOver);
  Settle();
  ASSERT_EQ(received.size(), 1);
  EXPECT_EQ(ParseDdeCommands(Texts(received)[0]).at(0).Path, path);
}

}  // namespace
}  // namespace tl
