// The objects of a layout: images, free texts, free lines and the crop mark
// set, and the singly linked object list that holds them. The list order is
// both the drawing order and the order in which automatic layout flows the
// images.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "document/exif_fields.h"
#include "document/fixed_string.h"
#include "document/geometry.h"
#include "document/image_desc.h"
#include "document/text_style.h"

namespace tl {

struct LayoutDocument;
struct OffscreenBitmap;  // the pixel buffer of the imaging layer

// ObjectKind values. They are bits: 0x51 asks for an image or free element,
// 0x50 for a free text or free line.
enum ObjectKindCode : int16_t {
  kKindCropMarkSet = 0,
  kKindImage = 1,
  kKindFreeText = 16,
  kKindFreeLine = 64,
};
constexpr int16_t kKindMaskImageOrFree = 0x51;
constexpr int16_t kKindMaskFree = 0x50;

// ObjectRole values.
enum ObjectRoleCode : int16_t {
  kRoleDefaultSettings = 1,
  kRoleListMember = 2,
};

// Rotate and Flip bits of an image; at most one of the three turns is set.
enum RotateFlipBits : int16_t {
  kRotate90 = 0x1,
  kRotate180 = 0x2,
  kRotate270 = 0x4,
  kFlipHorizontal = 0x8,
  kExifOrientationApplied = 0x10,
};
constexpr int16_t kRotateMask = kRotate90 | kRotate180 | kRotate270;
constexpr int16_t kQuarterTurnMask = kRotate90 | kRotate270;

// LabelItems bits, in item order (item i is bit 1 << i).
constexpr int32_t kLabelItemCount = 25;

// Label and caption locations.
enum TextLocation : int16_t {
  kLocationTop = 0,
  kLocationBottom = 1,
  kLocationLeft = 2,
  kLocationRight = 3,
};

constexpr int32_t kDefaultImageSide = 1260;  // 3.5 inches
constexpr int16_t kDefaultFontSize = 50;     // 10 points
constexpr int16_t kDefaultLineHeight = 55;

// The common header every object starts with.
struct LayoutObject {
  virtual ~LayoutObject() = default;

  LayoutObject* Next = nullptr;
  LayoutDocument* Owner = nullptr;  // not owned
  int16_t ObjectRole = kRoleListMember;
  int16_t ObjectKind = kKindImage;
  int32_t Selected = 0;
  int32_t NeedsRedraw = 1;
  LPoint Origin;  // images: top-left of the frame rectangle
  LSize Size;     // images: the frame rectangle (picture plus frame widths)

 protected:
  explicit LayoutObject(int16_t kind) : ObjectKind(kind) {}
  // A copy is never linked: it starts with no Next.
  LayoutObject(const LayoutObject& other)
      : Owner(other.Owner),
        ObjectRole(other.ObjectRole),
        ObjectKind(other.ObjectKind),
        Selected(other.Selected),
        NeedsRedraw(other.NeedsRedraw),
        Origin(other.Origin),
        Size(other.Size) {}
  // Assignment keeps the object's own place in its list.
  LayoutObject& operator=(const LayoutObject& other) {
    Owner = other.Owner;
    ObjectRole = other.ObjectRole;
    ObjectKind = other.ObjectKind;
    Selected = other.Selected;
    NeedsRedraw = other.NeedsRedraw;
    Origin = other.Origin;
    Size = other.Size;
    return *this;
  }
};

struct ImageObject : LayoutObject {
  ImageObject();
  // A copy shares the previews: they are replaced, never changed in place.
  ImageObject(const ImageObject&) = default;
  ImageObject& operator=(const ImageObject&) = default;

  // Derived rectangles, recomputed by the geometry and drawing code: the
  // placed picture inside the frame and the area covered with label and
  // caption. Never stored in files.
  LSize PictureSize;
  LRect PictureRect;
  LRect OuterRect;

  // Image source: the file and what its header said.
  std::string ImagePath;
  uint64_t FileSize = 0;
  uint32_t FileKind = 0;      // FileKind four-character code
  int64_t CreationTime = 0;   // seconds since 1970-01-01 UTC
  int64_t LastWriteTime = 0;  // seconds since 1970-01-01 UTC
  int32_t HasEmbeddedProfile = 0;
  int16_t CaptureMatchingLevel = 0;

