// The object and decoration dialogs without their widgets: Free Text and
// Free Line (inserted where the view looks, changed under their undo
// snapshots), Image Stamp, Header/Footer and Cutoff Lines, with what the
// last two change on the printed page.
#include <gtest/gtest.h>

#include <QDate>

#include "document/undo_store.h"
#include "layout/typed_length.h"
#include "layout/units.h"
#include "render/cut_line_settings.h"
#include "render/free_line_settings.h"
#include "render/free_text.h"
#include "render/free_text_settings.h"
#include "render/header_footer_settings.h"
#include "render/image_stamp_settings.h"
#include "tests/document/document_fixtures.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

int Dev(int32_t layout) { return int(std::lround(layout / 5.0)); }  // 72 dpi

class ObjectDialogs : public testing::Test {
 protected:
  ObjectDialogs() {
    d->Free = 1;
    d->View = &view;
    view.page = 1;
    view.visible = {1000, 500, 2000, 1500};
    d->PageNumber = 3;
  }
  ~ObjectDialogs() override { d->View = nullptr; }

  fixtures::UndoStoreScope undo;
  fixtures::RecordingSink sink;
  ScopedMessageSink sinkScope{&sink};
  fixtures::FakeView view;
  TempFolder folder;
  DocumentPtr d = NewDocument();
};

TEST_F(ObjectDialogs, FreeTextLinesKeepTheirBreaksAndAreCutTo256Characters) {
  EXPECT_EQ(RecordText("one\ntwo\n"), "one\r\ntwo\r\n");
  EXPECT_EQ(RecordText("a\r\nb\rc"), "a\r\nb\r\nc");
  EXPECT_EQ(EditorText("one\r\ntwo\rthree"), "one\ntwo\nthree");
  EXPECT_EQ(RecordText(EditorText("x\r\ny")), "x\r\ny");
  std::string many;
  for (int i = 0; i < 300; ++i) many += "\xC3\xA9";  // é, two bytes each
  EXPECT_EQ(CutFreeText(many).size(), 512u);
  EXPECT_EQ(CutFreeText(std::string(300, 'a')).size(), 256u);
  EXPECT_EQ(CutFreeText("short"), "short");
}

TEST_F(ObjectDialogs, FreeTextRefusesABadAngleAndALineTooWide) {
  FreeTextValues v = OpenFreeText(FreeTextObject());
  struct Case {
    const char* what;
    std::string angle;
    std::string text;
    int16_t size;
    int bad;
  } cases[] = {
      {"an ordinary text", "-180", "Summer", 50, -1},
      {"an angle past 180", "181", "Summer", 50, kFreeTextAngleField},
      {"an angle of letters", "ninety", "Summer", 50, kFreeTextAngleField},
      {"a line wider than 45.5 inches", "0", std::string(200, 'W'), 2100, kFreeTextTextField},
      {"many narrow lines", "0", "W\r\nW\r\nW", 2100, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    v.Angle = c.angle;
    v.Text = c.text;
    v.FontSize = c.size;
    sink.shown.clear();
    sink.beeps = 0;
    int bad = -2;
    EXPECT_EQ(CheckFreeText(v, bad), c.bad < 0);
    EXPECT_EQ(bad, c.bad);
    EXPECT_EQ(sink.Showed(kFreeTextTooWideMessage), c.bad == kFreeTextTextField);
    EXPECT_EQ(sink.beeps, c.bad == kFreeTextAngleField ? 1 : 0);
  }
}

TEST_F(ObjectDialogs, InsertedFreeTextLandsInTheMiddleOfWhatTheViewShows) {
  FreeTextValues v = OpenFreeText(FreeTextObject());
  v.Text = "Harbour";
  int bad = -2;
  FreeTextObject* text = InsertFreeText(*d, v, bad);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->String, "Harbour");
  EXPECT_GT(text->Size.cx, 0);
  EXPECT_EQ(text->Origin.x, 1000 + (1000 - text->Size.cx) / 2);
  EXPECT_EQ(text->Origin.y, d->PageHeight + 500 + (1000 - text->Size.cy) / 2) << "on the current page";
  EXPECT_TRUE(text->Selected);
  EXPECT_EQ(d->SelectedOtherCount, 1);
  EXPECT_EQ(d->Modified, 1);

  // Wider than the view: at its left edge.
  v.Text = std::string(40, 'M');
  v.FontSize = 200;
  FreeTextObject* wide = InsertFreeText(*d, v, bad);
  ASSERT_TRUE(wide);
  EXPECT_GT(wide->Size.cx, 1000);
  EXPECT_EQ(wide->Origin.x, 1000);
  EXPECT_EQ(ObjectCount(d->Objects), 2);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(ObjectCount(d->Objects), 1) << "undo takes the inserted text away";

  v.Angle = "200";
  EXPECT_FALSE(InsertFreeText(*d, v, bad));
  EXPECT_EQ(ObjectCount(d->Objects), 1);
}

