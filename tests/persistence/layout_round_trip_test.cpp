// A document written and read back is the same document, field for field,
// in every group the file stores.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/layout_document.h"
#include "persistence/layout_reader.h"
#include "persistence/layout_writer.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

constexpr const char* kRgbProfile = "sRGB Color Space Profile.ICM";
constexpr const char* kCmykProfile = "Tessaline_CMYK.icc";

void FillBand(BandSettings& b, int seed) {
  b.Enabled = 1;
  b.Offset = int16_t(60 + seed);
  b.DispText = 1;
  b.DispPrintInfo = seed & 1;
  b.DispDatePage = 1;
  b.UseFixedDate = 1;
  b.FixedDate = {int16_t(2000 + seed), 5, 6};
  b.Text = "Band " + std::to_string(seed) + "\r\nsecond line & <more>";
}

void FillImageFields(ImageObject& m, int seed) {
  m.Size = {1000 + seed, 800 + seed};
  m.SizeAbsolute = {500 + seed, 600};
  m.SizeRelative = {250, 300 + seed};
  m.SizeMethod = 1 + (seed & 1);
  m.SizeRatio = 0;
  m.SizeImageOption = 2;
  m.FrameSetting = 2;
  m.FrameRect = {1, 2, 3, 4 + seed};
  m.FrameColorValid = 1;
  m.FrameColor = MakeColor(10, 20, uint8_t(30 + seed));
  m.FrameRotation = 1;
  m.LabelItems = 0x1 | 0x2 | 0x2000 | 0x1000000;
  m.LabelFontName = "DejaVu Serif";
  m.LabelFontSize = 40;
  m.LabelAutoSize = 0;
  m.LabelFontColor = MakeColor(1, 2, 3);
  m.LabelAlign = 2;
  m.LabelLocation = 3;
  m.LabelUpsideDown = 1;
  m.CaptionFontName = "DejaVu Sans Mono";
  m.CaptionFontSize = 0;
  m.CaptionAutoSize = 1;
  m.CaptionFontColor = MakeColor(4, 5, 6);
  m.CaptionAlign = 1;
  m.CaptionLocation = 2;
  m.CaptionUpsideDown = 0;
  m.CaptionString = "Caption " + std::to_string(seed) + " \"quoted\" & <b>";
}

// The fields of an image object a layout file stores.
void ExpectSameImageFields(const ImageObject& a, const ImageObject& b) {
  EXPECT_EQ(a.Size, b.Size);
  EXPECT_EQ(a.SizeAbsolute, b.SizeAbsolute);
  EXPECT_EQ(a.SizeRelative, b.SizeRelative);
  EXPECT_EQ(a.SizeMethod, b.SizeMethod);
  EXPECT_EQ(a.SizeRatio, b.SizeRatio);
  EXPECT_EQ(a.SizeImageOption, b.SizeImageOption);
  EXPECT_EQ(a.EffectiveImageOption, b.EffectiveImageOption);
  EXPECT_EQ(a.FrameSetting, b.FrameSetting);
  EXPECT_EQ(a.FrameRect, b.FrameRect);
  EXPECT_EQ(a.FrameColorValid, b.FrameColorValid);
  EXPECT_EQ(a.FrameColor, b.FrameColor);
  EXPECT_EQ(a.FrameRotation, b.FrameRotation);
  EXPECT_EQ(a.LabelItems, b.LabelItems);
  EXPECT_EQ(a.LabelFontName, b.LabelFontName);
  EXPECT_EQ(a.LabelFontSize, b.LabelFontSize);
  EXPECT_EQ(a.LabelAutoSize, b.LabelAutoSize);
  EXPECT_EQ(a.LabelFontColor, b.LabelFontColor);
  EXPECT_EQ(a.LabelAlign, b.LabelAlign);
  EXPECT_EQ(a.LabelLocation, b.LabelLocation);
  EXPECT_EQ(a.LabelUpsideDown, b.LabelUpsideDown);
  EXPECT_EQ(a.CaptionFontName, b.CaptionFontName);
  EXPECT_EQ(a.CaptionFontSize, b.CaptionFontSize);
  EXPECT_EQ(a.CaptionAutoSize, b.CaptionAutoSize);
  EXPECT_EQ(a.CaptionFontColor, b.CaptionFontColor);
  EXPECT_EQ(a.CaptionAlign, b.CaptionAlign);
  EXPECT_EQ(a.CaptionLocation, b.CaptionLocation);
  EXPECT_EQ(a.CaptionUpsideDown, b.CaptionUpsideDown);
  EXPECT_EQ(a.CaptionString, b.CaptionString);
}

