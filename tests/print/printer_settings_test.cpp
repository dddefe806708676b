// Print settings over a real IPP printer: the lists a document's printer
// fills, the printer profile a media type recommends, the printable
// margins, and what the paper fields make of the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "color/printer_profile.h"
#include "document/layout_document.h"
#include "layout/page_geometry.h"
#include "print/driver_items.h"
#include "print/printer_settings.h"
#include "tests/print/photo_printer_suite.h"

namespace tl::test {
namespace {

class PrinterSettingsTest : public PhotoPrinterSuite {
 protected:
  void SetUp() override {
    TL_REQUIRE_SUITE_PRINTER();
    document_.reset(DocumentNew(nullptr, nullptr));
    ASSERT_TRUE(PrinterSettingsLoad(*document_, settings_, printer_->Uri()));
  }

  DocumentPtr document_;
  PrinterSettings settings_;
};

std::vector<int32_t> Ids(const std::vector<IdName>& list) {
  std::vector<int32_t> ids;
  for (const IdName& entry : list) ids.push_back(entry.Id);
  return ids;
}

TEST_F(PrinterSettingsTest, ListsComeFromThePrinterAndPointAtItsProfiles) {
  EXPECT_EQ(Ids(settings_.PaperSizes), (std::vector<int32_t>{9, 1, 8}));  // narrowest first
  EXPECT_EQ(Ids(settings_.PaperSources), (std::vector<int32_t>{7, 1, 4, 256}));
  ASSERT_EQ(settings_.MediaTypes.size(), 3u);
  EXPECT_EQ(settings_.MediaTypes[1].Name, "Photographic Glossy");
  ASSERT_EQ(settings_.MediaProfiles.size(), 1u);
  EXPECT_EQ(settings_.MediaProfiles[0].ProfileFile, "Glossy_Photo.icc");

  std::string name;
  EXPECT_TRUE(FindPrinterProfile(MediaProfileQuery(settings_, 3), name));
  EXPECT_EQ(name, "Glossy_Photo.icc");
  EXPECT_FALSE(FindPrinterProfile(MediaProfileQuery(settings_, 1), name));

  const auto printers = settings_.Printers;
  ASSERT_FALSE(printers.empty());
  EXPECT_EQ(printers.back().Name, "PDF file");
}

TEST_F(PrinterSettingsTest, MarginsAreReadInLayoutUnits) {
  LRect margins{};
  ASSERT_TRUE(ReadPrintableMargins(*settings_.Extension, margins));
  // 3 mm = 30 tenths = 42.5 layout units, truncated.
  EXPECT_EQ(margins.left, 42);
  EXPECT_EQ(margins.top, 42);
  EXPECT_EQ(margins.right, 42);
  EXPECT_EQ(margins.bottom, 42);
}

TEST_F(PrinterSettingsTest, PaperFieldsMakeThePage) {
  LayoutDocument& d = *document_;
  const struct {
    int16_t orientation;
    int32_t banner;
    int32_t width, height;
    int16_t limit;
  } cases[] = {
      {kPortrait, 0, 2976, 4209, 50},
      {kLandscape, 0, 4209, 2976, 71},
      {kPortrait, 1, 2976, 4209, 1},
  };
  for (const auto& c : cases) {
    d.Orientation = c.orientation;
    d.Banner = c.banner;
    d.PageWidth = d.PageHeight = 0;
    ApplyPaperFields(d);
    EXPECT_EQ(d.PageWidth, c.width) << c.orientation << " " << c.banner;
    EXPECT_EQ(d.PageHeight, c.height) << c.orientation << " " << c.banner;
    EXPECT_EQ(d.MaxPageCount, c.limit);
    EXPECT_EQ(d.PrintableRect.right, d.PageWidth - d.PrinterMargins.right);
  }
  // A banner keeps the length it was given.
  d.PageHeight = 20000;
  ApplyPaperFields(d);
  EXPECT_EQ(d.PageHeight, 20000);
}

TEST_F(PrinterSettingsTest, PageSetupFindsThePrintersPapers) {
  const SettingsPaperList papers(*settings_.Extension);
  int32_t length = 0, width = 0;
  EXPECT_EQ(PaperFromPageSize(papers, 2976, 4209, false, length, width), 9);
  EXPECT_EQ(PaperFromPageSize(papers, 4209, 5953, false, length, width), 8);
  // Larger than every sheet, but the roll takes it.
  EXPECT_EQ(PaperFromPageSize(papers, 4600, 20000, false, length, width), kCustomPaperSize);
  EXPECT_EQ(PaperFromPageSize(papers, 4800, 20000, false, length, width), 0);
}

TEST_F(PrinterSettingsTest, RestoreReopensFromTheStoredBlock) {
  ASSERT_TRUE(ExtensionSetValue(*settings_.Extension, kItemPaperSize, 8));
  std::string block;
  ASSERT_GT(PrinterSettingsDevMode(settings_, block), 0u);

  PrinterSettings restored;
  ASSERT_TRUE(PrinterSettingsRestore(restored, printer_->Uri(), block));
  EXPECT_EQ(restored.Extension->State.PaperId, 8);
  EXPECT_EQ(restored.SettingBlock, block);
  EXPECT_EQ(Ids(restored.PaperSizes), Ids(settings_.PaperSizes));
  EXPECT_FALSE(PrinterSettingsRestore(restored, printer_->Uri(), "not a block"));
  EXPECT_EQ(restored.Extension->State.PaperId, 8);  // kept what it had
}

TEST_F(PrinterSettingsTest, ExtraPrinterUrisAreListed) {
  setenv(kExtraPrintersVariable, (printer_->Uri() + " ipp://localhost:1/ipp/print").c_str(), 1);
  const std::vector<PrinterEntry> printers = ListPrinters();
  unsetenv(kExtraPrintersVariable);
  // The unreachable one is left out; the PDF file destination is always last.
  ASSERT_GE(printers.size(), 2u);
  EXPECT_EQ(printers[printers.size() - 2].Name, printer_->Uri());
  EXPECT_EQ(printers[printers.size() - 2].Model, "Tessaline Test Photo 1");
  EXPECT_EQ(printers.back().Name, "PDF file");
}

TEST(PrinterSettingsLoadTest, UnknownPrinterLeavesNoSettings) {
  DocumentPtr document(DocumentNew(nullptr, nullptr));
  PrinterSettings settings;
  EXPECT_FALSE(PrinterSettingsLoad(*document, settings, "ipp://localhost:1/ipp/print"));
  EXPECT_EQ(settings.Extension, nullptr);
  std::string block;
  EXPECT_EQ(PrinterSettingsDevMode(settings, block), 0u);
}

}  // namespace
}  // namespace tl::test
