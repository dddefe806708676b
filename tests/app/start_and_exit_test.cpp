// Start-up and exit: the first layout as "Application Starts With" says,
// preferences read at start and written at exit (a damaged file falls back
// to the defaults), leftover preview files removed, and a long loop that
// neither a close nor a second command can interrupt, only the stop key.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "persistence/preferences.h"
#include "resources/app_folders.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

void WritePreferences(const std::string& text) {
  EnsureFolder(ConfigFolder());
  std::ofstream(PreferencesFilePath()) << text;
}

TEST_F(AppTest, StartsWithWhatThePreferenceSays) {
  struct Case {
    int appStarts;
    bool recentFile;
    int templateDialogs;
    bool recentOpened;
  } cases[] = {
      {kStartNewDocument, false, 1, false},
      {kStartRecentDocument, false, 1, false},  // no recent file: New
      {kStartRecentDocument, true, 0, true},
      {kStartNoDocument, true, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.appStarts);
    PrivateHome home;
    if (c.recentFile) {
      Start();
      NewLayout();
      prompts_->SaveAsPaths.push_back(home.Path() + "/recent.qlf");
      ASSERT_TRUE(Active()->SaveAs());
      app_.reset();
      Settle();
    }
    PreferenceRecord preferences;
    SetPreferenceDefaults(preferences, 1920);
    preferences.appStarts = int16_t(c.appStarts);
    ASSERT_TRUE(SavePreferences(preferences));
    Start();
    EXPECT_EQ(prompts_->TemplateDialogs, c.templateDialogs);
    EXPECT_EQ(Active() != nullptr, c.recentOpened);
    app_.reset();
    Settle();
  }
}

TEST_F(AppTest, PreferencesAreReadAtStartAndWrittenAtExit) {
  WritePreferences("this is not a settings text\n\x01\x02\xff gridShow = maybe\n");
  Start();
  EXPECT_EQ(App().Preferences().gridShow, 0) << "a damaged file leaves the defaults";
  EXPECT_EQ(App().Preferences().unit, 1);
  NewLayout();
  Trigger(kCmdShowGrid);
  App().ExitInstance();
  PreferenceRecord read;
  SetPreferenceDefaults(read, 1920);
  ASSERT_TRUE(LoadPreferences(read));
  EXPECT_EQ(read.gridShow, 1);
}

TEST_F(AppTest, LeftoverPreviewFilesAreRemovedAtStart) {
  EnsureFolder(CacheFolder());
  const std::string leftover = CacheFolder() + "/ImageTmp12.jpg";
  const std::string kept = CacheFolder() + "/other.jpg";
  std::ofstream(leftover) << "x";
  std::ofstream(kept) << "x";
  Start();
  EXPECT_FALSE(fs::exists(leftover));
  EXPECT_TRUE(fs::exists(kept));
}

// A folder of photographs for a long Get Image.
std::vector<std::string> ManyPhotos(const std::string& folder, int count) {
  fs::create_directories(folder);
  for (int i = 0; i < count; ++i) EXPECT_TRUE(WritePhoto(folder + "/p" + std::to_string(100 + i) + ".jpg"));
  return {folder};
}

TEST_F(AppTest, CloseAndCommandsAreTurnedAwayWhileImagesComeIn) {
  Start();
  CGPDoc* doc = NewLayout();
  prompts_->Images.push_back(ManyPhotos(Folder() + "/many", 12));
  bool closedDuringLoop = true;
  bool newRanDuringLoop = true;
  QTimer::singleShot(0, &Frame(), [&] {
    closedDuringLoop = Frame().close();
    newRanDuringLoop = App().Router().Execute(kCmdFileNew);
  });
  Trigger(kCmdGetImage);
  EXPECT_FALSE(closedDuringLoop);
  EXPECT_FALSE(newRanDuringLoop);
  EXPECT_TRUE(Frame().isVisible());
  EXPECT_EQ(ImageCount(*doc->Layout()), 12);
  // Afterwards the window closes as usual (after the save question).
  sink_->Script.push_back(MessageAnswer::No);
  EXPECT_TRUE(Frame().close());
}

TEST_F(AppTest, StopKeyEndsGetImage) {
  Start();
  CGPDoc* doc = NewLayout();
  prompts_->Images.push_back(ManyPhotos(Folder() + "/many", 12));
  QTimer::singleShot(0, &Frame(), [&] {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Period, Qt::ControlModifier, QStringLiteral("."));
    QCoreApplication::sendEvent(doc->View(), &press);
  });
  Trigger(kCmdGetImage);
  // The loop may stop before its first add: the key comes while the first
  // picture is still being read.
  EXPECT_LT(ImageCount(*doc->Layout()), 12);
  EXPECT_FALSE(App().DocumentBusy());
}

}  // namespace
}  // namespace tl::test
