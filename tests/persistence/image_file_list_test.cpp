// The folder walk of Get Image, drops and the command line: the names in
// the order given, each folder's entries by name with its sub-folders
// walked where they come, and links that lead back up the tree skipped.
#include "persistence/image_file_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

TEST(CollectImageFiles, TakesNamesInOrderAndFolderEntriesByName) {
  test::TempFolder dir;
  const fs::path root = dir.Path();
  for (const char* folder : {"pick/a/y", "pick/b"}) fs::create_directories(root / folder);
  for (const char* file : {"pick/c.jpg", "pick/b.jpg", "pick/.hidden.jpg", "pick/a/z.jpg", "pick/a/y/x.jpg",
                           "pick/b/d.jpg", "lone.jpg"})
    ASSERT_TRUE(test::WriteBytes((root / file).string(), {1}));
  fs::create_directory_symlink(root / "pick", root / "pick/a/back");  // back up the tree

  const std::vector<std::string> files =
      CollectImageFiles({(root / "lone.jpg").string(), (root / "pick").string(), (root / "missing.jpg").string()});

  std::vector<std::string> expected;
  for (const char* file : {"lone.jpg", "pick/.hidden.jpg", "pick/a/y/x.jpg", "pick/a/z.jpg", "pick/b/d.jpg",
                           "pick/b.jpg", "pick/c.jpg", "missing.jpg"})
    expected.push_back((root / file).string());
  EXPECT_EQ(files, expected);
}

}  // namespace
}  // namespace tl
