#include "document/layout_document.h"

#include <algorithm>
#include <climits>
#include <new>

#include "document/undo_store.h"
#include "document/view_link.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kUnitNameStringBase = 10100;

// Kinds with either bit do not count for the page count (no kind has them
// today; the rule is kept for the records' sake).
constexpr int16_t kKindMaskNotCounted = 0x4 | 0x8;

void DerivePageFromPaper(LayoutDocument& d) {
  if (d.PaperLength == 0 || d.PaperWidth == 0) {
    d.Orientation = kPortrait;
    d.PaperLength = kA4PaperLength;
    d.PaperWidth = kA4PaperWidth;
  }
  const int32_t across = TenthMillimetresToLayout(d.PaperWidth);
  const int32_t along = TenthMillimetresToLayout(d.PaperLength);
  const bool portrait = d.Orientation == kPortrait;
  d.PageWidth = portrait ? across : along;
  d.PageHeight = portrait ? along : across;
}

void ClearRunTimeLinks(LayoutDocument& d) {
  d.View = nullptr;
  d.Objects.Head = nullptr;
  d.CurrentImage = nullptr;
  d.DefaultImageSettings = nullptr;
  d.SelectedImageCount = 0;
  d.SelectedOtherCount = 0;
}

}  // namespace

int32_t TenthMillimetresToLayout(int32_t tenths) {
  // The millimetre text "x.y" read as ten-thousandths: tenths x 1000.
  const int64_t magnitude = tenths < 0 ? -int64_t(tenths) : int64_t(tenths);
  const int64_t v = magnitude * 1000;
  const auto units = static_cast<int32_t>((v * kLayoutUnitsPerInch + 127000) / 254000);
  return tenths < 0 ? -units : units;
}

int16_t MaxPageCountFor(int32_t pageHeight, bool banner) {
  if (banner || pageHeight <= 0) return 1;
  const auto pages = static_cast<int64_t>(kMaxLayoutLength / pageHeight);
  return static_cast<int16_t>(std::clamp<int64_t>(pages, 1, SHRT_MAX));
}

LRect PrintableRectFor(const LayoutDocument& d) {
  return {d.PrinterMargins.left, d.PrinterMargins.top, d.PageWidth - d.PrinterMargins.right,
          d.PageHeight - d.PrinterMargins.bottom};
}

int32_t PageOfY(const LayoutDocument& d, int32_t y) {
  if (d.PageHeight <= 0 || y < 0) return 0;
  return y / d.PageHeight;
}

LayoutDocument* DocumentNew(const LayoutDocument* source, DocumentList* list) {
  LayoutDocument* d = source ? new (std::nothrow) LayoutDocument(*source) : new (std::nothrow) LayoutDocument();
  if (!d) return nullptr;
  ClearRunTimeLinks(*d);
  if (!source) {
    d->DisplayUnitName = StringText(kUnitNameStringBase + d->DisplayUnit);
    d->HeaderFooterStyle.FontName = d->DocumentTextStyle.FontName;
    d->HeaderFooterStyle.FontColor = d->DocumentTextStyle.FontColor;
    d->HeaderFooterStyle.FontSize = kDefaultFontSize;
    d->HeaderFooterStyle.LineHeight = kDefaultLineHeight;
    d->HeaderFooterStyle.Justify = kJustifyCenter;
  }

  d->PaperSizeID = kA4PaperId;
  if (d->UserDefinedPageInUse && !d->Banner) DerivePageFromPaper(*d);
  d->PrintableRect = PrintableRectFor(*d);
  d->MaxPageCount = MaxPageCountFor(d->PageHeight, d->Banner);

  const ImageObject* defaults = source ? source->DefaultImageSettings : nullptr;
  d->DefaultImageSettings = ImageObjectNew(defaults, nullptr);
  if (!d->DefaultImageSettings) {
    delete d;
    return nullptr;
  }
  d->DefaultImageSettings->Owner = d;
  d->DefaultImageSettings->ObjectRole = kRoleDefaultSettings;

  if (list) list->push_back(d);
  return d;
}

void DocumentFree(LayoutDocument* document, DocumentList* list) {
  if (!document) return;
  // A snapshot must never outlive the objects it names.
  UndoForgetDocument(*document);
  if (list) list->erase(std::remove(list->begin(), list->end(), document), list->end());
  ObjectListFree(document->Objects);
  delete document->DefaultImageSettings;
  delete document;
}

void DocumentDeleter::operator()(LayoutDocument* document) const { DocumentFree(document, nullptr); }

bool CountsForPages(const LayoutObject& o) { return !(o.ObjectKind & kKindMaskNotCounted); }

void UpdatePageCount(LayoutDocument& d) {
  int64_t bottom = 0;
  for (const LayoutObject* o : d.Objects)
    if (CountsForPages(*o)) bottom = std::max<int64_t>(bottom, int64_t(o->Origin.y) + o->Size.cy);
  UpdatePageCountFor(d, bottom);
}

void UpdatePageCountFor(LayoutDocument& d, int64_t bottom) {
  if (d.RecordState != kRecordLive || d.PageHeight <= 0) return;

  int64_t pages = (bottom + d.PageHeight - 1) / d.PageHeight;
  if (pages <= 0) pages = 1;
  d.LastPageWidth = d.PageWidth;
  d.LastPageHeight = d.PageHeight;
  if (pages == d.PageNumber) return;

  if (!d.Free) {
    d.PageNumber = static_cast<int16_t>(std::min<int64_t>(pages, d.MaxPageCount));
    if (d.View && d.View->CurrentPage() >= d.PageNumber) d.View->SetCurrentPage(d.PageNumber - 1);
  }
  if (d.View) {
    d.View->Invalidate();
    d.View->PageCountChanged();
  }
}

}  // namespace tl
