// A picture of a document taken before an operation, and the comparison of
// a document against it: list order and identity of the objects, every
// field that undo saves (and the file facts that no edit may touch), the
// document values of every change code, the selection, the view's page and
// the clipboard. Written apart from the undo code so that a field the
// store forgets shows up here.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "document/layout_document.h"
#include "document/undo_store.h"
#include "document/view_link.h"

namespace tl {

// Readable values in the differences.
inline void PrintTo(const LPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const LSize& s, std::ostream* os) { *os << s.cx << " x " << s.cy; }
inline void PrintTo(const LRect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

}  // namespace tl

namespace tl::fixtures {

struct DocumentPicture {
  LayoutDocument values;  // a value copy: its pointers are only compared
  int32_t currentPage = 0;
  std::vector<const LayoutObject*> order;
  std::vector<std::unique_ptr<LayoutObject>> copies;
  std::vector<const LayoutObject*> clipboard;
};

inline DocumentPicture Picture(const LayoutDocument& d) {
  DocumentPicture p;
  p.values = d;
  p.currentPage = d.View ? d.View->CurrentPage() : 0;
  for (const LayoutObject* o : d.Objects) {
    p.order.push_back(o);
    p.copies.emplace_back(ObjectClone(*o));
  }
  for (const LayoutObject* o : ClipboardObjects()) p.clipboard.push_back(o);
  return p;
}

class Differences {
 public:
  template <typename T>
  void Check(const std::string& what, const T& before, const T& after) {
    if (!(before == after))
      items_.push_back(what + ": " + ::testing::PrintToString(before) + " became " + ::testing::PrintToString(after));
  }
  void Note(const std::string& what) { items_.push_back(what); }
  bool Empty() const { return items_.empty(); }
  std::string Text() const {
    std::string text;
    for (const std::string& item : items_) text += "  " + item + "\n";
    return text;
  }

