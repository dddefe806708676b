// The driver extension over a real IPP printer and over the PDF file
// destination: what it lists, with which ids, the items it reads and
// refuses, and the setting block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "print/driver_extension.h"
#include "print/driver_items.h"
#include "print/setting_block.h"
#include "tests/print/photo_printer_suite.h"

namespace tl::test {
namespace {

std::vector<int32_t> Range(const DriverExtension& x, uint16_t item) {
  std::vector<int32_t> values;
  ExtensionGetRange(x, item, values);
  return values;
}

std::string ValueName(const DriverExtension& x, int32_t type, int32_t value) {
  ItemRecord record;
  record.Fields = {type, value};
  return ExtensionGetData(x, kItemValueName, record) ? record.Text : "(none)";
}

ItemRecord Paper(const DriverExtension& x) {
  ItemRecord record;
  EXPECT_TRUE(ExtensionGetData(x, kItemPaperSize, record));
  return record;
}

class IppDriverTest : public PhotoPrinterSuite {
 protected:
  void SetUp() override {
    TL_REQUIRE_SUITE_PRINTER();
    x_ = ExtensionLoad(printer_->Uri());
    ASSERT_NE(x_, nullptr);
    ASSERT_TRUE(ExtensionOpen(*x_, kOpenPlain));
  }

