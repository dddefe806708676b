// The print preferences against real IPP printers (a photo printer with a
// roll and a borderless A4, a sheet printer without either that offers no
// glossy paper) and the PDF file destination: what the dialog lists and
// enables, what its controls write and read back, and what OK leaves in the
// document and its print settings.
#include "print/print_preferences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "document/layout_document.h"
#include "layout/units.h"
#include "print/driver_items.h"
#include "tests/document/document_fixtures.h"
#include "tests/print/ipp_printer.h"

namespace tl::test {
namespace {

using fixtures::FakeView;
using fixtures::NewDocument;
using fixtures::RecordingSink;

constexpr int kNoBannerMode = 40001;
constexpr int kLayoutExceedsPrintable = 10426;
constexpr int kOutOfRange = 10410;
constexpr int32_t kGlossy = 3;
constexpr int32_t kLetter = 1;
constexpr int32_t kA3 = 8;
constexpr int32_t kStandardMargin = 42;  // 3 mm in layout units, truncated

// The sheet printer, offering matte paper first and no glossy paper.
std::string MatteSheetAttributes() {
  std::string attributes = SheetPrinterAttributes();
  const std::string types = "media-type-supported stationery,photographic-glossy,photographic-matte";
  if (const size_t at = attributes.find(types); at != std::string::npos)
    attributes.replace(at, types.size(), "media-type-supported photographic-matte,stationery");
  return attributes;
}

class PrintPreferencesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    photo_ = StartSuitePrinter(PhotoPrinterAttributes(), "Tessaline Photo");
    sheet_ = StartSuitePrinter(MatteSheetAttributes(), "Tessaline Sheet");
    if (!photo_ || !sheet_) TearDownTestSuite();
  }
  static void TearDownTestSuite() {
    delete photo_;
    delete sheet_;
    photo_ = sheet_ = nullptr;
  }

  void SetUp() override {
    if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
    ASSERT_NE(photo_, nullptr) << "the IPP printers did not start";
    ASSERT_NE(mkdtemp(config_), nullptr);
    setenv("XDG_CONFIG_HOME", config_, 1);
    // The document's print settings, as the document class makes them.
    ASSERT_TRUE(PrinterSettingsOpen(settings_, photo_->Uri()));
    settings_.Printers = {{sheet_->Uri(), "Tessaline Test Photo 1"},
                          {photo_->Uri(), "Tessaline Test Photo 1"},
                          {PdfFilePrinterName(), PdfFilePrinterName()}};
    d_->PrinterName = photo_->Uri();
  }
  void TearDown() override { std::filesystem::remove_all(config_); }

  void Open() { ASSERT_TRUE(OpenPrintPreferences(*d_, settings_, prefs_)); }

  static IppPrinter* photo_;
  static IppPrinter* sheet_;
  char config_[32] = "/tmp/tl-prefs-XXXXXX";
  DocumentPtr d_ = NewDocument();
  PrinterSettings settings_;
  PrintPreferences prefs_;
  RecordingSink sink_;
  ScopedMessageSink sinkScope_{&sink_};
};
IppPrinter* PrintPreferencesTest::photo_ = nullptr;
IppPrinter* PrintPreferencesTest::sheet_ = nullptr;

