#include "tests/app/app_fixture.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <filesystem>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/command_actions.h"
#include "app/shell/main_frame.h"
#include "resources/app_folders.h"
#include "resources/command_ids.h"
#include "tests/imaging/fixtures.h"

namespace tl::test {
namespace {

template <typename T>
T Take(std::deque<T>& queue, T fallback = {}) {
  if (queue.empty()) return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

}  // namespace

bool ScriptedPrompts::ChooseTemplate(QWidget*, std::string& path) {
  ++TemplateDialogs;
  path = Take(Templates);
  return !path.empty();
}

std::string ScriptedPrompts::OpenLayout(QWidget*) { return Take(Layouts); }
std::vector<std::string> ScriptedPrompts::ImageFiles(QWidget*, bool) { return Take(Images); }
std::string ScriptedPrompts::ReplacementImage(QWidget*, bool) { return Take(Replacements); }
std::string ScriptedPrompts::StampPicture(QWidget*, const std::string&, bool) { return Take(StampPictures); }

bool ScriptedPrompts::SaveLayoutAs(QWidget*, std::string& path, bool& relative) {
  SaveAsSuggested.push_back(path);
  path = Take(SaveAsPaths);
  relative = SaveAsRelative;
  return !path.empty();
}

bool ScriptedPrompts::ChooseColor(QWidget*, ColorRef& color) {
  if (Colors.empty()) return false;
  color = Take(Colors);
  return true;
}

bool ScriptedPrompts::PdfOutputFile(QWidget*, std::string& path) {
  path = Take(PdfFiles);
  return !path.empty();
}

MissingImageAnswer ScriptedPrompts::AskAboutMissingImage(QWidget*, const std::string&) {
  return MissingImageAnswer::Ignore;
}

std::string StockTemplate(const std::string& name) { return DataFolder() + "/Templates/" + name; }

void AppTest::SetUp() {
  home_ = std::make_unique<PrivateHome>();
  sink_ = std::make_unique<ScriptedSink>();
}

void AppTest::TearDown() {
  if (app_) {
    // Nothing is asked on the way out: unsaved layouts are dropped.
    for (CGPDoc* d : app_->Documents().Documents())
      if (d->Layout()) d->Layout()->Modified = 0;
    app_.reset();
  }
  Settle();
  sink_.reset();
  home_.reset();
}

void AppTest::Start(const std::vector<std::string>& arguments) {
  app_ = std::make_unique<CTessalineApp>();
  auto prompts = std::make_unique<ScriptedPrompts>();
  prompts_ = prompts.get();
  app_->SetPrompts(std::move(prompts));
  // A start-up slowed down by the sanitizers shows no splash in the tests.
  app_->SetSplashDelay(std::chrono::hours(1));
  ASSERT_TRUE(app_->InitInstance(arguments));
  // Keys reach the application's shortcuts only in its active window.
  Frame().activateWindow();
  (void)QTest::qWaitForWindowActive(&Frame(), 2000);
  Settle();
}

CMainFrame& AppTest::Frame() { return *app_->MainFrame(); }

CGPDoc* AppTest::Active() { return app_->Documents().Active(); }

bool AppTest::Trigger(int commandId) {
  const bool ran = Frame().Actions().Trigger(commandId);
  Settle();
  return ran;
}

bool AppTest::Enabled(int commandId) { return app_->Router().State(commandId).Enabled; }

CGPDoc* AppTest::NewLayout(const std::string& templateName) {
  prompts_->Templates.push_back(StockTemplate(templateName));
  Trigger(kCmdFileNew);
  return Active();
}

void AppTest::Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

int ImageCount(const LayoutDocument& layout) {
  int n = 0;
  for (const LayoutObject* o : layout.Objects) n += IsImage(o);
  return n;
}

bool WritePhoto(const std::string& path, int width, int height) {
  JpegRecipe recipe;
  recipe.Width = width;
  recipe.Height = height;
  return WriteBytes(path, MakeJpeg(recipe));
}

}  // namespace tl::test
