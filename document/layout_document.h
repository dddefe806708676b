// LayoutDocument: everything one layout shows and prints, with its object
// list, and the operations that create, copy and free it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/fixed_string.h"
#include "document/geometry.h"
#include "document/layout_object.h"
#include "document/text_style.h"

namespace tl {

class ViewLink;

// RecordState of a live document; arrangement and page counting ignore
// records in any other state (the application default document).
constexpr int16_t kRecordLive = 2;

// A4 portrait, the page of a new document.
constexpr int32_t kA4PageWidth = 2976;
constexpr int32_t kA4PageHeight = 4209;
constexpr int32_t kA4PaperLength = 2970;  // 0.1 mm
constexpr int32_t kA4PaperWidth = 2100;   // 0.1 mm
constexpr int16_t kA4PaperId = 9;
constexpr int16_t kA4PaperTableRow = 16;

// The longest layout: 15 m of paper (590.55 inches) in layout units.
constexpr double kMaxLayoutLength = 212598.4251968504;

enum OrientationCode : int16_t { kPortrait = 1, kLandscape = 2 };

enum AlignHorizontalCode : int32_t {
  kAlignLeft = 1,
  kAlignRight = 2,
  kAlignCenter = 4,
  kAlignJustify = 5,
  kAlignEqualSpacing = 6,
};

// AlignLine and AlignVertical share these values.
enum AlignVerticalCode : int32_t {
  kAlignTop = 1,
  kAlignBottom = 2,
  kAlignMiddle = 4,
};

enum InkCode : int16_t { kInkBlack = 1, kInkColor = 2, kInkDuotint = 256 };
enum OutputPrinterControlsCode : int16_t { kByApplication = 1, kByMonitorSimulation = 2, kByPrinterDriver = 3 };
enum CutLineModeCode : int16_t { kCutLineOff = 0, kCutLineFotoba = 1, kCutLineOthers = 2 };
enum CutLineOthersCode : int16_t { kCutAroundImage = 1, kCutAtCorner = 2 };

// The settings of one header or footer band.
struct BandSettings {
  int32_t Enabled = 0;  // set whenever one of the three display flags is set
  int16_t Offset = 69;  // 4.9 mm
  int32_t DispText = 0;
  int32_t DispPrintInfo = 0;
  int32_t DispDatePage = 0;
  int32_t UseFixedDate = 0;
  std::array<int16_t, 3> FixedDate = {0, 0, 0};  // year, month, day
  std::string Text;
  std::string WorkText;  // composed for drawing; never stored
};

struct LayoutDocument {
  int32_t SelectedImageCount = 0;
  int16_t RecordState = kRecordLive;
  int32_t SelectedOtherCount = 0;
  std::string DocumentPath;
  ViewLink* View = nullptr;  // the ViewLink; not owned

  // Printer and paper
  int16_t Orientation = kPortrait;
  int16_t PaperSizeID = kA4PaperId;
  int32_t PaperLength = kA4PaperLength;  // 0.1 mm
  int32_t PaperWidth = kA4PaperWidth;    // 0.1 mm
  int16_t PaperSourceID = 0;
  std::string PrinterName;
  int32_t MediaTypeID = 0;
  int16_t AutoMode = 0;
  int16_t Color = 0;  // InkCode
  int16_t PrintableArea = 0;
  int32_t Centerd = 0;
  int32_t HighSpeed = 0;
  std::string PrinterModel;
  std::string PaperSize;
  std::string MediaType;
  std::string PaperSource;
  std::string NameGenre;
  std::string NameOutputImageForm;
  std::string NameMyTemplate;
  std::string Comment;
  std::string UserPreset;
  int32_t Banner = 0;

  // Page geometry
  int32_t LastPageWidth = kA4PageWidth;
  int32_t LastPageHeight = kA4PageHeight;
  int32_t PageWidth = kA4PageWidth;
  int32_t PageHeight = kA4PageHeight;
  LRect PrintableRect = {45, 45, 2931, 4009};
  LRect PrinterMargins = {45, 45, 45, 200};  // left, top, right, bottom
  int32_t ShowPrintMargins = 1;
  int32_t ShowLayoutMargins = 1;
  int32_t UserDefinedPageInUse = 0;
  int32_t PaperOrient = 0;
  int16_t PaperTableIndex = kA4PaperTableRow;
  int16_t DisplayUnit = 1;  // mm
  FontNameField DisplayUnitName;
  int32_t NudgeStep = 14;

  // Layout mode and alignment
  int32_t Free = 0;
  int32_t AlignHorizontal = kAlignCenter;
  int32_t AlignLine = kAlignBottom;
  int32_t AlignHorizontalSpacing = 70;
  int32_t AlignVerticalSpacing = 70;
  int16_t AlignVertical = kAlignTop;