TEST_F(ObjectDialogs, EditedFreeTextKeepsItsPlaceAndUndoes) {
  FreeTextValues v = OpenFreeText(FreeTextObject());
  v.Text = "One";
  int bad = -2;
  FreeTextObject* text = InsertFreeText(*d, v, bad);
  ASSERT_TRUE(text);
  const LPoint corner = {text->Origin.x + text->Anchor.x, text->Origin.y + text->Anchor.y};
  v = OpenFreeText(*text);
  v.Text = "One\r\nTwo";
  v.Face = kFaceBold | kFaceItalic;
  ChooseFreeTextSize(v, 100);
  ChooseLineHeightPercent(v, 150);
  v.Justify = kJustifyRight;
  v.Background = 1;
  ASSERT_TRUE(EditFreeText(*d, *text, v, bad));
  EXPECT_EQ(UndoChangeCode(*d), kUndoImageGeometry);
  EXPECT_EQ(text->String, "One\r\nTwo");
  EXPECT_EQ(text->Style.FontSize, 100);
  EXPECT_EQ(text->Style.LineHeight, 150);
  EXPECT_EQ(text->BoxSize.cy, 300) << "two lines";
  EXPECT_EQ(text->Origin.x + text->Anchor.x, corner.x) << "the box keeps its corner";
  EXPECT_EQ(text->Origin.y + text->Anchor.y, corner.y);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(text->String, "One");

  // Unchanged values give the same text back.
  text->Style.LineHeight = 57;  // no preset of the size
  const FreeTextObject before = *text;
  ASSERT_TRUE(EditFreeText(*d, *text, OpenFreeText(*text), bad));
  EXPECT_EQ(text->Style, before.Style);
  EXPECT_EQ(text->String, before.String);
  EXPECT_EQ(text->Angle, before.Angle);
}

TEST_F(ObjectDialogs, OnlyOneSelectedFreeTextOrLineCanBeEdited) {
  FreeTextObject* a = FreeTextObjectNew(d.get(), &d->Objects);
  FreeTextObject* b = FreeTextObjectNew(d.get(), &d->Objects);
  FreeLineObject* line = FreeLineObjectNew(d.get(), &d->Objects);
  ImageObject* image = ImageObjectNew(d->DefaultImageSettings, &d->Objects);
  EXPECT_FALSE(SoleSelectedFreeText(*d));
  a->Selected = image->Selected = line->Selected = 1;
  EXPECT_EQ(SoleSelectedFreeText(*d), a) << "other kinds may be selected as well";
  EXPECT_EQ(SoleSelectedFreeLine(*d), line);
  b->Selected = 1;
  EXPECT_FALSE(SoleSelectedFreeText(*d));
}

