// Save Template and Save Template As: the dialog's fields, the name and
// path rules, the replace question and the writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/layout_document.h"
#include "persistence/template_library.h"
#include "persistence/template_summary.h"
#include "templates/save_template.h"
#include "templates/template_classes.h"
#include "tests/persistence/persistence_fixtures.h"
#include "tests/templates/templates_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

constexpr int kReplaceQuestion = 32903;

class SaveTemplate : public ::testing::Test {
 protected:
  SaveTemplate() : document_(DocumentNew(nullptr, nullptr)) {}
  test::TemplateHome home_;
  test::ScriptedSink sink_;
  DocumentPtr document_;
  std::vector<std::string> types_ = {"MyTemp", "Weddings", "Passports"};
};

TEST_F(SaveTemplate, TheDialogShowsTheDocumentsValues) {
  document_->TemplateName = "Cards.qlt";
  document_->NameGenre = "Weddings";
  document_->Comment = "Two per page";
  document_->SaveWithArrangedImages = 1;
  SaveTemplateAsFields f = OpenSaveTemplateAs(*document_, types_);
  EXPECT_EQ(f.Name, "Cards.qlt");
  EXPECT_EQ(f.Types, types_);
  EXPECT_EQ(f.Type, 1);
  EXPECT_EQ(f.Comment, "Two per page");
  EXPECT_TRUE(f.WithArrangedImages);

  document_->NameGenre = "Shop";  // a standard genre is not offered: the first type
  document_->SaveWithArrangedImages = 0;
  f = OpenSaveTemplateAs(*document_, types_);
  EXPECT_EQ(f.Type, 0);
  EXPECT_FALSE(f.WithArrangedImages);
  EXPECT_EQ(OpenSaveTemplateAs(*document_, {}).Type, -1);
  EXPECT_EQ(TemplateTypeIndex(types_, "Passports"), 2);
  EXPECT_EQ(TemplateTypeIndex(types_, "passports"), 0);
}

TEST_F(SaveTemplate, TheNameGetsQltUnlessItEndsInItAndTheFolderIsMade) {
  ASSERT_FALSE(fs::exists(UserTemplateFolder()));
  SaveTemplateAsFields f = OpenSaveTemplateAs(*document_, types_);
  f.Name = "Album";
  SaveTemplateAsTarget t;
  ASSERT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::Accept);
  EXPECT_EQ(t.FileName, "Album.qlt");
  EXPECT_EQ(t.Path, UserTemplateFolder() + "/Album.qlt");
  EXPECT_TRUE(fs::is_directory(UserTemplateFolder()));
  EXPECT_EQ(f.Name, "Album");
  f.Name = "Album.QLT";
  ASSERT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::Accept);
  EXPECT_EQ(t.FileName, "Album.QLT");
  f.Name = "Album.qlf";
  ASSERT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::Accept);
  EXPECT_EQ(t.FileName, "Album.qlf.qlt");
  EXPECT_TRUE(sink_.Shown.empty());
}

TEST_F(SaveTemplate, AnEmptyNameOrOneWithASlashKeepsTheDialogOpen) {
  SaveTemplateAsFields f = OpenSaveTemplateAs(*document_, types_);
  SaveTemplateAsTarget t{"before", "before"};
  EXPECT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::KeepOpen);
  f.Name = "../Album";
  EXPECT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::KeepOpen);
  EXPECT_EQ(sink_.beeps, 2);
  EXPECT_EQ(t.FileName, "before");
}

