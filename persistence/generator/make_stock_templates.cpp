// Writes the stock templates that ship with the program, so that a new user
// has real starting points: contact sheets, a proof, cards and a banner.
// Run once when they change; the files are kept in resources/templates/:
//   tl_make_stock_templates resources/templates
#include <cstdio>
#include <functional>
#include <string>

#include "document/layout_document.h"
#include "layout/image_geometry.h"
#include "layout/orientation.h"
#include "layout/page_geometry.h"
#include "layout/paper_list.h"
#include "layout/paper_table.h"
#include "persistence/template_library.h"

namespace tl {
namespace {

constexpr int16_t kPoints5 = 25;
constexpr int16_t kPoints7 = 35;
constexpr int16_t kPoints8 = 40;
constexpr int32_t kLabelNumberAndName = 0x1 | 0x2;
// Name, maker, model, capture time, exposure time, F number, ISO speed.
constexpr int32_t kLabelExif = 0x2 | 0x400 | 0x800 | 0x2000 | 0x10000 | 0x40000 | 0x80000;
constexpr int32_t kFiveMillimetres = 71;
// Labels are drawn in the frame band on their side: these bands hold one
// line of the label's font.
constexpr int32_t kThumbnailLabelBand = 70;
constexpr int32_t kProofLabelBand = 110;

struct StockTemplate {
  const char* FileName;
  const char* Comment;
  const char* Genre;
  const char* OutputForm;
  std::function<void(LayoutDocument&)> Setup;
};

void UsePage(LayoutDocument& d, int32_t width, int32_t height, bool banner = false) {
  d.PageWidth = width;
  d.PageHeight = height;
  d.Banner = banner;
  const int mode = banner ? kMatchRollWidth : kMatchBothSides;
  d.PaperSizeID = PaperFromPageSize(BuiltInPaperList(), width, height, false, d.PaperLength, d.PaperWidth, mode);
  ApplyPaperIdFallback(d);
  UpdatePageGeometry(d);
  d.PaperTableIndex = FindPaperTableIndex(d);
}

void Thumbnails(LayoutDocument& d, int32_t side) {
  ImageObject& m = *d.DefaultImageSettings;
  m.Size = {side, side};
  m.SizeRatio = 1;
  m.LabelItems = kLabelNumberAndName;
  m.LabelFontSize = kPoints5;
  m.LabelLocation = kLocationBottom;
  m.LabelAlign = 1;
  m.FrameSetting = kFrameCustom;
  m.FrameRect = {0, 0, 0, kThumbnailLabelBand};
  // Camera pictures taken upright show upright.
  d.AutoRotation = kAutoRotationExif;
  d.AlignHorizontal = kAlignLeft;
  d.AlignHorizontalSpacing = 60;
  d.AlignVerticalSpacing = 110;
}

void Cards(LayoutDocument& d, int32_t width, int32_t height) {
  ImageObject& m = *d.DefaultImageSettings;
  m.Size = {width, height};
  m.SizeRatio = 0;
  m.SizeImageOption = kAutoCrop;
  m.FrameSetting = kFrameCustom;
  m.FrameRect = {kFiveMillimetres, kFiveMillimetres, kFiveMillimetres, kFiveMillimetres};
  m.FrameColorValid = 1;
  m.FrameColor = kWhite;
  d.AlignVertical = kAlignMiddle;
  d.CutLineMode = kCutLineOthers;
  d.CutLineOthersType = kCutAtCorner;
}

const StockTemplate kStockTemplates[] = {
    {"Contact Sheet A4.qlt", "30 small pictures per A4 page, each with its number and file name", "General",
     "Combination",
     [](LayoutDocument& d) { Thumbnails(d, 500); }},
    {"Contact Sheet Letter.qlt", "30 small pictures per US Letter page, each with its number and file name", "General",
     "Combination",
     [](LayoutDocument& d) {
       UsePage(d, 3060, 3960);
       d.PaperSize = "US Letter";
       Thumbnails(d, 520);
     }},
    {"Proof A4.qlt", "One picture per A4 page with its Exif data, page numbers in the footer", "Commercial Photo",
     "Photo",
     [](LayoutDocument& d) {
       ImageObject& m = *d.DefaultImageSettings;
       m.Size = {2886, 3600};
       m.SizeRatio = 1;
       m.LabelItems = kLabelExif;
       m.LabelFontSize = kPoints7;
       m.LabelLocation = kLocationBottom;
       m.FrameSetting = kFrameCustom;
       m.FrameRect = {0, 0, 0, kProofLabelBand};
       d.AutoRotation = kAutoRotationExif;
       d.AlignVertical = kAlignMiddle;
       d.Footer.DispDatePage = 1;
       d.Footer.Enabled = 1;
       d.HeaderFooterStyle.FontName = "Tahoma";
       d.HeaderFooterStyle.FontSize = kPoints8;
     }},
    {"Cards 2-up A4.qlt", "Two landscape cards per A4 page, cropped to fill, white border and corner marks",
     "Personal Photo", "Card", [](LayoutDocument& d) { Cards(d, 2700, 1900); }},
    {"Cards 4-up A4.qlt", "Four portrait cards per A4 page, cropped to fill, white border and corner marks",
     "Personal Photo", "Card", [](LayoutDocument& d) { Cards(d, 1400, 1930); }},
    {"Banner Roll 210 mm.qlt", "One metre of 210 mm roll paper with pictures the full width of the roll", "Design",
     "Banner Images",
     [](LayoutDocument& d) {
       UsePage(d, 2976, 14173, true);
       d.PaperSize = "Roll Paper 210 mm";
       ImageObject& m = *d.DefaultImageSettings;
       m.Size = {2886, 2000};
       m.SizeRatio = 1;
     }},
};

bool WriteStockTemplate(const StockTemplate& t, const std::string& folder) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  if (!d) return false;
  d->Comment = t.Comment;
  d->NameGenre = t.Genre;
  d->NameOutputImageForm = t.OutputForm;
  t.Setup(*d);
  UpdateEffectiveImageOption(*d->DefaultImageSettings);
  return SaveTemplateFile(folder + "/" + t.FileName, *d);
}

}  // namespace
}  // namespace tl

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tl_make_stock_templates FOLDER\n");
    return 2;
  }
  for (const tl::StockTemplate& t : tl::kStockTemplates) {
    if (!tl::WriteStockTemplate(t, argv[1])) {
      std::fprintf(stderr, "tl_make_stock_templates: could not write %s\n", t.FileName);
      return 1;
    }
  }
  return 0;
}
