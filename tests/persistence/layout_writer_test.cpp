// What the writer writes, what it leaves out, when it refuses, and that a
// failed save leaves the previous file as it was.
#include "persistence/layout_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "document/layout_document.h"
#include "imaging/preview_jpeg.h"
#include "persistence/base64.h"
#include "persistence/layout_reader.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

// The text of the first element `name` in `xml`, or "(absent)".
std::string Element(const std::string& xml, const std::string& name, size_t from = 0) {
  const std::string open = "<" + name + ">";
  const size_t start = xml.find(open, from);
  if (start == std::string::npos) {
    if (xml.find("<" + name + "/>", from) != std::string::npos) return "";
    return "(absent)";
  }
  const size_t end = xml.find("</" + name + ">", start);
  return xml.substr(start + open.size(), end - start - open.size());
}

int Occurrences(const std::string& xml, const std::string& text) {
  int n = 0;
  for (size_t at = xml.find(text); at != std::string::npos; at = xml.find(text, at + 1)) ++n;
  return n;
}

class LayoutWriter : public ::testing::Test {
 protected:
  DocumentPtr NewDocument() { return DocumentPtr(DocumentNew(nullptr, nullptr)); }
  std::string Saved(const LayoutDocument& d, const LayoutPreviewRenderer& renderer = {}) {
    const std::string path = dir_.File("out.qlf");
    EXPECT_TRUE(SaveLayoutFile(path, d, renderer));
    return test::ReadText(path);
  }
  ImageObject* AddImage(LayoutDocument& d, const std::string& path) {
    ImageObject* m = ImageObjectNew(d.DefaultImageSettings, &d.Objects);
    m->Owner = &d;
    m->ImagePath = path;
    m->ImageSrcManagementMode = 0;  // as a read header leaves an RGB image
    m->ImageSimIntent = 1;
    return m;
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_.Path())) names.push_back(e.path().filename().string());
    return names;
  }

  test::TempFolder dir_;
  test::MessageLog messages_;
};

TEST_F(LayoutWriter, ANewDocumentWritesTheDefaults) {
  const std::string xml = Saved(*NewDocument());
  const std::pair<const char*, const char*> expected[] = {
      {"Version", "1500"},        {"Platform", "Win"},
      {"OSVersion", "xxx"},       {"Comment", "\"\""},
      {"Paper", "0,0,4209,2976"}, {"Page", "0,0,4209,2976"},
      {"PaperOrient", "Portrait"}, {"PageNumber", "1"},
      {"Free", "false"},          {"AlignHorizontal", "Center"},
      {"AlignLine", "Bottom"},    {"AlignVertical", "Top"},
      {"AlignHorizontalSpacing", "70"}, {"AlignVerticalSpacing", "70"},
      {"HeaderFooterFontName", "\"\""}, {"HeaderFooterJustify", "Center"},
      {"ImageLabelItems", "Off"}, {"ImageLabelFontName", "\"Tahoma\""},
      {"CutLineMode", "None"},    {"CutLineOthersType", "At Corner"},
      {"LayoutMarginMode", "Auto"}, {"Color", "-"},
      {"Orientation", "Portrait"}, {"InputSrcProfile", "\"\""},
      // Left out when empty, or written only under a condition.
      {"NameGenre", "(absent)"},  {"HeaderText", "(absent)"},
      {"HeaderFixedDate", "(absent)"}, {"PrinterName", "(absent)"},
      {"ImageStampFileName", "(absent)"}, {"ImageCaptionString", "(absent)"},
      {"UserPreset", "(absent)"}, {"image", "(absent)"},
  };
  for (const auto& [name, text] : expected) EXPECT_EQ(Element(xml, name), text) << name;
  EXPECT_LT(xml.find("<header>"), xml.find("<layout>"));
  EXPECT_LT(xml.find("<layout>"), xml.find("<object"));
  EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
}

TEST_F(LayoutWriter, TheFixedDateIsWrittenOnlyWhenUsed) {
  DocumentPtr d = NewDocument();
  d->Footer.FixedDate = {2004, 5, 6};
  EXPECT_EQ(Element(Saved(*d), "FooterFixedDate"), "(absent)");
  d->Footer.UseFixedDate = 1;
  EXPECT_EQ(Element(Saved(*d), "FooterFixedDate"), "2004-5-6");
}