TEST_F(ObjectDialogs, FreeLineValuesAreCheckedWithoutAMessage) {
  struct Case {
    const char* what;
    const char* thickness;
    std::string length;  // mm
    const char* angle;
    int bad;
  } cases[] = {
      {"the thinnest and shortest", "1", "10", "-180", -1},
      {"the thickest and longest", "4608", "15000", "180", -1},
      {"no thickness", "0", "50", "0", kLineThicknessField},
      {"too thick", "4609", "50", "0", kLineThicknessField},
      {"letters for the thickness", "thin", "50", "0", kLineThicknessField},
      {"shorter than 10 mm", "5", "9.9", "0", kLineLengthField},
      {"longer than 15000 mm", "5", "15001", "0", kLineLengthField},
      {"an empty length", "5", "", "0", kLineLengthField},
      {"an angle past 180", "5", "50", "181", kLineAngleField},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FreeLineValues v = OpenFreeLine(FreeLineObject(), kUnitMillimetre);
    v.Thickness = c.thickness;
    v.Length = c.length;
    v.Angle = c.angle;
    FreeLineObject line;
    const FreeLineObject before = line;
    int bad = -2;
    EXPECT_EQ(ReadFreeLine(v, line, bad), c.bad < 0);
    EXPECT_EQ(bad, c.bad);
    if (c.bad >= 0) {
      EXPECT_EQ(line.Thickness, before.Thickness);
    }
  }
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(WholeMillimetres(142), 10);
  EXPECT_EQ(WholeMillimetres(141), 9);
}

TEST_F(ObjectDialogs, AFreeLineIsInsertedWhereTheViewLooksAndEditedInPlace) {
  view.visible = {0, 0, 2976, 4209};
  FreeLineValues v = OpenFreeLine(FreeLineObject(), kUnitMillimetre);
  v.Length = "100";
  v.Angle = "0";
  v.ArrowMark = kArrowBothSide;
  ChooseArrowType(v, kArrow60Open);
  int bad = -2;
  FreeLineObject* line = InsertFreeLine(*d, v, bad);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Length, 1417);
  EXPECT_EQ(line->ArrowAngle, 60);
  EXPECT_EQ(line->ArrowFill, 0);
  EXPECT_NEAR(line->End2.x - line->End1.x, 1417, 1);
  EXPECT_EQ(line->End1.y, line->End2.y);
  // The line's middle is the middle of the view on the current page.
  EXPECT_NEAR((line->End1.x + line->End2.x) / 2, 2976 / 2, 2);
  EXPECT_NEAR(line->End1.y, d->PageHeight + 4209 / 2, 2);
  EXPECT_EQ(ArrowTypeOf(OpenFreeLine(*line, kUnitMillimetre)), kArrow60Open);

  const LPoint anchor = line->Anchor;
  v = OpenFreeLine(*line, kUnitInch);
  v.Angle = "90";
  v.Thickness = "30";
  ASSERT_TRUE(EditFreeLine(*d, *line, v, bad));
  EXPECT_EQ(UndoChangeCode(*d), kUndoAddObject);
  EXPECT_EQ(line->Anchor, anchor);
  EXPECT_EQ(line->End1.x, line->End2.x);
  EXPECT_NEAR(line->End2.y - line->End1.y, 1417, 1);
  EXPECT_EQ(line->Length, 1417) << "the length came back through inches unchanged";
  v.Thickness = "0";
  sink.beeps = 0;
  EXPECT_FALSE(EditFreeLine(*d, *line, v, bad));
  EXPECT_EQ(sink.beeps, 1);
  EXPECT_EQ(line->Thickness, 30);
}

