// Hand-written layout files read as the format says: folders, texts,
// strict and lenient words, limits, fonts, missing and unreadable images,
// and every malformed file of the failure table.
#include "persistence/layout_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "document/layout_document.h"
#include "imaging/import_extensions.h"
#include "persistence/template_summary.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

constexpr int kFailedToOpen = 10417;
constexpr int kMissingFonts = 10425;
constexpr int kNeedsImporter = 10448;

class LayoutReader : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::WriteJpeg(dir_.File("a.jpg")));
    ASSERT_TRUE(test::WriteJpeg(dir_.File("b.jpg")));
    ASSERT_TRUE(test::WriteJpeg(dir_.File("gray.jpg"), true));
  }
  DocumentPtr Read(const std::string& xml, const LayoutReadOptions& options = {}) {
    const std::string path = dir_.File("test.qlf");
    EXPECT_TRUE(test::WriteText(path, xml));
    return LoadLayoutFile(path, options);
  }
  std::string Dir() const { return "<Dir>\"" + dir_.Path() + "\"</Dir>"; }
  static const ImageObject* Image(const LayoutDocument& d, int n) {
    int i = 0;
    for (const LayoutObject* o : d.Objects)
      if (IsImage(o) && i++ == n) return AsImage(o);
    return nullptr;
  }

  test::TempFolder dir_;
  test::MessageLog messages_;
};

TEST_F(LayoutReader, TheFailureTableGivesFailedToOpenFile) {
  const std::string header = "<header><Version>1</Version><Platform>W</Platform><OSVersion>x</OSVersion></header>";
  const std::string lineWithArrowAngle200 =
      "<freeLine><Origin>0,0</Origin><LineStyle>Solid</LineStyle><Thickness>1</Thickness><Length>9</Length>"
      "<Angle>0</Angle><LineColor>0,0,0</LineColor><ArrowMark>None</ArrowMark><ArrowAngle>200</ArrowAngle>"
      "<ArrowFill>true</ArrowFill><ArrowSize>Small</ArrowSize></freeLine>";
  struct Case {
    const char* what;
    std::string xml;
  } cases[] = {
      {"unknown layout element", test::LayoutXml("<Foo>1</Foo>")},
      {"unknown root element", "<root>" + header + "<layout/><trailer/></root>"},
      {"unknown header element", test::LayoutXml("", "", "<Version>1</Version><Platform>W</Platform><OSVersion>x</OSVersion><Extra/>")},
      {"header lacks OSVersion", test::LayoutXml("", "", "<Version>1500</Version><Platform>Win</Platform>")},
      {"word not in the table", test::LayoutXml("<AlignHorizontal>Middle</AlignHorizontal>")},
      {"word compared with case", test::LayoutXml("<Orientation>portrait</Orientation>")},
      {"intent not in the table", test::LayoutXml("<InputSrcIntent>Relative Colorimetric</InputSrcIntent>")},
      {"font name of 32 bytes", test::LayoutXml("<HeaderFooterFontName>\"" + std::string(32, 'f') + "\"</HeaderFooterFontName>")},
      {"profile text of 256 bytes", test::LayoutXml("<InputSrcProfile>\"" + std::string(256, 'p') + "\"</InputSrcProfile>")},
      {"page without area", test::LayoutXml("<Paper>0,0,0,2976</Paper>")},
      {"object before layout", "<root>" + header + "<object/><layout/></root>"},
      {"two layouts", "<root><layout/><layout/></root>"},
      {"no layout at all", "<root>" + header + "</root>"},
      {"unknown object kind", test::LayoutXml("", "<picture/>")},
      {"unknown image element", test::LayoutXml("", test::ImageXml(Dir(), "a.jpg", "<Colour>1</Colour>"))},
      {"empty Dir", test::LayoutXml("", test::ImageXml("<Dir>\"\"</Dir>", "a.jpg"))},
      {"empty RelativeDir", test::LayoutXml("", test::ImageXml("<RelativeDir>\"\"</RelativeDir>", "a.jpg"))},
      {"empty File", test::LayoutXml("", test::ImageXml(Dir(), ""))},
      {"image without File", test::LayoutXml("", test::ImageXml(Dir(), "a.jpg", "", "File"))},
      {"image without Size", test::LayoutXml("", test::ImageXml(Dir(), "a.jpg", "", "Size"))},
      {"free layout image without Origin", test::LayoutXml("<Free>true</Free>", test::ImageXml(Dir(), "a.jpg"))},
      {"strict bool in capitals", test::LayoutXml("", test::ImageXml(Dir(), "a.jpg", "<CropFixedRatio>TRUE</CropFixedRatio>", "CropFixedRatio"))},
      {"Flip is strict", test::LayoutXml("", test::ImageXml(Dir(), "a.jpg", "<Flip>yes</Flip>", "Flip"))},
      {"Rotate of 45", test::LayoutXml("", test::ImageXml(Dir(), "a.jpg", "<Rotate>45</Rotate>", "Rotate"))},
      {"label location word", test::LayoutXml("", test::ImageXml(Dir(), "a.jpg", "<LabelLocation>Middle</LabelLocation>", "LabelLocation"))},
      {"free text angle 181", test::LayoutXml("", test::FreeTextXml("x", "<Angle>181</Angle>", "Angle"))},
      {"free text without Justify", test::LayoutXml("", test::FreeTextXml("x", "", "Justify"))},
      {"free line angle -181", test::LayoutXml("", test::FreeLineXml("0,0", 100, -181))},
      {"free line arrow angle 200", test::LayoutXml("", lineWithArrowAngle200)},
      {"free line style word", test::LayoutXml("", "<freeLine><LineStyle>Dotted</LineStyle></freeLine>")},
  };
  for (const Case& c : cases) {
    messages_.texts.clear();
    EXPECT_FALSE(Read(c.xml)) << c.what;
    EXPECT_EQ(messages_.Count(kFailedToOpen), 1) << c.what;
  }
}