void ExpectSameImages(const ImageObject& a, const ImageObject& b) {
  ExpectSameImageFields(a, b);
  EXPECT_EQ(a.ImagePath, b.ImagePath);
  EXPECT_EQ(a.Origin, b.Origin);
  EXPECT_EQ(a.CropArea, b.CropArea);
  EXPECT_EQ(a.CropMode, b.CropMode);
  EXPECT_EQ(a.CropFrameColor, b.CropFrameColor);
  EXPECT_EQ(a.CropFixedRatio, b.CropFixedRatio);
  EXPECT_EQ(a.RotateFlip, b.RotateFlip);
  EXPECT_EQ(a.FrameRotate, b.FrameRotate);
  EXPECT_EQ(a.ImageSrcManagementMode, b.ImageSrcManagementMode);
  EXPECT_EQ(a.ImageSrcProfile, b.ImageSrcProfile);
  EXPECT_EQ(a.SrcProfileState, b.SrcProfileState);
  EXPECT_EQ(a.ImageSrcIntent, b.ImageSrcIntent);
  EXPECT_EQ(a.ImageSrcUseEmbedProfile, b.ImageSrcUseEmbedProfile);
  EXPECT_EQ(a.ImageSimMethod, b.ImageSimMethod);
  EXPECT_EQ(a.ImageSimProfile, b.ImageSimProfile);
  EXPECT_EQ(a.SimProfileState, b.SimProfileState);
  EXPECT_EQ(a.ImageSimIntent, b.ImageSimIntent);
  EXPECT_EQ(a.ColorTuneMode, b.ColorTuneMode);
  EXPECT_EQ(a.ColorTune, b.ColorTune);
}

void ExpectSameBand(const BandSettings& a, const BandSettings& b) {
  EXPECT_EQ(a.Enabled, b.Enabled);
  EXPECT_EQ(a.Offset, b.Offset);
  EXPECT_EQ(a.DispText, b.DispText);
  EXPECT_EQ(a.DispPrintInfo, b.DispPrintInfo);
  EXPECT_EQ(a.DispDatePage, b.DispDatePage);
  EXPECT_EQ(a.UseFixedDate, b.UseFixedDate);
  EXPECT_EQ(a.FixedDate, b.FixedDate);
  EXPECT_EQ(a.Text, b.Text);
}