TEST_F(SaveTemplate, AnExistingFileAsksAndNoKeepsTheDialogOpen) {
  ASSERT_TRUE(test::WriteTemplateFile(UserTemplateFolder() + "/Album.qlt", {.Genre = "MyTemp"}));
  SaveTemplateAsFields f = OpenSaveTemplateAs(*document_, types_);
  f.Name = "Album";
  SaveTemplateAsTarget t;
  sink_.Script = {MessageAnswer::No, MessageAnswer::Yes};
  EXPECT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::KeepOpen);
  EXPECT_EQ(f.Name, "Album");
  EXPECT_EQ(t.Path, "");
  ASSERT_EQ(sink_.Count(kReplaceQuestion), 1);
  EXPECT_EQ(sink_.Shown[0].Icon, MessageIcon::Exclamation);
  EXPECT_EQ(sink_.Shown[0].Buttons, MessageButtons::YesNo);
  EXPECT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::Accept);
  EXPECT_EQ(sink_.Count(kReplaceQuestion), 2);
  EXPECT_EQ(t.FileName, "Album.qlt");
  // Without an answer (the headless answer), nothing is replaced.
  EXPECT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::KeepOpen);
}

TEST_F(SaveTemplate, OkWritesTheFieldsIntoTheDocumentAndTheTemplateFile) {
  document_->SaveRelativePath = 0;
  SaveTemplateAsFields f = OpenSaveTemplateAs(*document_, types_);
  f.Name = "Album";
  f.Type = 1;
  f.Comment = "For the album";
  f.WithArrangedImages = true;
  SaveTemplateAsTarget t;
  ASSERT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::Accept);
  StoreSaveTemplateAs(f, t, *document_);
  EXPECT_EQ(document_->TemplateName, "Album.qlt");
  EXPECT_EQ(document_->NameGenre, "Weddings");
  EXPECT_EQ(document_->Comment, "For the album");
  EXPECT_EQ(document_->SaveWithArrangedImages, 1);
  ASSERT_TRUE(WriteTemplateAs(t, *document_));
  EXPECT_EQ(document_->SaveRelativePath, 0);  // put back
  EXPECT_EQ(document_->SavingTemplate, 0);
  EXPECT_TRUE(ApplicationTemplateArray().empty());  // listed from the next start on

  TemplateSummary s;
  ASSERT_TRUE(ReadTemplateSummary(t.Path, s));
  EXPECT_EQ(s.Genre, "Weddings");
  EXPECT_EQ(s.Comment, "For the album");
  EXPECT_FALSE(IsStandardTemplate(s, TemplateClassification::Genre));  // a user template

  f.Type = -1;  // no type to choose
  StoreSaveTemplateAs(f, t, *document_);
  EXPECT_EQ(document_->NameGenre, "");
}

TEST_F(SaveTemplate, SaveTemplateWritesTheSameFileAgainWithoutAsking) {
  EXPECT_EQ(SaveTemplatePath(*document_), "");  // never saved as a template: Save Template As runs
  EXPECT_FALSE(WriteTemplate(*document_));
  EXPECT_FALSE(fs::exists(UserTemplateFolder()));

  SaveTemplateAsFields f = OpenSaveTemplateAs(*document_, types_);
  f.Name = "Album";
  SaveTemplateAsTarget t;
  ASSERT_EQ(ConfirmSaveTemplateAs(f, t), SaveTemplateAsAnswer::Accept);
  StoreSaveTemplateAs(f, t, *document_);
  ASSERT_TRUE(WriteTemplateAs(t, *document_));

  document_->Comment = "changed";
  fs::remove_all(UserTemplateFolder());  // the folder is made again
  EXPECT_EQ(SaveTemplatePath(*document_), t.Path);
  ASSERT_TRUE(WriteTemplate(*document_));
  EXPECT_EQ(document_->SavingTemplate, 0);
  TemplateSummary s;
  ASSERT_TRUE(ReadTemplateSummary(t.Path, s));
  EXPECT_EQ(s.Comment, "changed");
  EXPECT_TRUE(sink_.Shown.empty());  // no question
}

TEST_F(SaveTemplate, AFailedWriteGivesFalse) {
  document_->TemplateName = "Album.qlt";
  fs::create_directories(UserTemplateFolder() + "/Album.qlt/inside");  // a folder where the file should go
  EXPECT_FALSE(WriteTemplate(*document_));
}

}  // namespace
}  // namespace tl