TEST_F(LayoutReader, FilesThatAreNotXmlFailWithoutAMessage) {
  for (const char* text : {"", "not xml at all", "<root><layout>", "\xFF\xFE<root/>"}) {
    EXPECT_FALSE(Read(text)) << text;
  }
  EXPECT_FALSE(LoadLayoutFile(dir_.File("missing.qlf")));
  EXPECT_FALSE(LoadLayoutFile(dir_.Path()));  // a folder
  EXPECT_TRUE(messages_.texts.empty());
}

TEST_F(LayoutReader, ANewPageReadsBackWithItsLimit) {
  const DocumentPtr d = Read(test::LayoutXml("<Paper>0,0,4209,2976</Paper><PaperOrient>Portrait</PaperOrient>"
                                             "<Page>0,0,4209,2976</Page><PageNumber>1</PageNumber>"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->PageWidth, 2976);
  EXPECT_EQ(d->PageHeight, 4209);
  EXPECT_EQ(d->MaxPageCount, 50);
  // The A4 row of the paper table is 2975 x 4210 units; the page is not it.
  EXPECT_EQ(d->PaperTableIndex, -1);
  EXPECT_EQ(d->PaperSizeID, 9);
  EXPECT_EQ(d->DocumentPath, dir_.File("test.qlf"));
  EXPECT_EQ(d->RecordState, kRecordLive);
}

TEST_F(LayoutReader, RowsApplyInFileOrder) {
  // A later duplicate wins; Banner after Paper keeps the page limit at 1;
  // a page that matches no paper row has none.
  const DocumentPtr d = Read(test::LayoutXml("<AlignVerticalSpacing>10</AlignVerticalSpacing><Paper>0,0,9000,2976</Paper>"
                                             "<PaperOrient>Portrait</PaperOrient><Banner>TRUE</Banner>"
                                             "<AlignVerticalSpacing>20</AlignVerticalSpacing>"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->AlignVerticalSpacing, 20);
  EXPECT_TRUE(d->Banner);  // lenient bools take any case
  EXPECT_EQ(d->MaxPageCount, 1);
  EXPECT_EQ(d->PaperTableIndex, -1);
}

TEST_F(LayoutReader, WordsWithFallbacksAndMarginModes) {
  const DocumentPtr d = Read(test::LayoutXml(
      "<LayoutMargin>1,2,3,4</LayoutMargin><LayoutMarginMode>Custom</LayoutMarginMode><CutLineMode>Sideways</CutLineMode>"
      "<CutLineOthersType>?</CutLineOthersType><AutoRotation>Sometimes</AutoRotation><Color>Sepia</Color>"
      "<HeaderFooterJustify></HeaderFooterJustify><ImageSizeMethod>Other</ImageSizeMethod><ImageLabelFontSize>Auto</ImageLabelFontSize>"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->LayoutMarginMode, 1);
  EXPECT_EQ(d->LayoutMargin, (LRect{2, 1, 4, 3}));
  EXPECT_EQ(d->CutLineMode, 0);
  EXPECT_EQ(d->CutLineOthersType, kCutAtCorner);
  EXPECT_EQ(d->AutoRotation, 0);
  EXPECT_EQ(d->Color, 0);
  EXPECT_EQ(d->HeaderFooterStyle.Justify, kJustifyLeft);
  EXPECT_EQ(d->DefaultImageSettings->SizeMethod, 1);
  EXPECT_EQ(d->DefaultImageSettings->LabelAutoSize, 1);
  EXPECT_EQ(d->DefaultImageSettings->LabelFontSize, 0);

  const DocumentPtr automatic = Read(test::LayoutXml("<LayoutMarginMode>Auto</LayoutMarginMode><LayoutMargin>1,2,3,4</LayoutMargin>"));
  ASSERT_TRUE(automatic);
  EXPECT_EQ(automatic->LayoutMarginMode, 0);
  EXPECT_EQ(automatic->LayoutMargin, (LRect{2, 1, 4, 3}));
}

TEST_F(LayoutReader, TextsAreCutAndKeepTheirLineBreaksAndQuotes) {
  const std::string header300(300, 'h');
  const DocumentPtr d = Read(test::LayoutXml(
      "<HeaderText>\"" + header300 + "\"</HeaderText><Comment>\"say \"hi\"\"</Comment>"
      "<FooterText>\"one\r\ntwo\"</FooterText><ImageCaptionString>no quotes</ImageCaptionString>",
      test::FreeTextXml("a &amp; b &lt;c&gt;\nline")));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Header.Text, std::string(255, 'h'));
  EXPECT_EQ(d->Comment, "say \"hi\"");
  EXPECT_EQ(d->Footer.Text, "one\r\ntwo");  // the parser makes CR LF a line feed; the reader puts CR back
  EXPECT_EQ(d->DefaultImageSettings->CaptionString, "");
  const FreeTextObject* text = AsFreeText(d->Objects.Head);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->String, "a & b <c>\r\nline");
  EXPECT_EQ(text->Origin, (LPoint{1000, 500}));
  EXPECT_EQ(text->Style.FontSize, 50);
}

TEST_F(LayoutReader, ElementsWithOtherContentReadAsEmpty) {
  const DocumentPtr d = Read(test::LayoutXml(
      "<Comment>\"a\"<b/></Comment><NameGenre><![CDATA[\"x\"]]></NameGenre><AlignHorizontalSpacing><!-- c -->5</AlignHorizontalSpacing>"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Comment, "");
  EXPECT_EQ(d->NameGenre, "");
  EXPECT_EQ(d->AlignHorizontalSpacing, 0);
}

TEST_F(LayoutReader, FoldersCarryOverToTheImagesThatFollow) {
  std::filesystem::create_directories(dir_.File("B"));
  ASSERT_TRUE(test::WriteJpeg(dir_.File("B/c.jpg")));
  const DocumentPtr d = Read(test::LayoutXml("", test::ImageXml(Dir(), "a.jpg") + test::ImageXml("", "b.jpg") +
                                                     test::ImageXml("<RelativeDir>\"./B/\"</RelativeDir>", "c.jpg")));
  ASSERT_TRUE(d);
  ASSERT_TRUE(Image(*d, 2));
  EXPECT_EQ(Image(*d, 0)->ImagePath, dir_.File("a.jpg"));
  EXPECT_EQ(Image(*d, 1)->ImagePath, dir_.File("b.jpg"));
  EXPECT_EQ(Image(*d, 2)->ImagePath, dir_.File("B/c.jpg"));
  EXPECT_EQ(Image(*d, 2)->ImageNumber, 3);
  EXPECT_FALSE(d->Modified);
}

TEST_F(LayoutReader, WindowsFoldersAndImagesBeforeAnyFolder) {
  // An image before any folder element lies beside the layout file; a
  // folder written with "\" is read with "/".
  std::filesystem::create_directories(dir_.File("sub"));
  ASSERT_TRUE(test::WriteJpeg(dir_.File("sub/d.jpg")));
  std::string windows = dir_.File("sub");
  for (char& c : windows)
    if (c == '/') c = '\\';
  const DocumentPtr d = Read(test::LayoutXml("", test::ImageXml("", "a.jpg") + test::ImageXml("<Dir>\"" + windows + "\"</Dir>", "d.jpg")));
  ASSERT_TRUE(d);
  ASSERT_TRUE(Image(*d, 1));
  EXPECT_EQ(Image(*d, 0)->ImagePath, dir_.File("a.jpg"));
  EXPECT_EQ(Image(*d, 1)->ImagePath, dir_.File("sub/d.jpg"));
}

TEST_F(LayoutReader, OriginIsOptionalInAutomaticLayoutOnly) {
  const std::string origin = "<Origin>200,100</Origin>";
  const DocumentPtr automatic = Read(test::LayoutXml("", test::ImageXml(Dir(), "a.jpg")));
  ASSERT_TRUE(automatic);
  const DocumentPtr free = Read(test::LayoutXml("<Free>true</Free>", test::ImageXml(Dir(), "a.jpg", origin)));
  ASSERT_TRUE(free);
  EXPECT_EQ(Image(*free, 0)->Origin, (LPoint{100, 200}));
  EXPECT_EQ(Image(*free, 0)->Size, (LSize{1260, 900}));
}

TEST_F(LayoutReader, AutomaticLayoutsAreFlowedAgainOnReading) {
  // The file stores no positions: the images must not all sit at the origin.
  const DocumentPtr d = Read(test::LayoutXml("", test::ImageXml(Dir(), "a.jpg") + test::ImageXml("", "b.jpg")));
  ASSERT_TRUE(d);
  const ImageObject* a = Image(*d, 0);
  const ImageObject* b = Image(*d, 1);
  ASSERT_TRUE(a && b);
  EXPECT_NE(a->Origin, b->Origin);
  for (const ImageObject* image : {a, b}) {
    EXPECT_GE(image->Origin.x, d->PrintableRect.left);
    EXPECT_GE(image->Origin.y, d->PrintableRect.top);
    EXPECT_LE(image->Origin.x + image->Size.cx, d->PrintableRect.right);
  }
}

TEST_F(LayoutReader, MissingFontsAreReplacedWithOneMessage) {
  const DocumentPtr d = Read(test::LayoutXml(
      "<HeaderFooterFontName>\"No Such Face\"</HeaderFooterFontName><ImageLabelFontName>\"dejavu sans\"</ImageLabelFontName>",
      test::ImageXml(Dir(), "a.jpg", "<LabelFontName>\"Missing One\"</LabelFontName>", "LabelFontName") +
          test::ImageXml("", "b.jpg", "<CaptionFontName>\"Missing Two\"</CaptionFontName>", "CaptionFontName")));
  ASSERT_TRUE(d);
  EXPECT_EQ(messages_.Count(kMissingFonts), 1);
  EXPECT_EQ(messages_.icons.back(), MessageIcon::Stop);
  EXPECT_TRUE(d->Modified);
  EXPECT_EQ(d->HeaderFooterStyle.FontName, "Tahoma");
  EXPECT_EQ(d->DefaultImageSettings->LabelFontName, "dejavu sans");  // installed under another case
  EXPECT_EQ(Image(*d, 0)->LabelFontName, "Tahoma");
  EXPECT_EQ(Image(*d, 1)->CaptionFontName, "Tahoma");
}

TEST_F(LayoutReader, EmptyAndMissingFontNamesStillOpen) {
  // Files whose writer left empty font names out, and files that keep them
  // as empty texts, both open; the empty name stays empty.
  const DocumentPtr d = Read(test::LayoutXml(
      "", test::ImageXml(Dir(), "a.jpg", "", "LabelFontName") + test::ImageXml("", "b.jpg", "<CaptionFontName>\"\"</CaptionFontName>", "CaptionFontName") +
              test::FreeTextXml("t", "", "FontName")));
  ASSERT_TRUE(d);
  EXPECT_TRUE(messages_.texts.empty());
  EXPECT_EQ(Image(*d, 0)->LabelFontName, "Tahoma");  // the default settings' name
  EXPECT_EQ(Image(*d, 1)->CaptionFontName, "");
  EXPECT_FALSE(d->Modified);
}

TEST_F(LayoutReader, AngleLimitsAndLineEnds) {
  const DocumentPtr d = Read(test::LayoutXml("", test::FreeLineXml("500,1000", 1000, 0) + test::FreeLineXml("500,1000", 1000, 90) +
                                                     test::FreeLineXml("0,0", 10, 180) + test::FreeTextXml("x", "<Angle>-180</Angle>", "Angle")));
  ASSERT_TRUE(d);
  const FreeLineObject* flat = AsFreeLine(d->Objects.Head);
  ASSERT_TRUE(flat);
  EXPECT_EQ(flat->End1, (LPoint{1001, 500}));
  EXPECT_EQ(flat->End2, (LPoint{2000, 500}));
  const FreeLineObject* upright = AsFreeLine(flat->Next);
  ASSERT_TRUE(upright);
  EXPECT_EQ(upright->End1, (LPoint{1500, 1}));
  EXPECT_EQ(upright->End2, (LPoint{1500, 999}));
  EXPECT_EQ(upright->Origin, (LPoint{1500, 1}));  // the box spans the ends
  EXPECT_EQ(upright->Size, (LSize{0, 998}));
}

TEST_F(LayoutReader, ImagesThatCannotBeFoundOrReadAreDropped) {
  ASSERT_TRUE(test::WriteText(dir_.File("broken.jpg"), "not a picture"));
  const DocumentPtr d = Read(test::LayoutXml("", test::ImageXml(Dir(), "gone.jpg") + test::ImageXml("", "broken.jpg") + test::ImageXml("", "a.jpg")));
  ASSERT_TRUE(d);
  EXPECT_TRUE(d->Modified);
  ASSERT_TRUE(Image(*d, 0));
  EXPECT_EQ(Image(*d, 0)->ImagePath, dir_.File("a.jpg"));
  EXPECT_FALSE(Image(*d, 1));
  EXPECT_EQ(messages_.Count(kFailedToOpen), 0);
}

TEST_F(LayoutReader, StopInThePromptEndsTheObjects) {
  test::ScriptedPrompt prompt;
  prompt.answer = MissingImageAnswer::Stop;
  LayoutReadOptions options;
  options.Prompt = &prompt;
  const DocumentPtr d = Read(test::LayoutXml("", test::ImageXml(Dir(), "a.jpg") + test::ImageXml("", "gone1.jpg") + test::ImageXml("", "b.jpg") +
                                                     test::ImageXml("", "gone2.jpg") + test::ImageXml("", "a.jpg") + test::FreeTextXml("after") +
                                                     "<freeLine><Broken/></freeLine>"),
                             options);
  ASSERT_TRUE(d);
  EXPECT_EQ(prompt.asked.size(), 1u);
  EXPECT_EQ(ObjectCount(d->Objects), 1);
  EXPECT_EQ(Image(*d, 0)->ImagePath, dir_.File("a.jpg"));
  EXPECT_TRUE(d->Modified);
}

TEST_F(LayoutReader, FindInThePromptLocatesTheMovedImages) {
  test::ScriptedPrompt prompt;
  prompt.answer = MissingImageAnswer::Find;
  prompt.choice = dir_.File("a.jpg");
  LayoutReadOptions options;
  options.Prompt = &prompt;
  const DocumentPtr d = Read(test::LayoutXml("", test::ImageXml("<Dir>\"/old/place\"</Dir>", "a.jpg") + test::ImageXml("", "b.jpg")), options);
  ASSERT_TRUE(d);
  EXPECT_EQ(prompt.asked.size(), 1u);  // b.jpg is found beside the first one found
  EXPECT_EQ(Image(*d, 1)->ImagePath, dir_.File("b.jpg"));
  EXPECT_TRUE(d->Modified);
}

TEST_F(LayoutReader, GrayImagesHaveNoSourceSettings) {
  const DocumentPtr d = Read(test::LayoutXml("", test::ImageXml(Dir(), "gray.jpg", "<ImageSrcIntent>Saturation</ImageSrcIntent>", "ImageSrcIntent")));
  ASSERT_TRUE(d);
  const ImageObject* gray = Image(*d, 0);
  ASSERT_TRUE(gray);
  EXPECT_EQ(gray->ColorSpace, FourCC("GRAY"));
  EXPECT_EQ(gray->ImageSrcIntent, 0);
  EXPECT_EQ(gray->SrcProfileState, 0);
}

TEST_F(LayoutReader, TheStampFileIsLocatedLikeAnImage) {
  const DocumentPtr found = Read(test::LayoutXml("<ImageStampFileName>\"" + dir_.File("a.jpg") + "\"</ImageStampFileName>"));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->ImageStampFileName, dir_.File("a.jpg"));
  EXPECT_FALSE(found->Modified);

  test::ScriptedPrompt prompt;
  prompt.answer = MissingImageAnswer::Find;
  prompt.choice = dir_.File("b.jpg");
  LayoutReadOptions options;
  options.Prompt = &prompt;
  const DocumentPtr replaced = Read(test::LayoutXml("<ImageStampFileName>\"/gone/stamp.jpg\"</ImageStampFileName>"), options);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(replaced->ImageStampFileName, dir_.File("b.jpg"));
  EXPECT_TRUE(replaced->Modified);

  const DocumentPtr emptied = Read(test::LayoutXml("<ImageStampFileName>\"/gone/stamp.jpg\"</ImageStampFileName>"));
  ASSERT_TRUE(emptied);
  EXPECT_EQ(emptied->ImageStampFileName, "");
  EXPECT_TRUE(emptied->Modified);
}

// An extended-formats importer that knows PNG files by their signature,
// standing in for the one that is installed at start-up.
class PngImporter final : public ExtendedFormatImporter {
 public:
  uint16_t Version() const override { return 0x0600; }
  bool FileKindOf(const std::string& path, uint32_t& kind) override {
    const std::string head = test::ReadText(path).substr(0, 8);
    if (head != "\x89PNG\r\n\x1A\n") return false;
    kind = FourCC("PNGf");
    return true;
  }
  bool ReadHeader(ImageObject& image) override {
    image.ImageDesc = ImageDescBlock(ImageDescBlock::kExtendedSize);
    image.ImageDesc.SetCodecType(FourCC("png "));
    image.ImageDesc.SetWidth(16);
    image.ImageDesc.SetHeight(8);
    image.ImageDesc.SetHResolution(72);
    image.ImageDesc.SetVResolution(72);
    image.ImageDesc.SetDepth(24);
    return true;
  }
  bool ReadColorSpace(ImageObject&) override { return false; }
  BitmapPtr ReadPreview(ImageObject&) override { return OffscreenBitmapNew(16, 8); }
  BitmapPtr Decode(const ImageObject&, const DecodeRequest&, int&) override { return OffscreenBitmapNew(16, 8); }
  bool ReadProfile(const ImageObject&, std::vector<uint8_t>&) override { return false; }
};

TEST_F(LayoutReader, ExtendedFormatImagesNeedTheImporter) {
  ASSERT_TRUE(test::WriteText(dir_.File("p1.png"), std::string("\x89PNG\r\n\x1A\n", 8) + std::string(32, '\0')));
  ASSERT_TRUE(test::WriteText(dir_.File("p2.PNG"), std::string("\x89PNG\r\n\x1A\n", 8) + std::string(32, '\0')));
  const std::string xml = test::LayoutXml("<ImageStampFileName>\"" + dir_.File("p1.png") + "\"</ImageStampFileName>",
                                          test::ImageXml(Dir(), "p1.png") + test::ImageXml("", "a.jpg") + test::ImageXml("", "p2.PNG"));
  {
    ASSERT_FALSE(QuickTimeAvailable());
    const DocumentPtr d = Read(xml);
    ASSERT_TRUE(d);
    EXPECT_EQ(messages_.Count(kNeedsImporter), 1);
    EXPECT_EQ(messages_.icons.front(), MessageIcon::Exclamation);
    EXPECT_EQ(ObjectCount(d->Objects), 1);
    EXPECT_EQ(d->ImageStampFileName, "");
    EXPECT_TRUE(d->Modified);
  }
  messages_.texts.clear();
  PngImporter importer;
  ExtendedFormatImporter* previous = SetExtendedFormatImporter(&importer);
  const DocumentPtr d = Read(xml);
  SetExtendedFormatImporter(previous);
  ASSERT_TRUE(d);
  EXPECT_EQ(messages_.Count(kNeedsImporter), 0);
  EXPECT_EQ(ObjectCount(d->Objects), 3);
  EXPECT_EQ(d->ImageStampFileName, dir_.File("p1.png"));
  EXPECT_FALSE(d->Modified);
}

TEST_F(LayoutReader, EveryParsedFileLeavesItsSummary) {
  const size_t before = LayoutSummaryArray().size();
  EXPECT_TRUE(Read(test::LayoutXml("<Comment>\"kept\"</Comment>")));
  EXPECT_FALSE(Read(test::LayoutXml("<Foo/>")));  // parsed, though bad
  EXPECT_FALSE(Read("not xml"));
  ASSERT_EQ(LayoutSummaryArray().size(), before + 2);
  EXPECT_EQ(LayoutSummaryArray()[before].Comment, "kept");
}

}  // namespace
}  // namespace tl
