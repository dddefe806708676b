// What a later start of the program hands over, end to end: the real
// tessaline program started a second time gives its layout, or another
// program's list of images, to this running instance and ends.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/single_instance.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

constexpr int kProgramLimitMs = 20000;
constexpr int kCalledByAnotherProgram = 11071;

class HandOverTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    name_ = QString::fromStdString(Folder() + "/instance");
    instance_ = std::make_unique<CSingleInstance>(name_);
    ASSERT_EQ(instance_->Start(), CSingleInstance::Role::First);
  }
  void TearDown() override {
    instance_.reset();
    AppTest::TearDown();
  }

  // Runs the program with `arguments` while this instance keeps turning;
  // its exit code.
  int RunSecondStart(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(CSingleInstance::kNameVariable, name_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TL_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForStarted());
    QEventLoop loop;
    QObject::connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kProgramLimitMs, &loop, &QEventLoop::quit);
    if (program.state() != QProcess::NotRunning) loop.exec();
    if (program.state() != QProcess::NotRunning) {
      program.kill();
      program.waitForFinished();
      return -1;
    }
    Settle();
    return program.exitCode();
  }

  QString name_;
  std::unique_ptr<CSingleInstance> instance_;
};

TEST_F(HandOverTest, ASecondStartOpensItsLayoutHereAndEnds) {
  Start();
  App().ListenForHandOvers(*instance_);
  NewLayout();
  prompts_->SaveAsPaths.push_back(Folder() + "/handed.qlf");
  ASSERT_TRUE(Active()->SaveAs());
  Trigger(kCmdFileClose);
  ASSERT_EQ(Active(), nullptr);

  EXPECT_EQ(RunSecondStart({QString::fromStdString(Folder() + "/handed.qlf")}), 0);
  ASSERT_NE(Active(), nullptr);
  EXPECT_EQ(Active()->Layout()->DocumentPath, Folder() + "/handed.qlf");
  EXPECT_EQ(App().Documents().Documents().size(), 1u);
}

TEST_F(HandOverTest, AnImageListFromAnotherProgramIsAddedAfterAsking) {
  Start();
  App().ListenForHandOvers(*instance_);
  CGPDoc* doc = NewLayout();
  ASSERT_NE(doc, nullptr);
  for (int i = 1; i <= 3; ++i) ASSERT_TRUE(WritePhoto(Folder() + "/h" + std::to_string(i) + ".jpg"));
  const std::string list = Folder() + "/list.ini";
  std::ofstream(list) << "[ENTRY]\nEntryNum=4\n"
                      << "[IMAGE01]\nPATH=" << Folder() << "/h1.jpg\n"
                      << "[IMAGE02]\nPATH=" << Folder() << "/missing.jpg\n"
                      << "[IMAGE03]\nPATH=" << Folder() << "/h2.jpg\n"
                      << "[IMAGE04]\nPATH=" << Folder() << "/h3.jpg\n";
  sink_->Script.push_back(MessageAnswer::Yes);
  EXPECT_EQ(RunSecondStart({QString::fromStdString("-WP2=" + list)}), 0);
  EXPECT_EQ(sink_->Count(kCalledByAnotherProgram), 1);
  EXPECT_EQ(ImageCount(*doc->Layout()), 3) << "the missing file is left out, the rest come in";
  EXPECT_FALSE(fs::exists(list));
}

}  // namespace
}  // namespace tl::test