  DriverExtensionPtr x_;
};

TEST_F(IppDriverTest, ListsWhatThePrinterOffersWithStableIds) {
  std::string model;
  ASSERT_TRUE(ExtensionGetDriverInfo(*x_, model));
  EXPECT_EQ(model, "Tessaline Test Photo 1");

  // Table sizes carry the paper table's ids; the roll is source 256.
  const std::vector<int32_t> papers = Range(*x_, kItemPaperSize);
  for (const int32_t id : {9, 1, 8}) EXPECT_NE(std::ranges::count(papers, id), 0) << id;
  EXPECT_EQ(std::ranges::count(papers, kCustomPaperSize), 0);
  EXPECT_EQ(Range(*x_, kItemPaperSource), (std::vector<int32_t>{7, 1, 4, 256}));
  EXPECT_EQ(ValueName(*x_, kNamePaperSource, 256), "Roll");
  const std::vector<int32_t> media = Range(*x_, kItemMediaType);
  ASSERT_EQ(media.size(), 3u);
  EXPECT_EQ(media[0], 1);
  EXPECT_EQ(media[1], 3);
  EXPECT_GE(media[2], 257);
  EXPECT_EQ(ValueName(*x_, kNameMediaProfile, 3), "Glossy_Photo.icc");
  EXPECT_EQ(ValueName(*x_, kNameMediaProfile, 1), "(none)");
  EXPECT_EQ(Range(*x_, kItemInk), (std::vector<int32_t>{2, 1, 256}));
  EXPECT_EQ(Range(*x_, kItemColorManagement), (std::vector<int32_t>{kModePhoto, kModeQuality, kModeSpeed}));
  EXPECT_NE(std::ranges::count(Range(*x_, kItemColorAdjust), kAdjustCaptureMatching), 0);
  EXPECT_EQ(x_->Caps.RollWidth, 3290);

  // The same printer loaded again gives every value the same id.
  const DriverExtensionPtr again = ExtensionLoad(printer_->Uri());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Range(*again, kItemPaperSize), papers);
  EXPECT_EQ(Range(*again, kItemMediaType), media);
}

TEST_F(IppDriverTest, MaximumAreaReadsBackTheBorderlessMargins) {
  ASSERT_TRUE(ExtensionSetValue(*x_, kItemPaperSize, 9));
  const ItemRecord standard = Paper(*x_);
  EXPECT_EQ(standard.Fields, (std::vector<int32_t>{2100, 2970, 2040, 2910, 30, 30, 9}));

  ItemRecord area;
  ASSERT_TRUE(ExtensionGetData(*x_, kItemPrintableArea, area));
  area.Fields[kRecordValue] = 1;
  ASSERT_TRUE(ExtensionSetData(*x_, kItemPrintableArea, area));
  EXPECT_EQ(Paper(*x_).Fields, (std::vector<int32_t>{2100, 2970, 2100, 2970, 0, 0, 9}));

  // Landscape turns the sheet; Letter has one set of margins only, so the
  // printable-area item is not offered for it.
  ASSERT_TRUE(ExtensionSetValue(*x_, kItemOrientation, 2));
  EXPECT_EQ(Paper(*x_).Fields[kPaperWidth], 2970);
  ASSERT_TRUE(ExtensionSetValue(*x_, kItemPaperSize, 1));
  EXPECT_FALSE(ExtensionGetData(*x_, kItemPrintableArea, area));
  EXPECT_TRUE(Range(*x_, kItemPrintableArea).empty());
}

TEST_F(IppDriverTest, RefusesValuesThePrinterDoesNotOffer) {
  const struct {
    uint16_t item;
    int32_t value;
  } refused[] = {
      {kItemOrientation, 3}, {kItemPaperSize, kCustomPaperSize}, {kItemPaperSize, 12},
      {kItemPaperSource, 2}, {kItemMediaType, 2},                {kItemColorAdjust, 5},
      {kItemHighSpeed, 1},
  };
  const DriverState before = x_->State;
  for (const auto& c : refused) EXPECT_FALSE(ExtensionSetValue(*x_, c.item, c.value)) << c.item << " = " << c.value;
  EXPECT_EQ(WriteSettingBlock(x_->State), WriteSettingBlock(before));

  // Item 70 is written only with its first field set.
  ItemRecord ink;
  ASSERT_TRUE(ExtensionGetData(*x_, kItemInk, ink));
  ink.Fields[kInkCode] = 1;
  ink.Fields[kInkSetFlag] = 0;
  EXPECT_FALSE(ExtensionSetData(*x_, kItemInk, ink));
  ink.Fields[kInkSetFlag] = 1;
  EXPECT_TRUE(ExtensionSetData(*x_, kItemInk, ink));
  EXPECT_EQ(x_->State.Ink, 1);
}

TEST_F(IppDriverTest, SettingBlockRestoresTheSettings) {
  ASSERT_TRUE(ExtensionSetValue(*x_, kItemPaperSize, 8));
  ASSERT_TRUE(ExtensionSetValue(*x_, kItemOrientation, 2));
  ASSERT_TRUE(ExtensionSetValue(*x_, kItemPaperSource, 256));
  ASSERT_TRUE(ExtensionSetValue(*x_, kItemMediaType, 3));
  std::string block;
  ASSERT_TRUE(ExtensionGetDevMode(*x_, block));

  const DriverExtensionPtr restored = ExtensionLoad(printer_->Uri());
  ASSERT_TRUE(ExtensionOpen(*restored, kOpenFromBlock, block));
  EXPECT_EQ(WriteSettingBlock(restored->State), block);

  // Values this printer does not offer fall back to its defaults; text
  // that is no setting block is refused.
  DriverState foreign = x_->State;
  foreign.PaperId = 12345;
  foreign.SourceId = 2;
  ASSERT_TRUE(ExtensionOpen(*restored, kOpenFromBlock, WriteSettingBlock(foreign)));
  EXPECT_EQ(restored->State.PaperId, 9);
  EXPECT_EQ(restored->State.SourceId, 7);
  EXPECT_EQ(restored->State.MediaTypeId, 3);
  EXPECT_FALSE(ExtensionOpen(*restored, kOpenFromBlock, "paper=9\n"));
}

TEST(DriverExtensionTest, PdfFileDestinationListsThePaperTableAndARoll) {
  const DriverExtensionPtr x = ExtensionLoad(PdfFilePrinterName());
  ASSERT_NE(x, nullptr);
  ASSERT_TRUE(ExtensionOpen(*x, kOpenPlain));
  EXPECT_TRUE(x->PdfFile);
  EXPECT_EQ(PdfFilePrinterName(), "PDF file");
  std::vector<int32_t> papers;
  ASSERT_TRUE(ExtensionGetRange(*x, kItemPaperSize, papers));
  EXPECT_EQ(papers.size(), 20u);  // B1 Landscape is B1 turned
  EXPECT_EQ(x->State.PaperId, 9);
  EXPECT_EQ(Paper(*x).Fields, (std::vector<int32_t>{2100, 2970, 2100, 2970, 0, 0, 9}));
  EXPECT_TRUE(ExtensionSetValue(*x, kItemPaperSource, 256));
  std::vector<int32_t> media;
  EXPECT_FALSE(ExtensionGetRange(*x, kItemMediaType, media));
}

TEST(DriverExtensionTest, UnknownAndUnreachablePrintersDoNotLoad) {
  EXPECT_EQ(ExtensionLoad(""), nullptr);
  EXPECT_EQ(ExtensionLoad(std::string(kMaxPrinterName, 'p')), nullptr);
  EXPECT_EQ(ExtensionLoad("ipp://localhost:1/ipp/print"), nullptr);
  EXPECT_EQ(ExtensionLoad("No Such Printer"), nullptr);
}

TEST(DriverExtensionTest, UserPresetsAreKeptPerPrinter) {
  char folder[] = "/tmp/tl-presets-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  setenv("XDG_CONFIG_HOME", folder, 1);
  const DriverExtensionPtr x = ExtensionLoad(PdfFilePrinterName());
  ASSERT_TRUE(ExtensionSetValue(*x, kItemPaperSize, 8));
  ASSERT_TRUE(SaveUserPreset(*x, "A3 proofs"));
  ASSERT_TRUE(ExtensionSetValue(*x, kItemPaperSize, 9));
  ASSERT_TRUE(SaveUserPreset(*x, "A4 cards"));
  EXPECT_FALSE(SaveUserPreset(*x, "bad]name"));
  EXPECT_EQ(UserPresetNames(PdfFilePrinterName()), (std::vector<std::string>{"A3 proofs", "A4 cards"}));
  ItemRecord record;
  record.Fields = {0};
  ASSERT_TRUE(ExtensionGetData(*x, kItemUserPresets, record));
  EXPECT_EQ(record.Text, "A3 proofs");

  ASSERT_TRUE(ApplyUserPreset(*x, "A3 proofs"));
  EXPECT_EQ(x->State.PaperId, 8);
  EXPECT_EQ(x->State.Preset, "A3 proofs");
  EXPECT_FALSE(ApplyUserPreset(*x, "missing"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tl::test
