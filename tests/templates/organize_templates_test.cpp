// Organize Template: what each tree item lists, user types, deleting and
// renaming template files.
#include <gtest/gtest.h>

#include <filesystem>

#include "templates/organize_templates.h"
#include "tests/persistence/persistence_fixtures.h"
#include "tests/templates/templates_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using test::MakeSummary;

TEST(OrganizeList, EachTreeItemListsItsTemplates) {
  const TemplateArray t = {
      MakeSummary("/a/Proof.qlt", {.Genre = "Commercial Photo", .OutputImageForm = "Photo"}),
      MakeSummary("/a/Mine.qlt", {.Genre = "Weddings", .OutputImageForm = "Card"}),
      MakeSummary("/a/Odd.qlt", {.Genre = "Shop", .OutputImageForm = "Poster"}),
      MakeSummary("/a/Gone.qlt", {.Genre = "Deleted type"}),
  };
  EXPECT_EQ(OrganizeListed(t, {0x65, false, ""}), (std::vector<size_t>{0, 2}));
  EXPECT_EQ(OrganizeListed(t, {0x65, true, "Shop"}), std::vector<size_t>{2});
  EXPECT_EQ(OrganizeListed(t, {0x66, false, ""}), (std::vector<size_t>{0, 1}));
  EXPECT_EQ(OrganizeListed(t, {0x66, true, "Card"}), std::vector<size_t>{1});
  EXPECT_EQ(OrganizeListed(t, {0x67, false, ""}), (std::vector<size_t>{1, 3}));
  EXPECT_EQ(OrganizeListed(t, {0x67, true, "Weddings"}), std::vector<size_t>{1});
  EXPECT_TRUE(OrganizeListed(t, {0x67, true, "MyTemp"}).empty());
  EXPECT_TRUE(OrganizeListed(t, {0x42, false, ""}).empty());
}

TEST(OrganizeTypes, AddAndDeleteTypes) {
  std::vector<std::string> types = {"MyTemp"};
  EXPECT_FALSE(AddTemplateType(types, ""));
  EXPECT_EQ(types, std::vector<std::string>{"MyTemp"});
  EXPECT_TRUE(AddTemplateType(types, "Weddings"));
  EXPECT_TRUE(AddTemplateType(types, "MyTemp"));
  EXPECT_EQ(types, (std::vector<std::string>{"MyTemp", "Weddings", "MyTemp"}));
  EXPECT_EQ(DeleteTemplateType(types, "MyTemp"), 2u);  // every entry of that name
  EXPECT_EQ(types, std::vector<std::string>{"Weddings"});
  EXPECT_EQ(DeleteTemplateType(types, "Nothing"), 0u);
}

class OrganizeFiles : public ::testing::Test {
 protected:
  std::string Add(const std::string& name, const std::string& genre = "MyTemp") {
    const std::string path = folder_.File(name);
    EXPECT_TRUE(test::WriteTemplateFile(path, {.Genre = genre}));
    TemplateSummary s;
    EXPECT_TRUE(ReadTemplateSummary(path, s));
    templates_.push_back(s);
    return path;
  }
  test::TempFolder folder_;
  TemplateArray templates_;
};

TEST_F(OrganizeFiles, DeletingATemplateDeletesItsFileAndEntry) {
  const std::string a = Add("A.qlt");
  const std::string b = Add("B.qlt");
  EXPECT_TRUE(DeleteTemplate(templates_, 0));
  EXPECT_FALSE(fs::exists(a));
  ASSERT_EQ(templates_.size(), 1u);
  EXPECT_EQ(templates_[0].Path, b);
  EXPECT_FALSE(DeleteTemplate(templates_, 1));  // out of range: nothing
  EXPECT_EQ(templates_.size(), 1u);
}

TEST_F(OrganizeFiles, TheEntryGoesEvenWhenTheFileCannotBeDeleted) {
  const std::string a = Add("A.qlt");
  fs::remove(a);
  fs::create_directories(a + "/not empty");  // a folder the system will not delete as a file
  EXPECT_FALSE(DeleteTemplate(templates_, 0));
  EXPECT_TRUE(templates_.empty());
  EXPECT_TRUE(fs::is_directory(a + "/not empty"));
}

TEST_F(OrganizeFiles, RenamingMovesTheFileInItsFolder) {
  const std::string a = Add("A.qlt");
  Add("B.qlt");
  EXPECT_EQ(RenameTemplate(templates_, 0, "Album.qlt"), RenameOutcome::Renamed);
  EXPECT_EQ(templates_[0].Path, folder_.File("Album.qlt"));
  EXPECT_FALSE(fs::exists(a));
  EXPECT_TRUE(fs::exists(folder_.File("Album.qlt")));
  // The extension is what was typed.
  EXPECT_EQ(RenameTemplate(templates_, 0, "Album"), RenameOutcome::Renamed);
  EXPECT_TRUE(fs::exists(folder_.File("Album")));
}

TEST_F(OrganizeFiles, RenamingToTheNameOfAnotherTemplateIsRefused) {
  const std::string a = Add("A.qlt");
  Add("B.qlt");
  fs::create_directories(folder_.File("elsewhere"));
  templates_.push_back(MakeSummary(folder_.File("elsewhere/C.qlt"), {}));
  EXPECT_EQ(RenameTemplate(templates_, 0, "B.qlt"), RenameOutcome::Refused);
  EXPECT_EQ(RenameTemplate(templates_, 0, "C.qlt"), RenameOutcome::Refused);  // the file name anywhere
  EXPECT_EQ(RenameTemplate(templates_, 0, "A.qlt"), RenameOutcome::Refused);
  EXPECT_EQ(RenameTemplate(templates_, 0, ""), RenameOutcome::Refused);
  EXPECT_EQ(RenameTemplate(templates_, 0, "x/y.qlt"), RenameOutcome::Refused);
  EXPECT_EQ(RenameTemplate(templates_, 5, "D.qlt"), RenameOutcome::Refused);
  EXPECT_EQ(templates_[0].Path, a);
  EXPECT_TRUE(fs::exists(a));
}

TEST_F(OrganizeFiles, WhenTheSystemRefusesTheMoveTheEntryIsRenamedAnyway) {
  const std::string a = Add("A.qlt");
  const std::string b = Add("B.qlt");
  ASSERT_TRUE(test::WriteText(folder_.File("Notes.txt"), "keep"));  // on disk, not a template
  EXPECT_EQ(RenameTemplate(templates_, 0, "Notes.txt"), RenameOutcome::EntryOnly);
  EXPECT_EQ(templates_[0].Path, folder_.File("Notes.txt"));
  EXPECT_TRUE(fs::exists(a));  // unchanged on disk
  EXPECT_EQ(test::ReadText(folder_.File("Notes.txt")), "keep");

  fs::remove(b);
  EXPECT_EQ(RenameTemplate(templates_, 1, "C.qlt"), RenameOutcome::EntryOnly);
  EXPECT_EQ(templates_[1].Path, folder_.File("C.qlt"));
}

}  // namespace
}  // namespace tl