TEST_F(PrintPreferencesTest, OpensWithWhatThePrinterOffers) {
  d_->MediaTypeID = kGlossy;
  d_->Color = kInkDuotint;
  Open();
  const PrintFields& f = prefs_.Fields;
  EXPECT_EQ(f.PrinterName, photo_->Uri());
  EXPECT_EQ(f.PaperSizeID, kA4PaperId);
  EXPECT_EQ(f.MediaTypeID, kGlossy);
  EXPECT_EQ(f.Color, kInkDuotint);
  EXPECT_EQ(prefs_.Settings.Printers.size(), 3u);
  // The driver's user-defined size is never a choice.
  for (const IdName& size : prefs_.Settings.PaperSizes) EXPECT_NE(size.Id, kCustomPaperSize) << size.Name;
  EXPECT_FALSE(ChoosePaperSize(prefs_, kCustomPaperSize));

  const PrintControls& e = prefs_.Enabled;
  EXPECT_TRUE(e.AreaChoice && e.Centerd && !e.AreaCleared);  // A4 has a borderless form
  EXPECT_TRUE(e.PaperSize && e.PaperSource);
  EXPECT_TRUE(e.MediaType && e.Color && e.Black && e.Duotint);
  EXPECT_TRUE(e.Photo && e.Quality && e.Speed);
  EXPECT_FALSE(e.PaperLength);
  // IPP has no high speed setting: the control is off and cannot be set.
  EXPECT_FALSE(e.HighSpeed);
  EXPECT_FALSE(ChooseHighSpeed(prefs_, true));
  EXPECT_EQ(f.HighSpeed, 0);

  const PrintPreferencesTexts& t = prefs_.Texts;
  const std::pair<const std::string&, const char*> texts[] = {
      {t.Title, "Print Preferences"}, {t.Printer, "Printer :"}, {t.PaperSource, "Paper Source:"},
      {t.PaperSize, "Paper Size:"}, {t.PaperLength, "Paper Length :"}, {t.Millimetre, "mm"}, {t.Inch, "inch"},
      {t.Orientation, "Orientation:"}, {t.PrintableArea, "Printable Area :"}, {t.Standard, "Standard"},
      {t.Maximum, "Maximum"}, {t.Centerd, "Centerd"}, {t.MediaType, "Media Type:"}, {t.Ink, "Ink :"},
      {t.Color, "Color"}, {t.Black, "Black"}, {t.Duotint, "Duotint"}, {t.Mode, "Mode :"}, {t.Photo, "Photo"},
      {t.Quality, "Quality"}, {t.Speed, "Speed"}, {t.HighSpeed, "High Speed"},
      {t.OptimizeResolution, "Optimize Print Resolution"}, {t.DriverSettings, "Printer Driver Settings"},
  };
  for (const auto& [text, expected] : texts) EXPECT_EQ(text, expected);
}

TEST_F(PrintPreferencesTest, HeldValuesNotListedBecomeTheFirstEntry) {
  // The document's driver holds other settings than the printer's defaults,
  // so a value the driver merely refused would show those instead.
  DriverExtension& held = *settings_.Extension;
  ASSERT_TRUE(ExtensionSetValue(held, kItemPaperSize, kA3));
  ASSERT_TRUE(ExtensionSetValue(held, kItemPaperSource, kSourceManual));
  ItemRecord ink;
  ASSERT_TRUE(ExtensionGetData(held, kItemInk, ink));
  ink.Fields[kInkSetFlag] = 1;
  ink.Fields[kInkCode] = kInkBlack;
  ink.Fields[kInkMediaType] = kGlossy;
  ASSERT_TRUE(ExtensionSetData(held, kItemInk, ink));
  d_->PaperSizeID = 12;  // B4
  d_->PaperSourceID = kSourceAlternate;
  d_->MediaTypeID = kMediaTransparency;
  d_->Color = 3;
  Open();
  const PrinterSettings& lists = prefs_.Settings;
  EXPECT_EQ(prefs_.Fields.PaperSizeID, lists.PaperSizes.front().Id);
  EXPECT_NE(lists.PaperSizes.front().Id, kA3);
  EXPECT_EQ(prefs_.Fields.PaperSourceID, lists.PaperSources.front().Id);
  EXPECT_NE(lists.PaperSources.front().Id, kSourceManual);
  EXPECT_EQ(prefs_.Fields.MediaTypeID, lists.MediaTypes.front().Id);
  EXPECT_NE(lists.MediaTypes.front().Id, kGlossy);
  EXPECT_EQ(prefs_.Fields.Color, kInkColor);

  // A printer that is no longer listed: the first one.
  d_->PrinterName = "Printer Gone Away";
  Open();
  EXPECT_EQ(prefs_.Fields.PrinterName, sheet_->Uri());
}