TEST_F(LayoutWriter, OriginOnlyInFreeLayout) {
  DocumentPtr d = NewDocument();
  ImageObject* m = AddImage(*d, dir_.File("a.jpg"));
  m->Origin = {100, 200};
  m->Size = {1260, 900};
  std::string xml = Saved(*d);
  EXPECT_EQ(Element(xml, "Origin"), "(absent)");
  EXPECT_EQ(Element(xml, "Size"), "900,1260");
  d->Free = 1;
  xml = Saved(*d);
  EXPECT_EQ(Element(xml, "Origin"), "200,100");
}

TEST_F(LayoutWriter, AFolderElementOnlyWhereTheFolderChanges) {
  DocumentPtr d = NewDocument();
  for (const char* path : {"/p/A/1.jpg", "/p/A/2.jpg", "/p/B/3.jpg", "/p/b/4.jpg", "/p/b/5.jpg"}) AddImage(*d, path);
  const std::string xml = Saved(*d);
  EXPECT_EQ(Occurrences(xml, "<Dir>"), 3);
  // Folders that differ only in case are different folders here.
  EXPECT_NE(xml.find("<Dir>\"/p/A\"</Dir>"), std::string::npos);
  EXPECT_NE(xml.find("<Dir>\"/p/B\"</Dir>"), std::string::npos);
  EXPECT_NE(xml.find("<Dir>\"/p/b\"</Dir>"), std::string::npos);

  d->SaveRelativePath = 1;
  fs::create_directories(dir_.File("Layouts"));
  AddImage(*d, dir_.File("Layouts/6.jpg"));
  AddImage(*d, dir_.File("Photos/7.jpg"));
  const std::string path = dir_.File("Layouts/rel.qlf");
  ASSERT_TRUE(SaveLayoutFile(path, *d));
  const std::string relative = test::ReadText(path);
  EXPECT_NE(relative.find("<RelativeDir>\"./\"</RelativeDir>"), std::string::npos);
  EXPECT_NE(relative.find("<RelativeDir>\"./../Photos/\"</RelativeDir>"), std::string::npos);
  EXPECT_EQ(Occurrences(relative, "<RelativeDir>"), 5);
}

TEST_F(LayoutWriter, FreeTextsWithoutTextAreLeftOut) {
  DocumentPtr d = NewDocument();
  FreeTextObjectNew(d.get(), &d->Objects);
  FreeTextObject* text = FreeTextObjectNew(d.get(), &d->Objects);
  text->String = "first\r\nsecond";
  text->Style.FontSize = 52;  // 10.4 pt
  const std::string xml = Saved(*d);
  EXPECT_EQ(Occurrences(xml, "<freeText>"), 1);
  EXPECT_EQ(Element(xml, "String"), "\"first\nsecond\"");
  EXPECT_EQ(Element(xml, "FontSize"), "10");
}

