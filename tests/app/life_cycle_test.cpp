// A layout's life as a photographer meets it: made from a template, images
// brought in, saved, closed, opened again and printed -- and the questions
// the program asks on the way so that nothing is lost.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <fstream>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "document/undo_store.h"
#include "print/pdf_destination.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

constexpr int kFailedToOpen = 10417;
constexpr int kSaveChanges = 10420;
constexpr int kDiscard = 10421;

// A folder of photographs with a sub-folder and a file that is no image.
std::string PhotoFolder(const std::string& root, int top, int nested) {
  const std::string folder = root + "/Photos";
  fs::create_directories(folder + "/Day 2");
  for (int i = 0; i < top; ++i) EXPECT_TRUE(WritePhoto(folder + "/img" + std::to_string(i) + ".jpg"));
  for (int i = 0; i < nested; ++i) EXPECT_TRUE(WritePhoto(folder + "/Day 2/img" + std::to_string(i) + ".jpg"));
  std::ofstream(folder + "/notes.jpg") << "not a picture";
  return folder;
}

int PdfPages(const std::string& pdf) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
  if (!info.waitForFinished(30000)) return -1;
  const QString out = QString::fromUtf8(info.readAllStandardOutput());
  for (const QString& line : out.split(QLatin1Char('\n')))
    if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
  return -1;
}

TEST_F(AppTest, NewGetImageSaveCloseOpenAndPrintToPdf) {
  Start();
  CGPDoc* doc = NewLayout();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Title(), "Untitled-1");
  EXPECT_EQ(doc->Frame()->windowTitle(), QStringLiteral("Untitled-1"));

  prompts_->Images.push_back({PhotoFolder(Folder(), 3, 2)});
  ASSERT_TRUE(Trigger(kCmdGetImage));
  EXPECT_EQ(ImageCount(*doc->Layout()), 5);
  // The file that is no picture was tried and counted as failed.
  EXPECT_EQ(doc->Frame()->StatusText(), QStringLiteral("Failed to get 1 / 6"));
  EXPECT_TRUE(doc->Frame()->StatusAlert());
  EXPECT_TRUE(doc->Layout()->Modified);

  const std::string saved = Folder() + "/Sheet";
  prompts_->SaveAsPaths.push_back(saved);
  ASSERT_TRUE(Trigger(kCmdFileSave));  // untitled: Save asks for a name
  EXPECT_TRUE(fs::exists(saved + ".qlf"));
  EXPECT_FALSE(doc->Layout()->Modified);
  EXPECT_EQ(doc->Frame()->windowTitle(), QStringLiteral("Sheet.qlf"));

  ASSERT_TRUE(Trigger(kCmdFileClose));
  EXPECT_EQ(Active(), nullptr);
  EXPECT_TRUE(sink_->Shown.empty()) << sink_->Shown.front().Text;

  prompts_->Layouts.push_back(saved + ".qlf");
  ASSERT_TRUE(Trigger(kCmdFileOpen));
  doc = Active();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(ImageCount(*doc->Layout()), 5);
  EXPECT_FALSE(doc->Layout()->Modified);

  doc->Layout()->PrinterName = PdfFilePrinterName();
  const std::string pdf = Folder() + "/sheet.pdf";
  prompts_->PdfFiles.push_back(pdf);
  ASSERT_TRUE(Trigger(kCmdFilePrint));
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(PdfPages(pdf), doc->Layout()->PageNumber);
}

TEST_F(AppTest, NewNumbersUntitledLayoutsAndClosesTheOtherAfterAsking) {
  Start();
  CGPDoc* first = NewLayout();
  ASSERT_NE(first, nullptr);
  first->Layout()->Modified = 1;
  sink_->Script.push_back(MessageAnswer::No);
  CGPDoc* second = NewLayout("Proof A4.qlt");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Title(), "Untitled-2");
  EXPECT_EQ(sink_->Count(kSaveChanges), 0);  // the text carries the name
  ASSERT_EQ(sink_->Shown.size(), 1u);
  EXPECT_EQ(sink_->Shown[0].Text, "Save changes of \"Untitled-1.qlf\" before closing?");
  EXPECT_EQ(sink_->Shown[0].Buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(App().Documents().Documents().size(), 1u);

  // Once no layout is open, numbering starts again.
  ASSERT_TRUE(Trigger(kCmdFileClose));
  EXPECT_EQ(NewLayout()->Title(), "Untitled-1");
}

TEST_F(AppTest, CancelledNewStillClosesTheOpenLayout) {
  Start();
  ASSERT_NE(NewLayout(), nullptr);
  Trigger(kCmdFileNew);  // the template dialog is cancelled
  EXPECT_EQ(prompts_->TemplateDialogs, 3);  // start-up, the first New, this one
  EXPECT_TRUE(App().Documents().Documents().empty());
}