TEST_F(ObjectDialogs, TheLineSampleDrawsWhatTheValuesSay) {
  FreeLineValues v = OpenFreeLine(FreeLineObject(), kUnitMillimetre);
  v.Color = MakeColor(255, 0, 0);
  v.Angle = "0";
  const QImage sample = FreeLineSample(v, QSize(200, 80));
  ASSERT_FALSE(sample.isNull());
  const QRect ink = InkBox(sample, sample.rect(), kWhiteRgb);
  EXPECT_GT(ink.width(), 140) << "the line fills most of the sample";
  EXPECT_NEAR(ink.center().y(), 40, 2);
  EXPECT_LE(ink.height(), 4);
  const QRgb middle = Rgb(sample, 100, ink.center().y());
  EXPECT_GT(qRed(middle), 200);
  EXPECT_LT(qGreen(middle), 160);
  v.Thickness = "0";
  EXPECT_TRUE(FreeLineSample(v, QSize(200, 80)).isNull());
}

TEST_F(ObjectDialogs, TheStampSettingsAreStoredUnderTheirSnapshot) {
  d->ImageStampPosition = {100, 200};
  d->ImageStampSize = {400, 200};
  ImageStampValues v = OpenImageStamp(*d);
  EXPECT_EQ(v.Aspect, (LSize{400, 200}));
  v.InUse = 1;
  v.FileName = "/logos/mark.png";
  v.Settings = kStampSettingManual;
  v.Width = LengthText(800, v.SizeUnit);
  KeepStampProportions(v, kStampWidthField);
  EXPECT_EQ(v.Height, LengthText(400, v.SizeUnit));
  int bad = -2;
  ASSERT_TRUE(ApplyImageStamp(v, *d, bad));
  EXPECT_EQ(d->ImageStampInUse, 1);
  EXPECT_EQ(d->ImageStampFileName, "/logos/mark.png");
  EXPECT_EQ(d->ImageStampSettings, kStampSettingManual);
  EXPECT_EQ(d->ImageStampSize, (LSize{800, 400}));
  EXPECT_EQ(UndoChangeCode(*d), kUndoImageStamp);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(d->ImageStampInUse, 0);
  EXPECT_EQ(d->ImageStampSize, (LSize{400, 200}));

  v.Width = "0";
  sink.shown.clear();
  EXPECT_FALSE(ApplyImageStamp(v, *d, bad));
  EXPECT_EQ(bad, kStampWidthField);
  EXPECT_TRUE(sink.Showed(10410));
  v.Width = "2";
  v.X = "left";
  EXPECT_FALSE(ApplyImageStamp(v, *d, bad));
  EXPECT_EQ(bad, kStampXField);
  v.Settings = kStampSettingAutomatic;
  EXPECT_TRUE(ApplyImageStamp(v, *d, bad)) << "the manual fields are not in use";
  EXPECT_EQ(d->ImageStampPosition, (LPoint{100, 200}));
}

TEST_F(ObjectDialogs, TheStampPreviewShowsThePictureOrNothing) {
  const std::string path = WriteSolidJpeg(folder, "logo.jpg", 80, 40, kRed);
  const QImage preview = StampPreview(*d, path, QSize(160, 120));
  ASSERT_FALSE(preview.isNull());
  EXPECT_EQ(preview.size(), QSize(160, 80));
  EXPECT_TRUE(Near(Rgb(preview, 80, 40), kRed));
  EXPECT_TRUE(d->ImageStampFileName.empty()) << "the document is not touched";
  EXPECT_TRUE(StampPreview(*d, folder.Path() + "/missing.jpg", QSize(160, 120)).isNull());
  EXPECT_TRUE(StampPreview(*d, "", QSize(160, 120)).isNull());
}

class HeaderFooterDialog : public ObjectDialogs {};