  int16_t ImageSrcManagementMode = 1;
  int16_t SizeMethod = 1;
  int32_t SizeRatio = 1;
  LSize SizeAbsolute;
  LSize SizeRelative;
  int16_t FrameSetting = 0;  // 0 none, 1 "Auto", 2 "Custom"
  LRect FrameRect;           // frame widths: left, top, right, bottom
  ColorRef FrameColor = kWhite;
  int32_t FrameColorValid = 0;
  int32_t FrameRotation = 0;
  int16_t EffectiveImageOption = 0;  // the fitting rule in force
  int16_t SizeImageOption = 0;       // 0 none, 1 "AutoFit", 2 "AutoCrop"
  LRect CropArea;                    // image pixels
  int16_t CropMode = 0;              // 0 none, 1 "Crop", 2 "DrawFrame"
  ColorRef CropFrameColor = kBlack;
  int16_t CropFixedRatio = 0;
  int16_t CropDialogUnit = 2;
  int32_t CropDialogResolution = 72;
  int16_t CropDialogState = 0;
  LSize CropDialogSize;
  int16_t RotateFlip = 0;   // RotateFlipBits
  int16_t FrameRotate = 0;  // kRotate90 / kRotate180 / kRotate270

  int32_t LabelItems = 0;
  int16_t ImageNumber = 0;
  int16_t LabelLocation = kLocationBottom;
  int32_t LabelUpsideDown = 0;
  int16_t LabelAlign = 0;
  std::string LabelText;
  FontNameField LabelFontName;
  int16_t LabelFontSize = kDefaultFontSize;
  int32_t LabelAutoSize = 0;
  ColorRef LabelFontColor = kBlack;
  int16_t CaptionAlign = 0;
  int16_t CaptionLocation = kLocationTop;
  int32_t CaptionUpsideDown = 1;
  std::string CaptionString;
  FontNameField CaptionFontName;
  int16_t CaptionFontSize = kDefaultFontSize;
  int32_t CaptionAutoSize = 0;
  ColorRef CaptionFontColor = kBlack;

  int32_t ImageSrcUseEmbedProfile = 1;
  int16_t SrcProfileState = 1;  // 2 when ImageSrcProfile was set explicitly
  std::string ImageSrcProfile;
  int16_t ImageSrcIntent = 1;
  int16_t ImageSimMethod = 0;  // 0 off, 1 CMYK, 2 RGB
  int16_t SimProfileState = 0;
  std::string ImageSimProfile;
  int16_t ImageSimIntent = 0;
  std::array<int16_t, 3> ColorTune = {0, 0, 0};
  int16_t ColorTuneMode = 0;  // 0 off, 1 "Auto", 2 "Custom"

  ImageDescBlock ImageDesc;  // empty until the header was read
  std::shared_ptr<OffscreenBitmap> Preview;
  std::shared_ptr<OffscreenBitmap> PreviewMask;

  // Image information read from the file.
  uint32_t ColorSpace = 0;  // ColorSpaceTag four-character code
  int16_t BitsPerPixel = 0;
  int16_t AverageBrightness = 0;
  ExifFields Exif;
};

struct FreeTextObject : LayoutObject {
  FreeTextObject();

  // The text box's top-left relative to Origin (the anchor offset); Origin
  // and Size are the bounding rectangle of the rotated box.
  LPoint Anchor;
  LSize BoxSize;  // the unrotated text box
  TextStyle Style;
  std::string String;  // at most kFreeTextMaxChars characters
  int32_t ColumnarWriting = 0;
  int16_t Angle = 0;  // degrees, -180..180
  int32_t DispBackGround = 0;
  ColorRef BackGroundColor = kWhite;
  std::array<LPoint, 4> Corners;  // of the rotated box, relative to Origin
};

constexpr size_t kFreeTextMaxChars = 256;

enum LineStyleCode : int16_t { kLineSolid = 0, kLineDash = 1 };
enum ArrowMarkCode : int16_t { kArrowNone = 0, kArrowOneSide = 1, kArrowBothSide = 2 };
enum ArrowSizeCode : int16_t { kArrowSmall = 1, kArrowMiddle = 2, kArrowLarge = 3 };

struct FreeLineObject : LayoutObject {
  FreeLineObject();

  LPoint Anchor;  // the line's own reference point (x, y)
  int16_t LineStyle = kLineSolid;
  int32_t Thickness = 15;
  int32_t Length = 1417;  // 100 mm
  int16_t Angle = 45;     // degrees, -180..180
  ColorRef LineColor = kBlack;
  int16_t ArrowMark = kArrowNone;
  int16_t ArrowAngle = 90;
  int32_t ArrowFill = 1;
  int16_t ArrowSize = kArrowMiddle;
  LPoint End1;
  LPoint End2;
};

// The working record of one drawing of cut lines; kept at the head of the
// list while the list holds any other object.
struct CropMarkSet : LayoutObject {
  static constexpr size_t kMaxBands = 255;
  static constexpr size_t kMaxImages = 256;

  CropMarkSet();

