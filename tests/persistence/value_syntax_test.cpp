#include "persistence/value_syntax.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "persistence/base64.h"
#include "persistence/folder_rules.h"

namespace tl {
namespace {

TEST(ValueSyntax, IntegersReadTheRunsOfDigits) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {
      {"70", 70},          {"-45", -45},     {"x-12y", -12},       {"- 5", 5},
      {"", 0},             {"none", 0},      {"3.7", 3},           {"99999999999", INT32_MAX},
      {"-99999999999", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadInteger(c.text), c.value) << c.text;
  EXPECT_EQ(Low16(70000), int16_t(70000 - 65536));

  const auto four = ReadIntegers<4>("1,-2");  // the missing ones are 0
  EXPECT_EQ(four, (std::array<int32_t, 4>{1, -2, 0, 0}));
}

TEST(ValueSyntax, BoolsLenientAndStrict) {
  EXPECT_TRUE(ReadBool("true"));
  EXPECT_TRUE(ReadBool("TRUE"));
  EXPECT_FALSE(ReadBool("yes"));
  EXPECT_FALSE(ReadBool("true "));
  bool value = false;
  EXPECT_TRUE(ReadStrictBool("true", value) && value);
  EXPECT_TRUE(ReadStrictBool("false", value) && !value);
  EXPECT_FALSE(ReadStrictBool("TRUE", value));
  EXPECT_FALSE(ReadStrictBool("", value));
}

TEST(ValueSyntax, PairsRectanglesColoursAndDatesKeepTheirFileOrder) {
  EXPECT_EQ(PointText({100, 200}), "200,100");
  EXPECT_EQ(ReadPoint("200,100"), (LPoint{100, 200}));
  EXPECT_EQ(SizeText({1260, 900}), "900,1260");
  EXPECT_EQ(ReadSize("900,1260"), (LSize{1260, 900}));
  const LRect r = {1, 2, 3, 4};  // left, top, right, bottom
  EXPECT_EQ(RectText(r), "2,1,4,3");
  EXPECT_EQ(ReadRect("2,1,4,3"), r);
  EXPECT_EQ(ColorText(MakeColor(255, 128, 0)), "255,128,0");
  EXPECT_EQ(ReadColor("255,128,0"), MakeColor(255, 128, 0));
  EXPECT_EQ(ReadColor("300,-1,7"), MakeColor(255, 0, 7));  // components stay within their byte
  EXPECT_EQ(DateText({2004, 5, 6}), "2004-5-6");
  EXPECT_EQ(ReadDate("2004-5-6"), (std::array<int16_t, 3>{2004, 5, 6}));
}

TEST(ValueSyntax, PointSizesAreWholePoints) {
  EXPECT_EQ(PointsText(52), "10");  // 10.4 pt
  EXPECT_EQ(ReadPoints("10"), 50);
  EXPECT_EQ(PointsText(0), "0");
}

TEST(ValueSyntax, FacesAndLabelItemsAreNamedBits) {
  EXPECT_EQ(FaceText(0), "Normal");
  EXPECT_EQ(FaceText(0x100 | 0x400), "Bold+Underline");
  EXPECT_EQ(ReadFace("Italic+Bold"), 0x300);
  EXPECT_EQ(ReadFace("Heavy"), 0);

  EXPECT_EQ(LabelItemsText(0), "Off");
  EXPECT_EQ(LabelItemsText(0x1 | 0x2 | 0x1000000), "Number+Name+Flash");
  EXPECT_EQ(ReadLabelItems("Name+Number"), 0x3);
  EXPECT_EQ(ReadLabelItems("Name+Off"), 0);  // "Off" anywhere clears them all
  for (int32_t bit = 0; bit < 25; ++bit)
    EXPECT_EQ(ReadLabelItems(LabelItemsText(1 << bit)), 1 << bit) << LabelItemsText(1 << bit);
}

TEST(ValueSyntax, TextsAreQuotedWithoutCarriageReturns) {
  EXPECT_EQ(QuotedText("two\r\nlines"), "\"two\nlines\"");
  EXPECT_EQ(ReadQuotedText("\"two\nlines\""), "two\r\nlines");
  EXPECT_EQ(ReadQuotedText("\"say \"hi\"\""), "say \"hi\"");  // first to last quote
  EXPECT_EQ(ReadQuotedText("no quotes"), "");
  EXPECT_EQ(ReadQuotedText("\"one"), "");
  EXPECT_EQ(ReadQuotedText("\"\""), "");

  const std::string long300(300, 'x');
  EXPECT_EQ(ReadQuotedTextCut(QuotedText(long300)).size(), 255u);
  // 254 bytes and a two-byte character: the cut keeps 254, not half of it.
  const std::string cutInside = std::string(254, 'x') + "\xC3\xA9" + "tail";
  EXPECT_EQ(ReadQuotedTextCut(QuotedText(cutInside)), std::string(254, 'x'));
}

TEST(ValueSyntax, XmlSafeTextDropsWhatXmlCannotCarry) {
  EXPECT_EQ(XmlSafeText("a&b<c>\"d\""), "a&b<c>\"d\"");  // escaping is the writer's
  EXPECT_EQ(XmlSafeText("tab\tline\nbell\x07"), "tab\tline\nbell");
  EXPECT_EQ(XmlSafeText("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(XmlSafeText("bad\xFFz"), "bad\xEF\xBF\xBDz");
  EXPECT_EQ(XmlSafeText("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // an encoded surrogate
}

TEST(Base64, EncodesAndDecodesWholeGroups) {
  const std::vector<uint8_t> bytes = {'M', 'a', 'n', 'y', 0xFF};
  const std::string text = Base64Encode(bytes);
  EXPECT_EQ(text, "TWFuef8=");
  std::vector<uint8_t> back;
  ASSERT_TRUE(Base64Decode(text, back));
  ASSERT_EQ(back.size(), 6u);  // length / 4 x 3: the padded byte is 0
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), back.begin()));
  EXPECT_EQ(back[5], 0);

  EXPECT_TRUE(Base64Decode(std::string(1000, 'A'), back));
  EXPECT_EQ(back.size(), 750u);
  EXPECT_FALSE(Base64Decode("TW=u", back));  // padding inside
  EXPECT_FALSE(Base64Decode("TW u", back));
  EXPECT_TRUE(back.empty());
}

TEST(FolderRules, RelativeFoldersOfTheLayoutFile) {
  struct Case {
    const char* layout;
    const char* folder;
    const char* relative;
  } cases[] = {
      {"/work/Layouts/a.qlf", "/work/Photos/2004/", "./../Photos/2004/"},
      {"/work/Layouts/a.qlf", "/work/Layouts/", "./"},
      {"/work/Layouts/a.qlf", "/work/Layouts/sub/", "./sub/"},
      {"/work/Layouts/a.qlf", "/work/Lay/", "./../Lay/"},
      // Only the root in common: still relative on this system.
      {"/home/me/a.qlf", "/mnt/photos/", "./../../mnt/photos/"},
      {"a.qlf", "photos/", ""},  // nothing in common
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MakeRelativeFolder(c.layout, c.folder), c.relative) << c.layout << " " << c.folder;
    if (*c.relative) {
      // Resolving gives the folder back.
      EXPECT_EQ(ResolveRelativeFolder(c.layout, c.relative), c.folder);
    }
  }
  // Folders are normal: no "." or ".." parts are kept.
  EXPECT_EQ(ResolveRelativeFolder("/work/Layouts/a.qlf", "./../Photos/2004/"), "/work/Photos/2004/");
  EXPECT_EQ(ResolveRelativeFolder("/work/Layouts/a.qlf", "../Photos/"), "/work/Photos/");
  EXPECT_EQ(ResolveRelativeFolder("/work/Layouts/a.qlf", "Photos/"), "/work/Layouts/Photos/");
  EXPECT_EQ(ResolveRelativeFolder("/work/Layouts/a.qlf", ".\\..\\Photos\\"), "/work/Photos/");
  EXPECT_EQ(ResolveRelativeFolder("/work/Layouts/./x/../a.qlf", "./Photos/../Prints/"), "/work/Layouts/Prints/");
  EXPECT_EQ(NativeFolder("/work/Layouts/../Photos"), "/work/Photos");
  EXPECT_EQ(NativeFolder("C:\\Layouts\\..\\Photos"), "C:/Photos");
  EXPECT_EQ(JoinFolderAndFile("/work/Layouts/../Photos", "a.jpg"), "/work/Photos/a.jpg");
  EXPECT_EQ(MakeRelativeFolder("/work/Layouts/a.qlf", "/work/Layouts/../Photos/"), "./../Photos/");
  EXPECT_EQ(ResolveRelativeFolder("/a.qlf", "../x/"), "/x/");  // climbs stop at the root
}

TEST(FolderRules, FoldersAndFileNames) {
  EXPECT_EQ(ImageFolderOf("/a/b/c.jpg"), "/a/b");
  EXPECT_EQ(ImageFolderOf("/c.jpg"), "/");
  EXPECT_EQ(ImageFolderOf("/a/b/"), "");
  EXPECT_EQ(ImageFolderOf(""), "");
  EXPECT_EQ(FileNamePart("C:\\Photos\\a.jpg"), "a.jpg");
  EXPECT_EQ(NativeFolder("C:\\Photos\\2004"), "C:/Photos/2004");
  EXPECT_EQ(JoinFolderAndFile("/a/b", "c.jpg"), "/a/b/c.jpg");
  EXPECT_EQ(JoinFolderAndFile("/a/b/", "c.jpg"), "/a/b/c.jpg");
}

}  // namespace
}  // namespace tl