void ExpectSameSettings(const LayoutDocument& a, const LayoutDocument& b) {
  EXPECT_EQ(a.Comment, b.Comment);
  EXPECT_EQ(a.NameGenre, b.NameGenre);
  EXPECT_EQ(a.NameOutputImageForm, b.NameOutputImageForm);
  EXPECT_EQ(a.NameMyTemplate, b.NameMyTemplate);
  EXPECT_EQ(a.PageWidth, b.PageWidth);
  EXPECT_EQ(a.PageHeight, b.PageHeight);
  EXPECT_EQ(a.PaperOrient, b.PaperOrient);
  EXPECT_EQ(a.PaperTableIndex, b.PaperTableIndex);
  EXPECT_EQ(a.MaxPageCount, b.MaxPageCount);
  EXPECT_EQ(a.PageNumber, b.PageNumber);
  EXPECT_EQ(a.Free, b.Free);
  EXPECT_EQ(a.Banner, b.Banner);
  EXPECT_EQ(a.AlignHorizontal, b.AlignHorizontal);
  EXPECT_EQ(a.AlignHorizontalSpacing, b.AlignHorizontalSpacing);
  EXPECT_EQ(a.AlignVertical, b.AlignVertical);
  EXPECT_EQ(a.AlignVerticalSpacing, b.AlignVerticalSpacing);
  EXPECT_EQ(a.AlignLine, b.AlignLine);
  EXPECT_EQ(a.HeaderFooterStyle, b.HeaderFooterStyle);
  ExpectSameBand(a.Header, b.Header);
  ExpectSameBand(a.Footer, b.Footer);
  EXPECT_EQ(a.InputSrcUseVdx, b.InputSrcUseVdx);
  EXPECT_EQ(a.InputSrcProfile, b.InputSrcProfile);
  EXPECT_EQ(a.InputSrcIntent, b.InputSrcIntent);
  EXPECT_EQ(a.InputSrcUseEmbedProfile, b.InputSrcUseEmbedProfile);
  EXPECT_EQ(a.InputSimMethod, b.InputSimMethod);
  EXPECT_EQ(a.InputSimProfile, b.InputSimProfile);
  EXPECT_EQ(a.InputSimIntent, b.InputSimIntent);
  EXPECT_EQ(a.OutputMonitorProfile, b.OutputMonitorProfile);
  EXPECT_EQ(a.OutputPrinterControls, b.OutputPrinterControls);
  EXPECT_EQ(a.OutputPrinterProfile, b.OutputPrinterProfile);
  EXPECT_EQ(a.CutLineMode, b.CutLineMode);
  EXPECT_EQ(a.CutLineOthersType, b.CutLineOthersType);
  EXPECT_EQ(a.CutLineCornerLength, b.CutLineCornerLength);
  EXPECT_EQ(a.CutLineColor, b.CutLineColor);
  EXPECT_EQ(a.AutoRotation, b.AutoRotation);
  EXPECT_EQ(a.PreProcessing, b.PreProcessing);
  EXPECT_EQ(a.PaperColor, b.PaperColor);
  EXPECT_EQ(a.LayoutMarginMode, b.LayoutMarginMode);
  EXPECT_EQ(a.LayoutMargin, b.LayoutMargin);
  EXPECT_EQ(a.SaveRelativePath, b.SaveRelativePath);
  EXPECT_EQ(a.UserDefinedPage, b.UserDefinedPage);
  EXPECT_EQ(a.ImageStampInUse, b.ImageStampInUse);
  EXPECT_EQ(a.ImageStampFileName, b.ImageStampFileName);
  EXPECT_EQ(a.ImageStampSettings, b.ImageStampSettings);
  EXPECT_EQ(a.ImageStampPosition, b.ImageStampPosition);
  EXPECT_EQ(a.ImageStampSize, b.ImageStampSize);
  EXPECT_EQ(a.ImageStampConstrainPropotion, b.ImageStampConstrainPropotion);
  EXPECT_EQ(a.PrinterName, b.PrinterName);
  EXPECT_EQ(a.PrinterModel, b.PrinterModel);
  EXPECT_EQ(a.Orientation, b.Orientation);
  EXPECT_EQ(a.PaperSizeID, b.PaperSizeID);
  EXPECT_EQ(a.PaperSize, b.PaperSize);
  EXPECT_EQ(a.PaperLength, b.PaperLength);
  EXPECT_EQ(a.PaperWidth, b.PaperWidth);
  EXPECT_EQ(a.PaperSourceID, b.PaperSourceID);
  EXPECT_EQ(a.PaperSource, b.PaperSource);
  EXPECT_EQ(a.MediaTypeID, b.MediaTypeID);
  EXPECT_EQ(a.MediaType, b.MediaType);
  EXPECT_EQ(a.AutoMode, b.AutoMode);
  EXPECT_EQ(a.Color, b.Color);
  EXPECT_EQ(a.PrintableArea, b.PrintableArea);
  EXPECT_EQ(a.Centerd, b.Centerd);
  EXPECT_EQ(a.HighSpeed, b.HighSpeed);
  EXPECT_EQ(a.UserPreset, b.UserPreset);
  ExpectSameImageFields(*a.DefaultImageSettings, *b.DefaultImageSettings);
}

class LayoutRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.File("A"));
    std::filesystem::create_directories(dir_.File("B"));
    ASSERT_TRUE(test::WriteJpeg(dir_.File("A/one.jpg")));
    ASSERT_TRUE(test::WriteJpeg(dir_.File("B/two.jpg")));
    ASSERT_TRUE(test::WriteJpeg(dir_.File("stamp.jpg")));
  }

  // Every stored setting away from its default.
  DocumentPtr RichDocument() {
    DocumentPtr doc(DocumentNew(nullptr, nullptr));
    LayoutDocument& d = *doc;
    d.Comment = "Proofs for \"Ann\" & <Bob>";
    d.NameGenre = "Personal Photo";
    d.NameOutputImageForm = "Card";
    d.NameMyTemplate = "mine";
    d.PageWidth = 3960;  // US Letter, landscape
    d.PageHeight = 3060;
    d.PaperOrient = 1;
    d.PaperTableIndex = 17;
    d.MaxPageCount = MaxPageCountFor(d.PageHeight, false);
    d.PageNumber = 3;
    d.Free = 1;
    d.AlignHorizontal = kAlignEqualSpacing;
    d.AlignHorizontalSpacing = 33;
    d.AlignVertical = kAlignMiddle;
    d.AlignVerticalSpacing = 44;
    d.AlignLine = kAlignTop;
    d.HeaderFooterStyle = {FontNameField("DejaVu Sans"), 0x300, 60, MakeColor(9, 8, 7), 70, kJustifyRight};
    FillBand(d.Header, 1);
    FillBand(d.Footer, 2);
    d.InputSrcUseVdx = 0;
    d.InputSrcProfile = kRgbProfile;
    d.InputSrcIntent = 3;
    d.InputSrcUseEmbedProfile = 1;
    d.InputSimMethod = 1;
    d.InputSimProfile = kCmykProfile;
    d.InputSimProfileState = 1;
    d.InputSimIntent = 4;
    d.OutputMonitorProfile = kRgbProfile;
    d.OutputPrinterControls = kByApplication;
    d.OutputPrinterProfile = kRgbProfile;
    d.CutLineMode = kCutLineOthers;
    d.CutLineOthersType = kCutAroundImage;
    d.CutLineCornerLength = 99;
    d.CutLineColor = MakeColor(200, 100, 50);
    d.AutoRotation = 3;
    d.PreProcessing = 0;
    d.PaperColor = MakeColor(250, 240, 230);
    d.LayoutMarginMode = 1;
    d.LayoutMargin = {10, 20, 30, 40};
    d.UserDefinedPage = {3000, 4000};
    d.ImageStampInUse = 1;
    d.ImageStampFileName = dir_.File("stamp.jpg");
    d.ImageStampSettings = 1;
    d.ImageStampPosition = {5, 6};
    d.ImageStampSize = {70, 80};
    d.ImageStampConstrainPropotion = 0;
    d.PrinterName = "Studio & Co";
    d.PrinterModel = "Model 9";
    d.Orientation = kLandscape;
    d.PaperSizeID = 1;
    d.PaperSize = "Letter";
    d.PaperLength = 2794;
    d.PaperWidth = 2159;
    d.PaperSourceID = 7;
    d.PaperSource = "Tray 2";
    d.MediaTypeID = 12;
    d.MediaType = "Glossy";
    d.AutoMode = 3;
    d.Color = kInkDuotint;
    d.PrintableArea = 2;
    d.Centerd = 1;
    d.HighSpeed = 1;
    d.UserPreset = "Fine";
    FillImageFields(*d.DefaultImageSettings, 0);
    d.DefaultImageSettings->EffectiveImageOption = 2;

    AddImage(d, dir_.File("A/one.jpg"), 1);
    AddImage(d, dir_.File("B/two.jpg"), 2);

    FreeTextObject* text = FreeTextObjectNew(&d, &d.Objects);
    text->Origin = {100, 200};
    text->String = "two\r\nlines & <tags> \"quoted\"";
    text->Style = {FontNameField("DejaVu Sans"), 0x500, 65, MakeColor(1, 1, 1), 77, kJustifyRight};
    text->ColumnarWriting = 1;
    text->Angle = -45;
    text->DispBackGround = 1;
    text->BackGroundColor = MakeColor(3, 3, 3);

    FreeLineObject* line = FreeLineObjectNew(&d, &d.Objects);
    line->Anchor = {300, 400};
    line->LineStyle = kLineDash;
    line->Thickness = 20;
    line->Length = 500;
    line->Angle = 30;
    line->LineColor = MakeColor(7, 7, 7);
    line->ArrowMark = kArrowBothSide;
    line->ArrowAngle = -60;
    line->ArrowFill = 0;
    line->ArrowSize = kArrowLarge;
    return doc;
  }

  void AddImage(LayoutDocument& d, const std::string& path, int seed) {
    ImageObject* m = ImageObjectNew(d.DefaultImageSettings, &d.Objects);
    m->Owner = &d;
    m->ImagePath = path;
    FillImageFields(*m, seed);
    m->Origin = {100 * seed, 200 * seed};
    m->EffectiveImageOption = m->SizeMethod == 2 ? 1 : m->SizeImageOption;
    m->CropArea = {5, 6, 30, 40};
    m->CropMode = 2;
    m->CropFrameColor = MakeColor(40, 50, 60);
    m->CropFixedRatio = 1;
    m->RotateFlip = kRotate90 | kFlipHorizontal;
    m->FrameRotate = kRotate270;
    m->ImageSrcManagementMode = 2;
    m->ImageSrcProfile = kRgbProfile;
    m->SrcProfileState = 2;
    m->ImageSrcIntent = 2;
    m->ImageSrcUseEmbedProfile = 0;
    m->ImageSimMethod = 2;
    m->ImageSimProfile = kCmykProfile;
    m->SimProfileState = 1;
    m->ImageSimIntent = 3;
    m->ColorTuneMode = 2;
    m->ColorTune = {1, -2, 3};
  }

  test::TempFolder dir_;
  test::MessageLog messages_;
};

