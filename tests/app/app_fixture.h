// The running application for a test: a private home, the scripted
// message sink, scripted answers for the system dialogs, and the
// application object started as the program starts it.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/app_prompts.h"
#include "app/shell/application.h"
#include "document/layout_document.h"
#include "tests/app/app_test_support.h"

namespace tl {
class CGPDoc;
class CMainFrame;
}  // namespace tl

namespace tl::test {

// The system dialogs' answers, taken in order; an empty queue cancels.
class ScriptedPrompts : public AppPrompts {
 public:
  bool ChooseTemplate(QWidget*, std::string& path) override;
  std::string OpenLayout(QWidget*) override;
  std::vector<std::string> ImageFiles(QWidget*, bool) override;
  std::string ReplacementImage(QWidget*, bool) override;
  std::string StampPicture(QWidget*, const std::string&, bool) override;
  bool SaveLayoutAs(QWidget*, std::string& path, bool& relative) override;
  bool ChooseColor(QWidget*, ColorRef& color) override;
  bool PdfOutputFile(QWidget*, std::string& path) override;
  MissingImageAnswer AskAboutMissingImage(QWidget*, const std::string& missingPath) override;

  std::deque<std::string> Templates;
  std::deque<std::string> Layouts;
  std::deque<std::vector<std::string>> Images;
  std::deque<std::string> Replacements;
  std::deque<std::string> StampPictures;  // "" cancels
  std::deque<std::string> SaveAsPaths;  // "" cancels
  bool SaveAsRelative = false;
  std::vector<std::string> SaveAsSuggested;  // what each Save As dialog proposed
  std::deque<ColorRef> Colors;
  std::deque<std::string> PdfFiles;
  int TemplateDialogs = 0;
};

// The stock template of the build tree with this file name.
std::string StockTemplate(const std::string& name);

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the application with these program arguments; the first
  // layout is left to `appStarts` (the default preferences: New, which
  // the empty template queue cancels).
  void Start(const std::vector<std::string>& arguments = {});
  // Runs a command as its menu item does; false when it is disabled.
  bool Trigger(int commandId);
  bool Enabled(int commandId);
  // A new layout from a stock template, through the New command.
  CGPDoc* NewLayout(const std::string& templateName = "Contact Sheet A4.qlt");
  // Lets queued events run (deferred deletes, repaints).
  void Settle();

  std::string Folder() const { return home_->Path(); }
  CTessalineApp& App() { return *app_; }
  CMainFrame& Frame();
  CGPDoc* Active();

  std::unique_ptr<PrivateHome> home_;
  std::unique_ptr<ScriptedSink> sink_;
  std::unique_ptr<CTessalineApp> app_;
  ScriptedPrompts* prompts_ = nullptr;
};

// The image objects of a layout.
int ImageCount(const LayoutDocument& layout);

// Writes a small JPEG photograph (width x height pixels); true on success.
bool WritePhoto(const std::string& path, int width = 64, int height = 48);

}  // namespace tl::test