TEST_F(PrintPreferencesTest, MaximumAreaChangesTheMarginsAndThePrintableRect) {
  d_->LayoutMargin = d_->PrinterMargins;
  Open();
  EXPECT_EQ(prefs_.PrinterMargins, (LRect{kStandardMargin, kStandardMargin, kStandardMargin, kStandardMargin}));
  ASSERT_TRUE(ChoosePrintableArea(prefs_, 1));
  EXPECT_EQ(prefs_.Fields.PrintableArea, 1);
  EXPECT_EQ(prefs_.PrinterMargins, (LRect{0, 0, 0, 0}));
  ASSERT_TRUE(ChooseCentered(prefs_, true));
  EXPECT_EQ(prefs_.Fields.Centerd, 1);

  ASSERT_TRUE(ApplyPrintPreferences(prefs_, *d_, settings_));
  EXPECT_EQ(d_->PrintableArea, 1);
  EXPECT_EQ(d_->Centerd, 1);
  EXPECT_EQ(d_->PrinterMargins, (LRect{0, 0, 0, 0}));
  EXPECT_EQ(d_->PrintableRect, (LRect{0, 0, d_->PageWidth, d_->PageHeight}));
  EXPECT_EQ(d_->LayoutMargin, d_->PrinterMargins);  // "Use current printer margin settings"

  // Back to standard: the rectangle shrinks by the printer's margins;
  // margins the user set keep their values.
  d_->LayoutMarginMode = 1;
  d_->LayoutMargin = {100, 100, 100, 100};
  ASSERT_TRUE(ChoosePrintableArea(prefs_, 0));
  ASSERT_TRUE(ApplyPrintPreferences(prefs_, *d_, settings_));
  EXPECT_EQ(d_->LayoutMargin, (LRect{100, 100, 100, 100}));
  EXPECT_EQ(d_->PrintableRect, (LRect{kStandardMargin, kStandardMargin, d_->PageWidth - kStandardMargin,
                                      d_->PageHeight - kStandardMargin}));

  // Letter has one set of margins: the area controls are off and cleared.
  ASSERT_TRUE(ChooseCentered(prefs_, true));
  ASSERT_TRUE(ChoosePaperSize(prefs_, kLetter));
  EXPECT_TRUE(prefs_.Enabled.AreaCleared);
  EXPECT_FALSE(prefs_.Enabled.AreaChoice || prefs_.Enabled.Centerd);
  EXPECT_EQ(prefs_.Fields.Centerd, 0);
  EXPECT_FALSE(ChoosePrintableArea(prefs_, 1));
}

TEST_F(PrintPreferencesTest, ANewPrinterKeepsWhatItOffersAndGivesFirstEntriesForTheRest) {
  d_->MediaTypeID = kGlossy;
  Open();
  ASSERT_TRUE(ChoosePaperSize(prefs_, kA3));
  ASSERT_TRUE(ChoosePaperSource(prefs_, kSourceRoll));
  ASSERT_TRUE(ChooseInk(prefs_, kInkBlack));
  ASSERT_TRUE(SaveUserPresetAs(prefs_, "Glossy A3"));

  ASSERT_TRUE(ChoosePrinter(prefs_, sheet_->Uri()));
  const PrintFields& f = prefs_.Fields;
  EXPECT_EQ(f.PrinterName, sheet_->Uri());
  EXPECT_EQ(f.PaperSizeID, kA3);
  EXPECT_EQ(f.Color, kInkBlack);
  EXPECT_NE(f.MediaTypeID, kGlossy);
  EXPECT_EQ(f.MediaTypeID, prefs_.Settings.MediaTypes.front().Id);
  EXPECT_EQ(f.PaperSourceID, prefs_.Settings.PaperSources.front().Id);
  EXPECT_FALSE(prefs_.Enabled.PaperLength);
  EXPECT_TRUE(f.UserPreset.empty());  // the preset belongs to the photo printer
  EXPECT_EQ(prefs_.Settings.Printers.size(), 3u);

  // Nothing reaches the document or its print settings before OK.
  EXPECT_EQ(d_->PrinterName, photo_->Uri());
  EXPECT_EQ(d_->MediaTypeID, kGlossy);
  EXPECT_EQ(settings_.Extension->PrinterName, photo_->Uri());

  EXPECT_FALSE(ChoosePrinter(prefs_, "ipp://localhost:1/ipp/print"));
  EXPECT_EQ(prefs_.Fields.PrinterName, sheet_->Uri());
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_NE(sink_.shown[0].text.find("ipp://localhost:1/ipp/print"), std::string::npos);
}

