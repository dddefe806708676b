// Hand-over lists from another program: the INI and text forms, entries
// that are missing or beyond the count, and the list file deleted after it
// was taken.
#include "persistence/hand_over_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/imaging/fixtures.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

class HandOverList : public ::testing::Test {
 protected:
  // Writes `text` as the list file and takes it.
  Paths Take(const std::string& text, HandOverListForm form) {
    const std::string path = dir_.File(form == HandOverListForm::Ini ? "list.ini" : "list.txt");
    EXPECT_TRUE(test::WriteText(path, text));
    Paths paths;
    EXPECT_TRUE(TakeHandOverList(path, form, &paths));
    EXPECT_FALSE(fs::exists(path)) << "the list file is deleted";
    return paths;
  }

  test::TempFolder dir_;
};

TEST_F(HandOverList, IniListGivesItsImagesInOrder) {
  EXPECT_EQ(Take("[ENTRY]\r\nEntryNum=3\r\n[IMAGE02]\r\nPATH=/photos/b.jpg\r\n[IMAGE01]\r\nPATH=/photos/a.jpg\r\n"
                 "[IMAGE03]\r\nPATH=/photos/c d.tif\r\n",
                 HandOverListForm::Ini),
            (Paths{"/photos/a.jpg", "/photos/b.jpg", "/photos/c d.tif"}));
}

TEST_F(HandOverList, IniEntriesMissingOrBeyondTheCountAreSkipped) {
  struct Case {
    std::string Text;
    Paths Expected;
  };
  const std::string images = "[IMAGE01]\nPATH=/a.jpg\n[IMAGE02]\nOTHER=1\n[IMAGE03]\nPATH=/c.jpg\n[IMAGE10]\nPATH=/j.jpg\n";
  const Case cases[] = {
      {"[ENTRY]\nEntryNum=0\n" + images, {}},
      {images, {}},  // no count at all
      {"[ENTRY]\nEntryNum=-4\n" + images, {}},
      {"[ENTRY]\nEntryNum=two\n" + images, {}},
      {"[ENTRY]\nEntryNum=1\n" + images, {"/a.jpg"}},
      {"[ENTRY]\nEntryNum=3\n" + images, {"/a.jpg", "/c.jpg"}},  // IMAGE02 has no PATH
      {"[ENTRY]\nEntryNum=10\n" + images, {"/a.jpg", "/c.jpg", "/j.jpg"}},
      // The section names are those "IMAGE%02d" makes, in any case.
      {"[entry]\nentrynum=12\n[IMAGE1]\nPATH=/1.jpg\n[IMAGE001]\nPATH=/001.jpg\n[image02]\npath=/02.jpg\n"
       "[IMAGE011]\nPATH=/011.jpg\n[IMAGE12]\nPATH=/12.jpg\n",
       {"/02.jpg", "/12.jpg"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Take(c.Text, HandOverListForm::Ini), c.Expected) << c.Text;
}

TEST_F(HandOverList, AnAbsurdCountCostsNoMoreThanTheSectionsPresent) {
  for (const char* count : {"2147483647", "99999999999999999999", "4294967298"})
    EXPECT_EQ(Take(std::string("[ENTRY]\nEntryNum=") + count + "\n[IMAGE01]\nPATH=/a.jpg\n[IMAGE99999]\nPATH=/z.jpg\n",
                   HandOverListForm::Ini),
              (Paths{"/a.jpg", "/z.jpg"}))
        << count;
}

TEST_F(HandOverList, TextListGivesOnePathPerLine) {
  struct Case {
    std::string Text;
    Paths Expected;
  };
  const Case cases[] = {
      {"/photos/a.jpg\n/photos/b c.jpg\n", {"/photos/a.jpg", "/photos/b c.jpg"}},
      {"/photos/a.jpg\r\n\r\n  \r\n/photos/b.jpg", {"/photos/a.jpg", "/photos/b.jpg"}},
      {"\xEF\xBB\xBF/photos/\xC3\xA9t\xC3\xA9.jpg\r\n", {"/photos/\xC3\xA9t\xC3\xA9.jpg"}},
      {"", {}},
      {"\n\r\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Take(c.Text, HandOverListForm::Text), c.Expected) << c.Text;
}

TEST_F(HandOverList, AMissingListGivesNothing) {
  Paths paths{"stale"};
  EXPECT_FALSE(TakeHandOverList(dir_.File("none.ini"), HandOverListForm::Ini, &paths));
  EXPECT_TRUE(paths.empty());
  EXPECT_FALSE(TakeHandOverList(dir_.File("none.txt"), HandOverListForm::Text, &paths));
  // A list path naming a folder leaves the folder alone.
  fs::create_directory(dir_.File("folder"));
  TakeHandOverList(dir_.File("folder"), HandOverListForm::Text, &paths);
  EXPECT_TRUE(paths.empty());
  EXPECT_TRUE(fs::is_directory(dir_.File("folder")));
}

}  // namespace
}  // namespace tl