TEST_F(AppTest, CancelInTheSaveQuestionKeepsTheLayout) {
  Start();
  CGPDoc* doc = NewLayout();
  doc->Layout()->Modified = 1;
  sink_->Script.push_back(MessageAnswer::Cancel);
  Trigger(kCmdFileClose);
  EXPECT_EQ(Active(), doc);
  // Yes saves first, through Save As for an untitled layout.
  sink_->Script.push_back(MessageAnswer::Yes);
  prompts_->SaveAsPaths.push_back(Folder() + "/kept.qlf");
  Trigger(kCmdFileClose);
  EXPECT_EQ(Active(), nullptr);
  EXPECT_TRUE(fs::exists(Folder() + "/kept.qlf"));
}

TEST_F(AppTest, OpenRefusesTemplatesAndFilesThatDoNotRead) {
  Start();
  struct Case {
    std::string file;
    std::string content;
  } cases[] = {
      {"Cards.qlt", "<layout/>"},           // a template through Open
      {"broken.qlf", "<layout><object>"},   // not well-formed
      {"empty.qlf", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::ofstream(Folder() + "/" + c.file) << c.content;
    sink_->Shown.clear();
    prompts_->Layouts.push_back(Folder() + "/" + c.file);
    Trigger(kCmdFileOpen);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_TRUE(App().Documents().Documents().empty()) << "no half-made window";
  }
  prompts_->Layouts.push_back(Folder() + "/Cards.qlt");
  sink_->Shown.clear();
  Trigger(kCmdFileOpen);
  EXPECT_EQ(sink_->Count(kFailedToOpen), 1);
}

TEST_F(AppTest, OpeningAnOpenLayoutAsksAndReloadsIntoTheSameWindow) {
  Start();
  CGPDoc* doc = NewLayout();
  prompts_->SaveAsPaths.push_back(Folder() + "/twice.qlf");
  ASSERT_TRUE(doc->SaveAs());
  CChildFrame* window = doc->Frame();
  doc->Layout()->Modified = 1;

  sink_->Script.push_back(MessageAnswer::Cancel);
  prompts_->Layouts.push_back(Folder() + "/twice.qlf");
  Trigger(kCmdFileOpen);
  EXPECT_EQ(sink_->Count(kDiscard), 1);
  EXPECT_TRUE(doc->Layout()->Modified) << "Cancel keeps the layout as it was";

  sink_->Script.push_back(MessageAnswer::Ok);
  prompts_->Layouts.push_back(Folder() + "/twice.qlf");
  Trigger(kCmdFileOpen);
  EXPECT_EQ(App().Documents().Documents().size(), 1u);
  EXPECT_EQ(Active(), doc);
  EXPECT_EQ(doc->Frame(), window);
  EXPECT_FALSE(doc->Layout()->Modified);
}

TEST_F(AppTest, SaveAsNamesAndTemplates) {
  Start();
  CGPDoc* doc = NewLayout();
  struct Case {
    std::string typed;
    std::string written;
    bool staysUntitled;
  } cases[] = {
      {"/plain", "/plain.qlf", false},
      {"/upper.QLF", "/upper.QLF", false},
      {"/copy.qlt", "/copy.qlt", false},  // a template copy: the layout keeps its name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    prompts_->SaveAsPaths.push_back(Folder() + c.typed);
    ASSERT_TRUE(Trigger(kCmdFileSaveAs));
    EXPECT_TRUE(fs::exists(Folder() + c.written));
  }
  EXPECT_EQ(doc->Layout()->DocumentPath, Folder() + "/upper.QLF");
  EXPECT_EQ(doc->Layout()->SavingTemplate, 0);
}

TEST_F(AppTest, ClosingAnUnchangedLayoutAsksNothing) {
  Start();
  NewLayout();
  Trigger(kCmdFileClose);
  EXPECT_TRUE(sink_->Shown.empty());
  EXPECT_EQ(Active(), nullptr);
}

TEST_F(AppTest, GetImageIsUndoneAtOnce) {
  Start();
  CGPDoc* doc = NewLayout();
  prompts_->Images.push_back({PhotoFolder(Folder(), 4, 0)});
  Trigger(kCmdGetImage);
  ASSERT_EQ(ImageCount(*doc->Layout()), 4);
  ASSERT_TRUE(Enabled(kCmdUndo));
  Trigger(kCmdUndo);
  EXPECT_EQ(ImageCount(*doc->Layout()), 0);
}

}  // namespace
}  // namespace tl::test

namespace tl::test {
namespace {

TEST_F(AppTest, StartsWithTheLayoutNamedOnTheCommandLine) {
  Start();
  NewLayout();
  prompts_->SaveAsPaths.push_back(Folder() + "/named.qlf");
  ASSERT_TRUE(Active()->SaveAs());
  Trigger(kCmdFileClose);
  app_.reset();
  Start({Folder() + "/named.qlf"});
  ASSERT_NE(Active(), nullptr);
  EXPECT_EQ(Active()->Layout()->DocumentPath, Folder() + "/named.qlf");
  EXPECT_EQ(prompts_->TemplateDialogs, 0) << "no New after a layout was opened";
}

}  // namespace
}  // namespace tl::test