  LRect Bounds;  // bounding rectangle of the images
  int16_t MarkType = 0;           // 1 corner marks, 2 Fotoba, 3 rectangles
  int16_t FotobaOrientation = 0;  // 0 none, 1 rows, 2 columns, 3 both
  int32_t OuterDistance = 0;
  int32_t CornerLength = 0;
  // Interspace centres and half-widths per axis; each list ends with 0.
  std::array<int32_t, kMaxBands + 1> CentresX{};
  std::array<int32_t, kMaxBands + 1> HalfWidthsX{};
  std::array<int32_t, kMaxBands + 1> CentresY{};
  std::array<int32_t, kMaxBands + 1> HalfWidthsY{};
  // Image rectangles relative to Bounds' top-left; ends with an empty one.
  std::array<LRect, kMaxImages + 1> ImageRects{};
};

// Kind tests and checked downcasts; null when the object is of another kind.
inline bool IsImage(const LayoutObject* o) { return o && o->ObjectKind == kKindImage; }
inline bool IsFreeText(const LayoutObject* o) { return o && o->ObjectKind == kKindFreeText; }
inline bool IsFreeLine(const LayoutObject* o) { return o && o->ObjectKind == kKindFreeLine; }
inline bool IsCropMarkSet(const LayoutObject* o) { return o && o->ObjectKind == kKindCropMarkSet; }
inline bool IsImageOrFree(const LayoutObject* o) { return o && (o->ObjectKind & kKindMaskImageOrFree); }
inline bool IsFreeElement(const LayoutObject* o) { return o && (o->ObjectKind & kKindMaskFree); }

ImageObject* AsImage(LayoutObject* o);
const ImageObject* AsImage(const LayoutObject* o);
FreeTextObject* AsFreeText(LayoutObject* o);
const FreeTextObject* AsFreeText(const LayoutObject* o);
FreeLineObject* AsFreeLine(LayoutObject* o);
const FreeLineObject* AsFreeLine(const LayoutObject* o);
CropMarkSet* AsCropMarkSet(LayoutObject* o);

// The object list: a head pointer; objects link through Next. The list owns
// its objects only in the sense that ObjectFree and DocumentFree free them.
struct ObjectList {
  LayoutObject* Head = nullptr;

  template <typename T>
  class Iterator {
   public:
    explicit Iterator(T* o) : o_(o) {}
    T* operator*() const { return o_; }
    Iterator& operator++() {
      o_ = o_->Next;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return o_ != other.o_; }

   private:
    T* o_;
  };
  Iterator<LayoutObject> begin() { return Iterator<LayoutObject>(Head); }
  Iterator<LayoutObject> end() { return Iterator<LayoutObject>(nullptr); }
  Iterator<const LayoutObject> begin() const { return Iterator<const LayoutObject>(Head); }
  Iterator<const LayoutObject> end() const { return Iterator<const LayoutObject>(nullptr); }

  bool Empty() const { return Head == nullptr; }
};

// Creation. Each returns null when memory cannot be had.
//
// ImageObjectNew: without a source, image defaults; with one (normally the
// document's DefaultImageSettings) a copy of it. With a list the object gets
// the next ImageNumber and is appended as a list member.
ImageObject* ImageObjectNew(const ImageObject* source, ObjectList* list);
FreeTextObject* FreeTextObjectNew(LayoutDocument* document, ObjectList* list);
FreeLineObject* FreeLineObjectNew(LayoutDocument* document, ObjectList* list);
// Null when the list is empty; else a cleared set inserted at the head.
CropMarkSet* CropMarkSetNew(LayoutDocument* document, ObjectList* list);

// A copy of any object, unlinked; null when memory cannot be had.
LayoutObject* ObjectClone(const LayoutObject& object);

// List operations.
//
// Links `object` before `member`; at the end when `member` is null or not in
// the list. Returns the 1-based position of `object`.
int ObjectInsertBefore(ObjectList& list, LayoutObject* member, LayoutObject* object);
void ObjectAppend(ObjectList& list, LayoutObject* object);
// Removes `object`; nothing happens when it is not in the list.
void ObjectUnlink(ObjectList& list, LayoutObject* object);
// Unlinks `object` from `list` (when given) and frees it with all it owns.
void ObjectFree(LayoutObject* object, ObjectList* list);
// Frees every object of the list and leaves it empty.
void ObjectListFree(ObjectList& list);
int ObjectCount(const ObjectList& list);
bool ObjectInList(const ObjectList& list, const LayoutObject* object);

// 1 + the highest ImageNumber among the images of the list (1 when none).
int16_t NextImageNumber(const ObjectList& list);

// Recomputes End1 and End2 from Anchor, Length and Angle.
void UpdateFreeLineEnds(FreeLineObject& line);

}  // namespace tl