TEST_F(LayoutWriter, TextsAreEscapedAndReadBack) {
  DocumentPtr d = NewDocument();
  d->Comment = "Tom & Jerry <2004> \"best\" &amp;";
  d->Header.Text = "bell\x07 and bad \xFF byte";
  const std::string xml = Saved(*d);
  EXPECT_EQ(Element(xml, "Comment"), "\"Tom &amp; Jerry &lt;2004&gt; \"best\" &amp;amp;\"");
  const DocumentPtr read = LoadLayoutFile(dir_.File("out.qlf"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Comment, d->Comment);
  // What XML cannot carry is left out or replaced; the file still opens.
  EXPECT_EQ(read->Header.Text, "bell and bad \xEF\xBF\xBD byte");
}

TEST_F(LayoutWriter, EqualSpacingAndEmptyFontNamesAreWritten) {
  DocumentPtr d = NewDocument();
  d->AlignHorizontal = kAlignEqualSpacing;
  ImageObject* m = AddImage(*d, dir_.File("a.jpg"));
  m->LabelFontName = "";
  FreeTextObject* text = FreeTextObjectNew(d.get(), &d->Objects);
  text->String = "t";
  text->Style.FontName = "";
  const std::string xml = Saved(*d);
  EXPECT_EQ(Element(xml, "AlignHorizontal"), "Equal Spacing");
  EXPECT_EQ(Element(xml, "LabelFontName"), "\"\"");
  EXPECT_EQ(Element(xml, "FontName"), "\"\"");

  ASSERT_TRUE(test::WriteJpeg(dir_.File("a.jpg")));
  const DocumentPtr read = LoadLayoutFile(dir_.File("out.qlf"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->AlignHorizontal, kAlignEqualSpacing);
  EXPECT_EQ(AsImage(read->Objects.Head)->LabelFontName, "");
  EXPECT_EQ(AsFreeText(read->Objects.Head->Next)->Style.FontName, "");
  EXPECT_FALSE(read->Modified);
}

TEST_F(LayoutWriter, AGrayImageCanBeSaved) {
  ASSERT_TRUE(test::WriteJpeg(dir_.File("gray.jpg"), true));
  DocumentPtr d = NewDocument();
  ImageObject* m = AddImage(*d, dir_.File("gray.jpg"));
  m->ImageSrcIntent = 0;  // gray pictures have no source settings
  m->SrcProfileState = 0;
  m->ImageSrcUseEmbedProfile = 0;
  ASSERT_TRUE(SaveLayoutFile(dir_.File("out.qlf"), *d));
  const DocumentPtr read = LoadLayoutFile(dir_.File("out.qlf"));
  ASSERT_TRUE(read);
  EXPECT_EQ(AsImage(read->Objects.Head)->ImageSrcIntent, 0);
}

TEST_F(LayoutWriter, ValuesWithoutAWordFailTheSaveAndKeepTheOldFile) {
  const std::string path = dir_.File("kept.qlf");
  ASSERT_TRUE(test::WriteText(path, "the good old file"));
  struct Case {
    const char* what;
    std::function<void(LayoutDocument&)> damage;
  } cases[] = {
      {"AlignVertical", [](LayoutDocument& d) { d.AlignVertical = 3; }},
      {"AlignLine", [](LayoutDocument& d) { d.AlignLine = 0; }},
      {"OutputPrinterControls", [](LayoutDocument& d) { d.OutputPrinterControls = kByMonitorSimulation; }},
      {"Orientation", [](LayoutDocument& d) { d.Orientation = 0; }},
      {"InputSimMethod", [](LayoutDocument& d) { d.InputSimMethod = 3; }},
      {"InputSrcIntent", [](LayoutDocument& d) { d.InputSrcIntent = 6; }},
      {"ImageSizeMethod", [](LayoutDocument& d) { d.DefaultImageSettings->SizeMethod = 0; }},
      {"ImageFrameSetting", [](LayoutDocument& d) { d.DefaultImageSettings->FrameSetting = 3; }},
      {"ImageLabelAlign", [](LayoutDocument& d) { d.DefaultImageSettings->LabelAlign = -1; }},
      {"CropMode", [](LayoutDocument& d) { AsImage(d.Objects.Head)->CropMode = 3; }},
      {"ImageSrcManagementMode", [](LayoutDocument& d) { AsImage(d.Objects.Head)->ImageSrcManagementMode = 1; }},
      {"CaptionLocation", [](LayoutDocument& d) { AsImage(d.Objects.Head)->CaptionLocation = 4; }},
      {"ColorTuneMode", [](LayoutDocument& d) { AsImage(d.Objects.Head)->ColorTuneMode = 3; }},
      {"an image without a file name", [](LayoutDocument& d) { AsImage(d.Objects.Head)->ImagePath = "/photos/"; }},
  };
  for (const Case& c : cases) {
    DocumentPtr d = NewDocument();
    AddImage(*d, "/photos/a.jpg");
    c.damage(*d);
    EXPECT_FALSE(SaveLayoutFile(path, *d)) << c.what;
    EXPECT_EQ(test::ReadText(path), "the good old file") << c.what;
  }
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"kept.qlf"});
  EXPECT_TRUE(messages_.texts.empty());
}