  // Header and footer
  TextStyle DocumentTextStyle;
  BandSettings Header;
  BandSettings Footer;
  TextStyle HeaderFooterStyle;

  // Input colour block. The profile states are profile modes: positive
  // for the named profile, 0 the role's built-in one, -1 its system default.
  int16_t InputSrcProfileState = 1;
  std::string InputSrcProfile;
  int16_t InputSrcIntent = 1;
  int32_t InputSrcUseEmbedProfile = 0;
  int16_t InputSimMethod = 0;  // 0 none, 1 CMYK, 2 RGB
  int16_t InputSimProfileState = 0;
  std::string InputSimProfile;
  int16_t InputSimIntent = 1;

  // Output colour block
  int16_t OutputMonitorProfileState = -1;  // dialog: list position + 1
  std::string OutputMonitorProfile;
  int16_t OutputPrinterControls = kByPrinterDriver;
  int16_t OutputPrinterProfileState = 0;  // printer list position; 0 "Recommended"
  std::string OutputPrinterProfile;
  // Output of images decoded through the capture-matching path is left
  // unconverted for printing.
  int32_t LeaveCaptureMatchedUnmatched = 0;

  int16_t PageNumber = 1;
  int16_t MaxPageCount = 50;
  ImageObject* DefaultImageSettings = nullptr;  // owned
  ObjectList Objects;                           // owned
  ImageObject* CurrentImage = nullptr;          // not owned
  int32_t Modified = 0;
  int32_t SavingTemplate = 0;
  int32_t InputSrcUseVdx = 1;
  int16_t AutoRotation = 0;
  int32_t PreProcessing = 1;
  int32_t SaveRelativePath = 0;
  LSize UserDefinedPage = {kA4PageWidth, kA4PageHeight};
  ColorRef PaperColor = kWhite;
  int32_t LayoutMarginMode = 0;
  LRect LayoutMargin;  // left, top, right, bottom

  // Cut lines
  int16_t CutLineMode = kCutLineOff;
  int16_t CutLineOthersType = kCutAtCorner;
  int32_t CutLineCornerLength = 71;  // 5 mm
  ColorRef CutLineColor = kBlack;

  // Image stamp
  int32_t ImageStampInUse = 0;
  std::string ImageStampFileName;
  int32_t ImageStampSettings = 0;
  LPoint ImageStampPosition;
  LSize ImageStampSize;
  int32_t ImageStampConstrainPropotion = 1;
  // The stamp picture read from ImageStampFileName (its description,
  // preview and mask), loaded when the stamp is first drawn; never stored.
  std::shared_ptr<ImageObject> ImageStampImage;

  std::string TemplateName;
  int32_t SaveWithArrangedImages = 0;
};

// Frees a document made by DocumentNew.
struct DocumentDeleter {
  void operator()(LayoutDocument* document) const;
};
using DocumentPtr = std::unique_ptr<LayoutDocument, DocumentDeleter>;

// Documents kept together (templates, previews).
using DocumentList = std::vector<LayoutDocument*>;

// A new document: a copy of `source` (settings only; the copy's object list
// is empty and it is attached to no view) or, without one, every default.
// The page geometry is then derived, and a fresh DefaultImageSettings made.
// With `list` the new document is added to it. Null when memory cannot be
// had.
LayoutDocument* DocumentNew(const LayoutDocument* source, DocumentList* list);

// Removes the document from `list` when given and frees it with its objects
// and default image settings.
void DocumentFree(LayoutDocument* document, DocumentList* list);

// The page count after an arrangement pass: pages follow the lowest object
// in automatic layout (up to MaxPageCount); free layout keeps PageNumber.
void UpdatePageCount(LayoutDocument& document);
// The same with the lowest bottom edge of the counted objects already
// measured (the arrangement pass measures it on its way through the list).
void UpdatePageCountFor(LayoutDocument& document, int64_t lowestBottom);
// Whether an object's bottom edge counts for the page count.
bool CountsForPages(const LayoutObject& object);

// MaxPageCount for a page height: 1 for banners, else how many pages of
// this height fit into the longest layout, at least 1.
int16_t MaxPageCountFor(int32_t pageHeight, bool banner);

// The printable rectangle of one page: the page minus PrinterMargins.
LRect PrintableRectFor(const LayoutDocument& document);

// A paper side in 0.1 mm as layout units (through millimetres with one
// decimal, rounded half away from zero).
int32_t TenthMillimetresToLayout(int32_t tenths);

// The page an object whose top edge is at `y` lies on, counted from 0.
int32_t PageOfY(const LayoutDocument& document, int32_t y);

}  // namespace tl