 private:
  std::vector<std::string> items_;
};

#define TL_CHECK_FIELD(diff, prefix, a, b, field) (diff).Check((prefix) + #field, (a).field, (b).field)

inline void CompareBand(Differences& diff, const std::string& name, const BandSettings& a, const BandSettings& b) {
  TL_CHECK_FIELD(diff, name, a, b, Enabled);
  TL_CHECK_FIELD(diff, name, a, b, Offset);
  TL_CHECK_FIELD(diff, name, a, b, DispText);
  TL_CHECK_FIELD(diff, name, a, b, DispPrintInfo);
  TL_CHECK_FIELD(diff, name, a, b, DispDatePage);
  TL_CHECK_FIELD(diff, name, a, b, UseFixedDate);
  TL_CHECK_FIELD(diff, name, a, b, FixedDate);
  TL_CHECK_FIELD(diff, name, a, b, Text);
}

inline void CompareDocumentValues(Differences& diff, const LayoutDocument& a, const LayoutDocument& b) {
  const std::string n = "document.";
  TL_CHECK_FIELD(diff, n, a, b, Free);
  TL_CHECK_FIELD(diff, n, a, b, PageNumber);
  TL_CHECK_FIELD(diff, n, a, b, AlignHorizontal);
  TL_CHECK_FIELD(diff, n, a, b, AlignLine);
  TL_CHECK_FIELD(diff, n, a, b, AlignVertical);
  TL_CHECK_FIELD(diff, n, a, b, AlignHorizontalSpacing);
  TL_CHECK_FIELD(diff, n, a, b, AlignVerticalSpacing);
  TL_CHECK_FIELD(diff, n, a, b, CutLineMode);
  TL_CHECK_FIELD(diff, n, a, b, CutLineOthersType);
  TL_CHECK_FIELD(diff, n, a, b, CutLineCornerLength);
  TL_CHECK_FIELD(diff, n, a, b, CutLineColor);
  TL_CHECK_FIELD(diff, n, a, b, ImageStampInUse);
  TL_CHECK_FIELD(diff, n, a, b, ImageStampSettings);
  TL_CHECK_FIELD(diff, n, a, b, ImageStampFileName);
  TL_CHECK_FIELD(diff, n, a, b, ImageStampPosition);
  TL_CHECK_FIELD(diff, n, a, b, ImageStampSize);
  TL_CHECK_FIELD(diff, n, a, b, ImageStampConstrainPropotion);
  CompareBand(diff, n + "Header.", a.Header, b.Header);
  CompareBand(diff, n + "Footer.", a.Footer, b.Footer);
  TL_CHECK_FIELD(diff, n, a, b, HeaderFooterStyle);
  TL_CHECK_FIELD(diff, n, a, b, PaperColor);
  TL_CHECK_FIELD(diff, n, a, b, LayoutMarginMode);
  TL_CHECK_FIELD(diff, n, a, b, LayoutMargin);
  TL_CHECK_FIELD(diff, n, a, b, AutoRotation);
  TL_CHECK_FIELD(diff, n, a, b, Modified);
  TL_CHECK_FIELD(diff, n, a, b, SelectedImageCount);
  TL_CHECK_FIELD(diff, n, a, b, SelectedOtherCount);
  diff.Check(n + "CurrentImage", static_cast<const void*>(a.CurrentImage), static_cast<const void*>(b.CurrentImage));
}

inline void CompareImages(Differences& diff, const std::string& n, const ImageObject& a, const ImageObject& b) {
  TL_CHECK_FIELD(diff, n, a, b, ImageNumber);
  TL_CHECK_FIELD(diff, n, a, b, RotateFlip);
  TL_CHECK_FIELD(diff, n, a, b, SizeRatio);
  TL_CHECK_FIELD(diff, n, a, b, SizeAbsolute);
  TL_CHECK_FIELD(diff, n, a, b, SizeRelative);
  TL_CHECK_FIELD(diff, n, a, b, FrameSetting);
  TL_CHECK_FIELD(diff, n, a, b, FrameRect);
  TL_CHECK_FIELD(diff, n, a, b, FrameColor);
  TL_CHECK_FIELD(diff, n, a, b, FrameColorValid);
  TL_CHECK_FIELD(diff, n, a, b, FrameRotation);
  TL_CHECK_FIELD(diff, n, a, b, EffectiveImageOption);
  TL_CHECK_FIELD(diff, n, a, b, SizeImageOption);
  TL_CHECK_FIELD(diff, n, a, b, CropArea);
  TL_CHECK_FIELD(diff, n, a, b, SizeMethod);
  TL_CHECK_FIELD(diff, n, a, b, CropMode);
  TL_CHECK_FIELD(diff, n, a, b, CropFrameColor);
  TL_CHECK_FIELD(diff, n, a, b, CropFixedRatio);
  TL_CHECK_FIELD(diff, n, a, b, CropDialogUnit);
  TL_CHECK_FIELD(diff, n, a, b, CropDialogResolution);
  TL_CHECK_FIELD(diff, n, a, b, CropDialogState);
  TL_CHECK_FIELD(diff, n, a, b, CropDialogSize);
  TL_CHECK_FIELD(diff, n, a, b, ImageSrcManagementMode);
  TL_CHECK_FIELD(diff, n, a, b, ImageSrcUseEmbedProfile);
  TL_CHECK_FIELD(diff, n, a, b, SrcProfileState);
  TL_CHECK_FIELD(diff, n, a, b, ImageSrcProfile);
  TL_CHECK_FIELD(diff, n, a, b, ImageSrcIntent);
  TL_CHECK_FIELD(diff, n, a, b, ImageSimMethod);
  TL_CHECK_FIELD(diff, n, a, b, SimProfileState);
  TL_CHECK_FIELD(diff, n, a, b, ImageSimProfile);
  TL_CHECK_FIELD(diff, n, a, b, ImageSimIntent);
  TL_CHECK_FIELD(diff, n, a, b, ColorTune);
  TL_CHECK_FIELD(diff, n, a, b, ColorTuneMode);
  TL_CHECK_FIELD(diff, n, a, b, FrameRotate);
  TL_CHECK_FIELD(diff, n, a, b, LabelItems);
  TL_CHECK_FIELD(diff, n, a, b, LabelLocation);
  TL_CHECK_FIELD(diff, n, a, b, LabelUpsideDown);
  TL_CHECK_FIELD(diff, n, a, b, LabelAlign);
  TL_CHECK_FIELD(diff, n, a, b, LabelText);
  TL_CHECK_FIELD(diff, n, a, b, LabelFontName);
  TL_CHECK_FIELD(diff, n, a, b, LabelFontSize);
  TL_CHECK_FIELD(diff, n, a, b, LabelAutoSize);
  TL_CHECK_FIELD(diff, n, a, b, LabelFontColor);
  TL_CHECK_FIELD(diff, n, a, b, CaptionAlign);
  TL_CHECK_FIELD(diff, n, a, b, CaptionLocation);
  TL_CHECK_FIELD(diff, n, a, b, CaptionUpsideDown);
  TL_CHECK_FIELD(diff, n, a, b, CaptionString);
  TL_CHECK_FIELD(diff, n, a, b, CaptionFontName);
  TL_CHECK_FIELD(diff, n, a, b, CaptionFontSize);
  TL_CHECK_FIELD(diff, n, a, b, CaptionAutoSize);
  TL_CHECK_FIELD(diff, n, a, b, CaptionFontColor);
  TL_CHECK_FIELD(diff, n, a, b, ImagePath);
  TL_CHECK_FIELD(diff, n, a, b, CaptureMatchingLevel);
  // File facts and pictures: no edit touches them.
  TL_CHECK_FIELD(diff, n, a, b, FileSize);
  TL_CHECK_FIELD(diff, n, a, b, FileKind);
  TL_CHECK_FIELD(diff, n, a, b, CreationTime);
  TL_CHECK_FIELD(diff, n, a, b, LastWriteTime);
  TL_CHECK_FIELD(diff, n, a, b, AverageBrightness);
  TL_CHECK_FIELD(diff, n, a, b, ImageDesc);
  TL_CHECK_FIELD(diff, n, a, b, Exif);
  TL_CHECK_FIELD(diff, n, a, b, Preview);
}

inline void CompareFreeTexts(Differences& diff, const std::string& n, const FreeTextObject& a,
                             const FreeTextObject& b) {
  TL_CHECK_FIELD(diff, n, a, b, Style);
  TL_CHECK_FIELD(diff, n, a, b, String);
  TL_CHECK_FIELD(diff, n, a, b, ColumnarWriting);
  TL_CHECK_FIELD(diff, n, a, b, Angle);
  TL_CHECK_FIELD(diff, n, a, b, DispBackGround);
  TL_CHECK_FIELD(diff, n, a, b, BackGroundColor);
  TL_CHECK_FIELD(diff, n, a, b, BoxSize);
  TL_CHECK_FIELD(diff, n, a, b, Anchor);
  TL_CHECK_FIELD(diff, n, a, b, Corners);
}

inline void CompareFreeLines(Differences& diff, const std::string& n, const FreeLineObject& a,
                             const FreeLineObject& b) {
  TL_CHECK_FIELD(diff, n, a, b, Anchor);
  TL_CHECK_FIELD(diff, n, a, b, LineStyle);
  TL_CHECK_FIELD(diff, n, a, b, Thickness);
  TL_CHECK_FIELD(diff, n, a, b, Length);
  TL_CHECK_FIELD(diff, n, a, b, Angle);
  TL_CHECK_FIELD(diff, n, a, b, LineColor);
  TL_CHECK_FIELD(diff, n, a, b, ArrowMark);
  TL_CHECK_FIELD(diff, n, a, b, ArrowAngle);
  TL_CHECK_FIELD(diff, n, a, b, ArrowFill);
  TL_CHECK_FIELD(diff, n, a, b, ArrowSize);
  TL_CHECK_FIELD(diff, n, a, b, End1);
  TL_CHECK_FIELD(diff, n, a, b, End2);
}

inline void CompareObjects(Differences& diff, const std::string& n, const LayoutObject& a, const LayoutObject& b) {
  TL_CHECK_FIELD(diff, n, a, b, ObjectKind);
  TL_CHECK_FIELD(diff, n, a, b, ObjectRole);
  diff.Check(n + "Owner", static_cast<const void*>(a.Owner), static_cast<const void*>(b.Owner));
  TL_CHECK_FIELD(diff, n, a, b, Selected);
  TL_CHECK_FIELD(diff, n, a, b, Origin);
  TL_CHECK_FIELD(diff, n, a, b, Size);
  if (a.ObjectKind != b.ObjectKind) return;
  if (IsImage(&a)) CompareImages(diff, n, *AsImage(&a), *AsImage(&b));
  if (IsFreeText(&a)) CompareFreeTexts(diff, n, *AsFreeText(&a), *AsFreeText(&b));
  if (IsFreeLine(&a)) CompareFreeLines(diff, n, *AsFreeLine(&a), *AsFreeLine(&b));
}

#undef TL_CHECK_FIELD

inline Differences Compare(const DocumentPicture& before, const LayoutDocument& d) {
  Differences diff;
  CompareDocumentValues(diff, before.values, d);
  diff.Check("view page", before.currentPage, d.View ? d.View->CurrentPage() : 0);
  std::vector<const LayoutObject*> order;
  for (const LayoutObject* o : d.Objects) order.push_back(o);
  if (order != before.order) {
    diff.Note("list order: " + std::to_string(before.order.size()) + " objects became " +
              std::to_string(order.size()) + " or changed places");
    return diff;
  }
  for (size_t i = 0; i < order.size(); ++i)
    CompareObjects(diff, "object " + std::to_string(i) + ".", *before.copies[i], *order[i]);
  std::vector<const LayoutObject*> clipboard;
  for (const LayoutObject* o : ClipboardObjects()) clipboard.push_back(o);
  if (clipboard != before.clipboard) diff.Note("clipboard changed");
  return diff;
}

// Success when nothing differs; else every difference, listed.
inline ::testing::AssertionResult SameDocument(const DocumentPicture& before, const LayoutDocument& d) {
  const Differences diff = Compare(before, d);
  if (diff.Empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the document differs:\n" << diff.Text();
}

#define TL_EXPECT_SAME_DOCUMENT(before, document) EXPECT_TRUE(::tl::fixtures::SameDocument((before), (document)))

}  // namespace tl::fixtures