TEST_F(HeaderFooterDialog, AreaHeightsStayBetweenFourUnitsAndHalfThePrintableHeight) {
  const int32_t max = MaxBandHeight(*d);
  EXPECT_EQ(max, d->PrintableRect.Height() / 2);
  struct Case {
    std::string typed;
    int32_t shown;  // layout units the field shows afterwards
  } cases[] = {{LengthText(3, kUnitMillimetre), 4}, {LengthText(max + 1, kUnitMillimetre), max},
               {"-10", 4}, {"tall", 69}, {"", 69}};
  for (const Case& c : cases) {
    HeaderFooterValues v = OpenHeaderFooter(*d);
    v.Bands[kFooterBand].AreaHeight = c.typed;
    sink.beeps = 0;
    int bad = -2;
    EXPECT_FALSE(ApplyHeaderFooter(v, *d, bad)) << c.typed;
    EXPECT_EQ(bad, kFooterBand);
    EXPECT_EQ(sink.beeps, 1);
    EXPECT_EQ(v.Bands[kFooterBand].AreaHeight, LengthText(c.shown, kUnitMillimetre)) << c.typed;
    EXPECT_EQ(d->Footer.Offset, 69);
  }
  HeaderFooterValues v = OpenHeaderFooter(*d);
  v.Bands[kHeaderBand].AreaHeight = LengthText(max, kUnitMillimetre);
  int bad = -2;
  EXPECT_TRUE(ApplyHeaderFooter(v, *d, bad));
  EXPECT_EQ(d->Header.Offset, max);
}

TEST_F(HeaderFooterDialog, UseFixedDateKeepsTodayAndShowsIt) {
  HeaderFooterValues v = OpenHeaderFooter(*d);
  SetUseFixedDate(v, kHeaderBand, true, QDate(2024, 3, 9));
  EXPECT_EQ(v.Bands[kHeaderBand].FixedDate, (std::array<int16_t, 3>{2024, 3, 9}));
  const std::string shown = FixedDateText(v.Bands[kHeaderBand]);
  EXPECT_EQ(shown.rfind(": ", 0), 0u);
  EXPECT_NE(shown.find("24"), std::string::npos);
  int bad = -2;
  ASSERT_TRUE(ApplyHeaderFooter(v, *d, bad));
  EXPECT_EQ(d->Header.UseFixedDate, 1);
  EXPECT_EQ(d->Header.FixedDate, (std::array<int16_t, 3>{2024, 3, 9}));
  SetUseFixedDate(v, kHeaderBand, false, QDate(2024, 3, 9));
  EXPECT_EQ(v.Bands[kHeaderBand].FixedDate, (std::array<int16_t, 3>{0, 0, 0}));
  EXPECT_TRUE(FixedDateText(v.Bands[kHeaderBand]).empty());
}

TEST_F(HeaderFooterDialog, StoredBandsAreComposedAndPrinted) {
  const QRect footerBand(0, Dev(d->PrintableRect.bottom - 69), Dev(d->PageWidth), Dev(69));
  view.page = 0;
  EXPECT_EQ(InkCount(RenderPrinter(*d, 72), footerBand, kWhiteRgb), 0);
  HeaderFooterValues v = OpenHeaderFooter(*d);
  BandValues& footer = v.Bands[kFooterBand];
  footer.Text = RecordText("Proof @");
  footer.DispText = 1;
  footer.DispDatePage = 1;
  ChooseHeaderFooterSize(v, 60);
  ChooseHeaderFooterLineHeight(v, 110);
  v.Face = kFaceBold;
  int bad = -2;
  ASSERT_TRUE(ApplyHeaderFooter(v, *d, bad));
  EXPECT_EQ(d->Footer.Enabled, 1);
  EXPECT_EQ(d->Header.Enabled, 0);
  EXPECT_EQ(d->HeaderFooterStyle.FontSize, 60);
  EXPECT_EQ(d->HeaderFooterStyle.LineHeight, 66);
  EXPECT_EQ(d->Footer.WorkText.rfind("Proof @\r\n", 0), 0u) << d->Footer.WorkText;
  EXPECT_GT(InkCount(RenderPrinter(*d, 72), footerBand, kWhiteRgb), 20);

  // Unchanged values come back as they were.
  const BandSettings before = d->Footer;
  const TextStyle style = d->HeaderFooterStyle;
  for (int unit : {int(kUnitMillimetre), int(kUnitInch)}) {
    v = OpenHeaderFooter(*d);
    ChooseBandUnit(v, kFooterBand, unit);
    ASSERT_TRUE(ApplyHeaderFooter(v, *d, bad));
    EXPECT_EQ(d->Footer.Text, before.Text);
    EXPECT_EQ(d->Footer.Offset, before.Offset);
    EXPECT_EQ(d->HeaderFooterStyle, style);
  }
}

