// The program as the desktop shows it: the About box with the libraries in
// use, the start-up splash that appears only for a long start-up and never
// holds it back, and the help pages behind the "?" buttons, opened in the
// desktop's browser from the data folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/dialogs/about_dlg.h"
#include "app/shell/help_pages.h"
#include "app/shell/main_frame.h"
#include "app/shell/startup_splash.h"
#include "render/library_versions.h"
#include "resources/app_folders.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "tests/app/app_fixture.h"

namespace tl::test {

// Takes the URLs the program asks the desktop to open, instead of a
// browser.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  std::vector<QUrl> Opened;

 public slots:
  void Open(const QUrl& url) { Opened.push_back(url); }
};

namespace {

namespace fs = std::filesystem;

constexpr int kHelpNotFound = 10422;
constexpr int kHelpPageStrings[] = {10041, 10042, 10046, 10047, 10048, 10049, 10050};

void SavePicture(QWidget* widget, const char* name) {
  const char* binary = std::getenv("TL_BINARY_DIR");
  if (!binary) return;
  const QString folder = QString::fromStdString(std::string(binary) + "/screenshots/desktop");
  QDir().mkpath(folder);
  EXPECT_TRUE(widget->grab().save(folder + "/" + name + ".png"));
}

std::string FileText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The values of every href="..." and src="..." of a page.
std::vector<std::string> References(const std::string& html) {
  std::vector<std::string> found;
  for (const std::string attribute : {" href=\"", " src=\""}) {
    for (size_t at = html.find(attribute); at != std::string::npos; at = html.find(attribute, at + 1)) {
      const size_t start = at + attribute.size();
      found.push_back(html.substr(start, html.find('"', start) - start));
    }
  }
  return found;
}

CStartupSplash* VisibleSplash() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* splash = qobject_cast<CStartupSplash*>(widget); splash && splash->isVisible()) return splash;
  return nullptr;
}

class Desktop : public AppTest {
 protected:
  // Starts the program as Start() does, with this splash delay.
  void StartWithSplashDelay(std::chrono::milliseconds delay) {
    app_ = std::make_unique<CTessalineApp>();
    auto prompts = std::make_unique<ScriptedPrompts>();
    prompts_ = prompts.get();
    app_->SetPrompts(std::move(prompts));
    app_->SetSplashDelay(delay);
    ASSERT_TRUE(app_->InitInstance(std::vector<std::string>{}));
  }
};

TEST_F(Desktop, AboutShowsTheVersionAndTheLibrariesAndAClickOnThePictureClosesIt) {
  Start();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    seen = true;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    const QString libraries = about->Libraries()->text();
    for (const LibraryVersion& library : LibraryVersions()) {
      EXPECT_TRUE(libraries.contains(QString::fromStdString(library.Name))) << library.Name;
      EXPECT_TRUE(libraries.contains(QString::fromStdString(library.Version))) << library.Name;
    }
    EXPECT_FALSE(about->Picture()->pixmap().isNull());
    SavePicture(about, "about");
    QTest::mouseClick(about->Picture(), Qt::LeftButton, {}, QPoint(40, 40));
  });
  EXPECT_TRUE(Trigger(kCmdAppAbout));
  EXPECT_TRUE(seen);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the click on the picture closed the box";
}

TEST_F(Desktop, AboutClosesWithOk) {
  Start();
  QTimer::singleShot(0, [] {
    auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    about->Buttons()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_TRUE(Trigger(kCmdAppAbout));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Desktop, ALongStartUpShowsTheSplashWithoutWaitingForIt) {
  StartWithSplashDelay(std::chrono::milliseconds(0));
  // The start-up is over and the main window up while the splash is still
  // on screen: nothing waited for it.
  CStartupSplash* splash = VisibleSplash();
  ASSERT_NE(splash, nullptr);
  EXPECT_TRUE(Frame().isVisible());
  EXPECT_FALSE(splash->pixmap().isNull());
  SavePicture(splash, "splash");
  // It goes by itself soon after.
  EXPECT_TRUE(QTest::qWaitFor([] { return VisibleSplash() == nullptr; }, 5000));
}

TEST_F(Desktop, AClickTakesTheSplashDown) {
  StartWithSplashDelay(std::chrono::milliseconds(0));
  CStartupSplash* splash = VisibleSplash();
  ASSERT_NE(splash, nullptr);
  QTest::mouseClick(splash, Qt::LeftButton);
  EXPECT_EQ(VisibleSplash(), nullptr);
}

TEST_F(Desktop, AQuickStartUpShowsNoSplash) {
  StartWithSplashDelay(std::chrono::minutes(10));
  EXPECT_EQ(VisibleSplash(), nullptr);
  Settle();
  EXPECT_EQ(VisibleSplash(), nullptr);
}

TEST_F(Desktop, EveryHelpPageIsInstalledAndOpensInTheBrowser) {
  Start();
  for (int id : kHelpPageStrings) {
    SCOPED_TRACE(id);
    UrlCatcher browser;
    OpenHelpPage(id);
    EXPECT_EQ(sink_->Count(kHelpNotFound), 0);
    ASSERT_EQ(browser.Opened.size(), 1u);
    const std::string page = browser.Opened[0].toLocalFile().toStdString();
    EXPECT_EQ(page, DataFolder() + std::string(StringText(id)));
    EXPECT_TRUE(fs::is_regular_file(page));
  }
}

TEST_F(Desktop, AMissingHelpPageIsReportedAndNothingOpens) {
  Start();
  const std::string empty = Folder() + "/no-help-here";
  fs::create_directories(empty);
  setenv("TESSALINE_DATA_DIR", empty.c_str(), 1);
  UrlCatcher browser;
  OpenHelpPage(10048);
  unsetenv("TESSALINE_DATA_DIR");
  EXPECT_EQ(sink_->Count(kHelpNotFound), 1);
  ASSERT_FALSE(sink_->Shown.empty());
  EXPECT_EQ(sink_->Shown.back().Icon, MessageIcon::Stop);
  EXPECT_TRUE(browser.Opened.empty());
}

// Every link, picture and style sheet a help page names is there, and
// every "#anchor" names an id of its page.
TEST(HelpPages, EveryLinkOfEveryPageLeadsSomewhere) {
  const fs::path folder = DataFolder() + "/help";
  ASSERT_TRUE(fs::is_directory(folder));
  int pages = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".htm") continue;
    ++pages;
    for (const std::string& reference : References(FileText(entry.path()))) {
      SCOPED_TRACE(entry.path().filename().string() + ": " + reference);
      const QUrl url(QString::fromStdString(reference));
      ASSERT_TRUE(url.isRelative()) << "help pages link only to each other";
      const fs::path target = url.path().isEmpty() ? entry.path() : folder / url.path().toStdString();
      ASSERT_TRUE(fs::is_regular_file(target));
      if (url.hasFragment()) {
        EXPECT_NE(FileText(target).find("id=\"" + url.fragment().toStdString() + "\""), std::string::npos);
      }
    }
  }
  EXPECT_GE(pages, int(std::size(kHelpPageStrings)) + 1) << "a page per help string and the contents";
}

}  // namespace
}  // namespace tl::test

#include "desktop_test.moc"