TEST_F(LayoutRoundTrip, EveryGroupReadsBackFieldForField) {
  const DocumentPtr written = RichDocument();
  const std::string path = dir_.File("rich.qlf");
  ASSERT_TRUE(SaveLayoutFile(path, *written));
  const DocumentPtr read = LoadLayoutFile(path);
  ASSERT_TRUE(read);
  EXPECT_TRUE(messages_.texts.empty()) << messages_.texts.front();
  EXPECT_FALSE(read->Modified);
  EXPECT_EQ(read->DocumentPath, path);
  ExpectSameSettings(*written, *read);

  const LayoutObject* a = written->Objects.Head;
  const LayoutObject* b = read->Objects.Head;
  for (; a && b; a = a->Next, b = b->Next) {
    ASSERT_EQ(a->ObjectKind, b->ObjectKind);
    if (const ImageObject* image = AsImage(a)) {
      ExpectSameImages(*image, *AsImage(b));
      EXPECT_TRUE(AsImage(b)->Preview) << "the preview is built";
    } else if (const FreeTextObject* text = AsFreeText(a)) {
      const FreeTextObject& t = *AsFreeText(b);
      EXPECT_EQ(t.Origin.x + t.Anchor.x, text->Origin.x + text->Anchor.x);
      EXPECT_EQ(t.Origin.y + t.Anchor.y, text->Origin.y + text->Anchor.y);
      EXPECT_EQ(t.String, text->String);
      EXPECT_EQ(t.Style, text->Style);
      EXPECT_EQ(t.ColumnarWriting, text->ColumnarWriting);
      EXPECT_EQ(t.Angle, text->Angle);
      EXPECT_EQ(t.DispBackGround, text->DispBackGround);
      EXPECT_EQ(t.BackGroundColor, text->BackGroundColor);
    } else {
      const FreeLineObject& l = *AsFreeLine(b);
      const FreeLineObject& w = *AsFreeLine(a);
      EXPECT_EQ(l.Anchor, w.Anchor);
      EXPECT_EQ(l.LineStyle, w.LineStyle);
      EXPECT_EQ(l.Thickness, w.Thickness);
      EXPECT_EQ(l.Length, w.Length);
      EXPECT_EQ(l.Angle, w.Angle);
      EXPECT_EQ(l.LineColor, w.LineColor);
      EXPECT_EQ(l.ArrowMark, w.ArrowMark);
      EXPECT_EQ(l.ArrowAngle, w.ArrowAngle);
      EXPECT_EQ(l.ArrowFill, w.ArrowFill);
      EXPECT_EQ(l.ArrowSize, w.ArrowSize);
    }
  }
  EXPECT_FALSE(a);
  EXPECT_FALSE(b);

  // The reread document writes the very same file.
  const std::string again = dir_.File("again.qlf");
  ASSERT_TRUE(SaveLayoutFile(again, *read));
  EXPECT_EQ(test::ReadText(again), test::ReadText(path));
}