TEST_F(ObjectDialogs, CutLineControlsFollowTheMode) {
  struct Case {
    int16_t mode, type;
    bool typeEnabled, lengthEnabled;
  } cases[] = {{kCutLineOff, kCutAtCorner, false, false},
               {kCutLineFotoba, kCutAtCorner, false, false},
               {kCutLineOthers, kCutAroundImage, true, false},
               {kCutLineOthers, kCutAtCorner, true, true}};
  for (const Case& c : cases) {
    CutLineValues v;
    v.Mode = c.mode;
    v.OthersType = c.type;
    EXPECT_EQ(CutLineTypeEnabled(v), c.typeEnabled);
    EXPECT_EQ(CornerLengthEnabled(v), c.lengthEnabled);
  }
}

TEST_F(ObjectDialogs, CornerMarkLengthsAreKeptInRange) {
  struct Case {
    std::string typed;
    int32_t shown;
  } cases[] = {{"0", 1}, {"-3", 1}, {LengthText(3601, kUnitMillimetre), 3600}, {"long", 71}, {"", 71}};
  for (const Case& c : cases) {
    CutLineValues v = OpenCutLines(*d);
    v.Mode = kCutLineOthers;
    v.CornerLength = c.typed;
    EXPECT_FALSE(ApplyCutLines(v, *d)) << c.typed;
    EXPECT_EQ(v.CornerLength, LengthText(c.shown, kUnitMillimetre)) << c.typed;
  }
  EXPECT_EQ(d->CutLineMode, kCutLineOff);
  CutLineValues v = OpenCutLines(*d);
  v.CornerLength = "nonsense";
  EXPECT_TRUE(ApplyCutLines(v, *d)) << "the length is not in use with the lines off";
  EXPECT_EQ(d->CutLineCornerLength, 71);
}

TEST_F(ObjectDialogs, ChosenCutLinesArePrintedAroundTheImages) {
  const std::string picture = WriteSolidJpeg(folder, "blue.jpg", 60, 40, kBlue);
  ImageObject* image = PlacePicture(*d, picture, {1000, 1000, 2000, 1800});
  ASSERT_TRUE(image);
  image->SizeImageOption = 1;
  view.page = 0;
  const QRect around(Dev(1000) - 4, Dev(1000) - 4, Dev(1000) + 8, Dev(800) + 8);
  EXPECT_TRUE(ColorBox(RenderPrinter(*d, 72), around, kRed).isEmpty());

  CutLineValues v = OpenCutLines(*d);
  v.Mode = kCutLineOthers;
  v.OthersType = kCutAroundImage;
  v.Color = MakeColor(255, 0, 0);
  ASSERT_TRUE(ApplyCutLines(v, *d));
  EXPECT_EQ(UndoChangeCode(*d), kUndoCutLines);
  const QRect red = ColorBox(RenderPrinter(*d, 72), around, kRed);
  EXPECT_NEAR(red.left(), Dev(1000) - 1, 1);
  EXPECT_NEAR(red.right(), Dev(2000), 1);
  EXPECT_NEAR(red.bottom(), Dev(1800), 1);

  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(d->CutLineMode, kCutLineOff);
  EXPECT_TRUE(ColorBox(RenderPrinter(*d, 72), around, kRed).isEmpty());
}

}  // namespace
}  // namespace tl::test