TEST_F(LayoutWriter, AFailedWriteKeepsTheOldFile) {
  const std::string path = dir_.File("kept.qlf");
  ASSERT_TRUE(test::WriteText(path, "the good old file"));
  DocumentPtr d = NewDocument();

  // The disk fills up half way.
  EXPECT_FALSE(test::WithFileSizeLimit(1000, [&] { return SaveLayoutFile(path, *d); }));
  EXPECT_EQ(test::ReadText(path), "the good old file");
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"kept.qlf"});  // no temporary file is left

  EXPECT_FALSE(SaveLayoutFile(dir_.File("no/such/folder/x.qlf"), *d));
  fs::create_directories(dir_.File("folder.qlf/inside"));
  EXPECT_FALSE(SaveLayoutFile(dir_.File("folder.qlf"), *d));
  EXPECT_TRUE(fs::is_directory(dir_.File("folder.qlf/inside")));

  // Then a save that works replaces the file whole.
  ASSERT_TRUE(SaveLayoutFile(path, *d));
  EXPECT_NE(test::ReadText(path).find("<root>"), std::string::npos);
}

TEST_F(LayoutWriter, SavingThroughALinkReplacesTheFileItNames) {
  const std::string target = dir_.File("real.qlf");
  ASSERT_TRUE(test::WriteText(target, "old"));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(target, dir_.File("link.qlf"));
  ASSERT_TRUE(SaveLayoutFile(dir_.File("link.qlf"), *NewDocument()));
  EXPECT_TRUE(fs::is_symlink(dir_.File("link.qlf")));
  EXPECT_NE(test::ReadText(target).find("<root>"), std::string::npos);
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(LayoutWriter, TemplatesKeepTheirObjectsOnlyWhenAsked) {
  DocumentPtr d = NewDocument();
  AddImage(*d, "/photos/a.jpg");
  d->SavingTemplate = 1;
  EXPECT_EQ(Element(Saved(*d), "object"), "(absent)");
  d->SaveWithArrangedImages = 1;
  EXPECT_EQ(Occurrences(Saved(*d), "<image>"), 1);
  d->SavingTemplate = 0;
  d->RecordState = 0;  // the application default document keeps no objects
  EXPECT_EQ(Element(Saved(*d), "object"), "(absent)");
}

std::array<int, 3> PreviewPixel(const std::string& xml) {
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(Base64Decode(Element(xml, "Preview"), jpeg));
  const BitmapPtr picture = DecodePreviewJpeg(jpeg.data(), jpeg.size());
  if (!picture) return {-1, -1, -1};
  const uint8_t* p = picture->Row(64) + 64 * 4;
  return {p[2], p[1], p[0]};
}

TEST_F(LayoutWriter, ThePreviewIsABlankPageOrWhatTheRendererDraws) {
  DocumentPtr d = NewDocument();
  d->PaperColor = MakeColor(200, 30, 40);
  const auto blank = PreviewPixel(Saved(*d));
  EXPECT_NEAR(blank[0], 200, 6);
  EXPECT_NEAR(blank[1], 30, 6);
  EXPECT_NEAR(blank[2], 40, 6);

  int calls = 0;
  const LayoutPreviewRenderer renderer = [&](const LayoutDocument& doc, OffscreenBitmap& page) {
    ++calls;
    EXPECT_EQ(&doc, d.get());
    EXPECT_EQ(page.Width, 128);
    EXPECT_EQ(page.Height, 128);
    EXPECT_EQ(page.Row(0)[0], 255);  // handed over white
    for (int32_t y = 0; y < page.Height; ++y)
      for (int32_t x = 0; x < page.Width; ++x) page.Row(y)[x * 4 + 1] = 0;  // no green
    return true;
  };
  const auto drawn = PreviewPixel(Saved(*d, renderer));
  EXPECT_EQ(calls, 1);
  EXPECT_NEAR(drawn[0], 255, 6);
  EXPECT_NEAR(drawn[1], 0, 6);
  EXPECT_NEAR(drawn[2], 255, 6);

  const auto failed = PreviewPixel(Saved(*d, [](const LayoutDocument&, OffscreenBitmap&) { return false; }));
  EXPECT_NEAR(failed[0], 200, 6);
}

}  // namespace
}  // namespace tl