// A printer profile the user chose comes back chosen: the recommended
// entry would give way to the printer's profile for the paper.
TEST_F(LayoutRoundTrip, AChosenPrinterProfileStaysChosen) {
  const DocumentPtr written = RichDocument();
  written->OutputPrinterProfileState = 3;
  const std::string path = dir_.File("chosen.qlf");
  ASSERT_TRUE(SaveLayoutFile(path, *written));
  const DocumentPtr read = LoadLayoutFile(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->OutputPrinterProfile, kRgbProfile);
  EXPECT_GT(read->OutputPrinterProfileState, 0);
}

TEST_F(LayoutRoundTrip, RelativeFoldersFollowTheLayoutFile) {
  DocumentPtr doc = RichDocument();
  doc->SaveRelativePath = 1;
  std::filesystem::create_directories(dir_.File("Layouts"));
  const std::string path = dir_.File("Layouts/rel.qlf");
  ASSERT_TRUE(SaveLayoutFile(path, *doc));
  const std::string xml = test::ReadText(path);
  EXPECT_NE(xml.find("<RelativeDir>\"./../A/\"</RelativeDir>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<RelativeDir>\"./../B/\"</RelativeDir>"), std::string::npos);
  EXPECT_EQ(xml.find("<Dir>"), std::string::npos);

  // The layout and its pictures move together; the folders follow.
  const std::string moved = dir_.File("moved");
  std::filesystem::create_directories(moved);
  for (const char* part : {"Layouts", "A", "B"}) std::filesystem::rename(dir_.File(part), moved + "/" + part);
  const DocumentPtr read = LoadLayoutFile(moved + "/Layouts/rel.qlf");
  ASSERT_TRUE(read);
  EXPECT_FALSE(read->Modified);
  const ImageObject* first = AsImage(read->Objects.Head);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->ImagePath, moved + "/A/one.jpg") << "no \"..\" is kept in the folder";
}

TEST_F(LayoutRoundTrip, AFolderReachedThroughALayoutFolderOutlivesIt) {
  DocumentPtr doc = RichDocument();
  doc->SaveRelativePath = 1;
  std::filesystem::create_directories(dir_.File("Layouts"));
  ASSERT_TRUE(SaveLayoutFile(dir_.File("Layouts/rel.qlf"), *doc));
  // Read through "./../A/", then kept elsewhere with absolute folders.
  DocumentPtr read = LoadLayoutFile(dir_.File("Layouts/rel.qlf"));
  ASSERT_TRUE(read);
  read->SaveRelativePath = 0;
  ASSERT_TRUE(SaveLayoutFile(dir_.File("kept.qlf"), *read));
  const std::string xml = test::ReadText(dir_.File("kept.qlf"));
  EXPECT_EQ(xml.find("/../"), std::string::npos) << xml;

  // The layouts' folder goes; the pictures stay where they are.
  std::filesystem::rename(dir_.File("Layouts"), dir_.File("Renamed"));
  const DocumentPtr again = LoadLayoutFile(dir_.File("kept.qlf"));
  ASSERT_TRUE(again);
  EXPECT_FALSE(again->Modified) << "no image was found missing";
  EXPECT_EQ(ObjectCount(again->Objects), ObjectCount(read->Objects));
}

}  // namespace
}  // namespace tl