TEST_F(PrintPreferencesTest, BannerModeNeedsRollPaper) {
  d_->PrinterName = sheet_->Uri();
  Open();
  EXPECT_FALSE(ChooseBannerMode(prefs_, true));
  EXPECT_EQ(prefs_.Fields.Banner, 0);
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_TRUE(sink_.Showed(kNoBannerMode));
  EXPECT_EQ(sink_.shown[0].icon, MessageIcon::Exclamation);

  // A banner cannot move to a printer without a roll either.
  ASSERT_TRUE(ChoosePrinter(prefs_, photo_->Uri()));
  ASSERT_TRUE(ChooseBannerMode(prefs_, true));
  EXPECT_EQ(prefs_.Fields.Banner, 1);
  EXPECT_FALSE(ChoosePrinter(prefs_, sheet_->Uri()));
  EXPECT_EQ(prefs_.Fields.PrinterName, photo_->Uri());
  EXPECT_EQ(sink_.shown.size(), 2u);

  // A banner layout that meets the sheet printer is not given to it.
  d_->Banner = 1;
  d_->PrinterName = sheet_->Uri();
  Open();
  EXPECT_FALSE(ApplyPrintPreferences(prefs_, *d_, settings_));
  EXPECT_EQ(sink_.shown.size(), 3u);
  EXPECT_EQ(settings_.Extension->PrinterName, photo_->Uri());
}

TEST_F(PrintPreferencesTest, OkCopiesTheValuesAndReopensFromTheBlock) {
  FakeView view;
  d_->View = &view;
  Open();
  ASSERT_TRUE(ChoosePaperSize(prefs_, kA3));
  ASSERT_TRUE(ChooseOrientation(prefs_, kLandscape));
  ASSERT_TRUE(ChooseMediaType(prefs_, kGlossy));
  ASSERT_TRUE(ChooseInk(prefs_, kInkDuotint));
  ASSERT_TRUE(ChoosePrintMode(prefs_, kModePhoto));
  ASSERT_TRUE(SaveUserPresetAs(prefs_, "Duotint proofs"));
  const DriverExtension* before = settings_.Extension.get();

  ASSERT_TRUE(ApplyPrintPreferences(prefs_, *d_, settings_));
  EXPECT_EQ(d_->PrinterName, photo_->Uri());
  EXPECT_EQ(d_->PaperSizeID, kA3);
  EXPECT_EQ(d_->Orientation, kLandscape);
  EXPECT_EQ(d_->PaperOrient, 1);
  EXPECT_EQ(d_->PaperWidth, 2970);
  EXPECT_EQ(d_->PaperLength, 4200);
  EXPECT_EQ(d_->MediaTypeID, kGlossy);
  EXPECT_EQ(d_->Color, kInkDuotint);
  EXPECT_EQ(d_->UserPreset, "Duotint proofs");
  EXPECT_EQ(d_->PageWidth, TenthMillimetresToLayout(4200));
  EXPECT_EQ(d_->PageHeight, TenthMillimetresToLayout(2970));
  EXPECT_FALSE(d_->PaperSize.empty());
  EXPECT_EQ(d_->PrinterModel, "Tessaline Test Photo 1");
  EXPECT_EQ(d_->Modified, 1);
  EXPECT_GT(view.invalidations, 0);

  // The print settings were opened again from the dialog's block: the
  // print mode, which no document field holds, came through it.
  ASSERT_NE(settings_.Extension, nullptr);
  EXPECT_NE(settings_.Extension.get(), before);
  std::string block;
  ASSERT_GT(PrinterSettingsDevMode(prefs_.Settings, block), 0u);
  EXPECT_EQ(settings_.SettingBlock, block);
  EXPECT_EQ(settings_.Extension->State.PrintMode, kModePhoto);
  EXPECT_EQ(settings_.Extension->State.Preset, "Duotint proofs");

  // Opening again shows what OK stored.
  PrintPreferences again;
  ASSERT_TRUE(OpenPrintPreferences(*d_, settings_, again));
  EXPECT_EQ(again.Fields, prefs_.Fields);
  EXPECT_EQ(again.PrintMode, kModePhoto);
  d_->View = nullptr;
}

TEST_F(PrintPreferencesTest, OkIsRefusedWhenTheLayoutLeavesThePrintableArea) {
  d_->Free = 1;
  ImageObject* tall = ImageObjectNew(d_->DefaultImageSettings, &d_->Objects);
  tall->Size = {600, 3000};
  tall->Origin = {100, 100};
  Open();
  ASSERT_TRUE(ChooseOrientation(prefs_, kLandscape));  // the page becomes 2976 high
  EXPECT_FALSE(ApplyPrintPreferences(prefs_, *d_, settings_));
  EXPECT_TRUE(sink_.Showed(kLayoutExceedsPrintable));
  EXPECT_EQ(sink_.shown.back().icon, MessageIcon::Exclamation);
  EXPECT_EQ(d_->Orientation, kPortrait);
  EXPECT_EQ(d_->PageHeight, kA4PageHeight);
  EXPECT_EQ(d_->Modified, 0);
  EXPECT_EQ(settings_.Extension->State.Orientation, 1);

  // On A3 the image fits the landscape page again.
  ASSERT_TRUE(ChoosePaperSize(prefs_, kA3));
  EXPECT_TRUE(ApplyPrintPreferences(prefs_, *d_, settings_));
  EXPECT_EQ(tall->Origin, (LPoint{100, 100}));
}

TEST_F(PrintPreferencesTest, UserPresetsApplyAllTheirSettings) {
  Open();
  ASSERT_TRUE(ChoosePaperSize(prefs_, kA3));
  ASSERT_TRUE(ChooseMediaType(prefs_, kGlossy));
  ASSERT_TRUE(SaveUserPresetAs(prefs_, "Glossy A3"));
  EXPECT_EQ(prefs_.UserPresets, std::vector<std::string>{"Glossy A3"});
  EXPECT_TRUE(prefs_.Enabled.UserPresets);

  ASSERT_TRUE(ChoosePaperSize(prefs_, kA4PaperId));
  ASSERT_TRUE(ChooseMediaType(prefs_, 1));
  ASSERT_TRUE(ChooseUserPreset(prefs_, "Glossy A3"));
  EXPECT_EQ(prefs_.Fields.PaperSizeID, kA3);
  EXPECT_EQ(prefs_.Fields.MediaTypeID, kGlossy);
  EXPECT_EQ(prefs_.Fields.UserPreset, "Glossy A3");
  EXPECT_FALSE(ChooseUserPreset(prefs_, "Missing"));
  EXPECT_EQ(prefs_.Fields.UserPreset, "Glossy A3");
}

TEST_F(PrintPreferencesTest, InkAndModeStoreTheirCodes) {
  Open();
  for (const int16_t ink : {kInkBlack, kInkDuotint, kInkColor}) {
    ASSERT_TRUE(ChooseInk(prefs_, ink));
    EXPECT_EQ(prefs_.Fields.Color, ink);
    EXPECT_EQ(prefs_.Settings.Extension->State.Ink, ink);
  }
  for (const int32_t mode : {kModePhoto, kModeSpeed, kModeQuality}) {
    ASSERT_TRUE(ChoosePrintMode(prefs_, mode));
    EXPECT_EQ(prefs_.PrintMode, mode);
    ItemRecord management;
    ASSERT_TRUE(ExtensionGetData(*prefs_.Settings.Extension, kItemColorManagement, management));
    EXPECT_EQ(management.Fields[kManagementPrintMode], mode);
  }
  const DriverState before = prefs_.Settings.Extension->State;
  EXPECT_FALSE(ChooseInk(prefs_, 3));
  EXPECT_FALSE(ChoosePrintMode(prefs_, 7));
  EXPECT_EQ(prefs_.Settings.Extension->State.Ink, before.Ink);
  EXPECT_EQ(prefs_.PrintMode, kModeQuality);
}

TEST_F(PrintPreferencesTest, RollPaperTakesALengthWithinTheRoll) {
  Open();
  ASSERT_TRUE(ChoosePaperSource(prefs_, kSourceRoll));
  EXPECT_TRUE(prefs_.Enabled.PaperLength);
  EXPECT_EQ(RollPaperLengthText(prefs_), "297");
  ASSERT_TRUE(SetRollPaperLength(prefs_, "1000"));
  EXPECT_EQ(prefs_.Fields.PaperLength, 10000);
  ChoosePaperLengthUnit(prefs_, kUnitInch);
  EXPECT_EQ(RollPaperLengthText(prefs_), "39.370");
  ASSERT_TRUE(SetRollPaperLength(prefs_, "20"));
  EXPECT_EQ(prefs_.Fields.PaperLength, 5080);
  EXPECT_EQ(prefs_.PageSize.cy, TenthMillimetresToLayout(5080));
  const std::string summary = PrintPreferencesSummary(prefs_);
  for (const char* line : {"Paper Source: Roll\n", "Paper Length : 20 inch\n", "Printable Area : Standard\n",
                           "Ink : Color\n", "Mode : Quality\n"})
    EXPECT_NE(summary.find(line), std::string::npos) << line << " in\n" << summary;

  // Longer than the 15 m roll, or nothing left between the margins.
  ChoosePaperLengthUnit(prefs_, kUnitMillimetre);
  for (const char* refused : {"15001", "0", "6", "-300", "abc"}) {
    EXPECT_FALSE(SetRollPaperLength(prefs_, refused)) << refused;
    EXPECT_EQ(prefs_.Fields.PaperLength, 5080);
  }
  EXPECT_TRUE(sink_.Showed(kOutOfRange));

  // The sheet keeps its length through the other choices; sheets have their own.
  ASSERT_TRUE(ChooseOrientation(prefs_, kLandscape));
  EXPECT_EQ(prefs_.Fields.PaperLength, 5080);
  ASSERT_TRUE(ChoosePaperSource(prefs_, kSourceAuto));
  EXPECT_FALSE(prefs_.Enabled.PaperLength);
  EXPECT_EQ(prefs_.Fields.PaperLength, 2970);
  EXPECT_FALSE(SetRollPaperLength(prefs_, "1000"));
}

TEST_F(PrintPreferencesTest, PdfFileOffersPaperAndColourOnly) {
  d_->PrinterName = PdfFilePrinterName();
  Open();
  const PrintControls& e = prefs_.Enabled;
  EXPECT_FALSE(e.MediaType || e.Black || e.Duotint || e.Photo || e.Quality || e.Speed || e.HighSpeed);
  EXPECT_TRUE(e.Color);
  EXPECT_TRUE(e.AreaCleared);
  EXPECT_EQ(prefs_.PrinterMargins, (LRect{0, 0, 0, 0}));
  EXPECT_EQ(PrintPreferencesSummary(prefs_),
            "Printer : PDF file\nPaper Size: A4 (  210 x 297 mm )\nPaper Source: Automatic\nInk : Color\n");
}

}  // namespace
}  // namespace tl::test
