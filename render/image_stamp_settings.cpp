#include "render/image_stamp_settings.h"

#include "document/message_box.h"
#include "document/undo_store.h"
#include "layout/image_geometry.h"
#include "layout/typed_length.h"
#include "render/bitmap_image.h"
#include "render/image_stamp.h"

namespace tl {
namespace {

constexpr int kOutOfRange = 10410;

bool SideInRange(int32_t side) { return side >= 1 && side <= kMaxBoxSide; }
bool PositionInRange(int32_t at) { return at >= -kMaxBoxSide && at <= kMaxBoxSide; }

// The manual fields as layout units; the first refused edit in `bad`.
bool ReadPlacement(const ImageStampValues& v, LPoint& at, LSize& size, int& bad) {
  bad = -1;
  if (!ReadTypedLength(v.X, v.PositionUnit, at.x) || !PositionInRange(at.x)) bad = kStampXField;
  else if (!ReadTypedLength(v.Y, v.PositionUnit, at.y) || !PositionInRange(at.y)) bad = kStampYField;
  else if (!ReadTypedLength(v.Width, v.SizeUnit, size.cx) || !SideInRange(size.cx)) bad = kStampWidthField;
  else if (!ReadTypedLength(v.Height, v.SizeUnit, size.cy) || !SideInRange(size.cy)) bad = kStampHeightField;
  return bad < 0;
}

}  // namespace

ImageStampValues OpenImageStamp(const LayoutDocument& d) {
  ImageStampValues v;
  v.InUse = d.ImageStampInUse ? 1 : 0;
  v.FileName = d.ImageStampFileName;
  v.Settings = d.ImageStampSettings == kStampAutomatic ? kStampSettingAutomatic : kStampSettingManual;
  v.PositionUnit = v.SizeUnit = DialogUnitFor(d.DisplayUnit);
  v.X = LengthText(d.ImageStampPosition.x, v.PositionUnit);
  v.Y = LengthText(d.ImageStampPosition.y, v.PositionUnit);
  v.Width = LengthText(d.ImageStampSize.cx, v.SizeUnit);
  v.Height = LengthText(d.ImageStampSize.cy, v.SizeUnit);
  v.Constrain = d.ImageStampConstrainPropotion ? 1 : 0;
  if (d.ImageStampSize.cx > 0 && d.ImageStampSize.cy > 0) v.Aspect = d.ImageStampSize;
  return v;
}

void ChooseStampPositionUnit(ImageStampValues& v, int unit) {
  v.X = ConvertLengthText(v.X, v.PositionUnit, unit);
  v.Y = ConvertLengthText(v.Y, v.PositionUnit, unit);
  v.PositionUnit = unit;
}

void ChooseStampSizeUnit(ImageStampValues& v, int unit) {
  v.Width = ConvertLengthText(v.Width, v.SizeUnit, unit);
  v.Height = ConvertLengthText(v.Height, v.SizeUnit, unit);
  v.SizeUnit = unit;
}

void KeepStampProportions(ImageStampValues& v, int changed) {
  if (!v.Constrain) return;
  int32_t typed = 0;
  const auto follow = [](int64_t value, int64_t from, int64_t to) { return int32_t((value * to + from / 2) / from); };
  if (changed == kStampWidthField && ReadTypedLength(v.Width, v.SizeUnit, typed))
    v.Height = LengthText(follow(typed, v.Aspect.cx, v.Aspect.cy), v.SizeUnit);
  else if (changed == kStampHeightField && ReadTypedLength(v.Height, v.SizeUnit, typed))
    v.Width = LengthText(follow(typed, v.Aspect.cy, v.Aspect.cx), v.SizeUnit);
}

QImage StampPreview(const LayoutDocument& d, const std::string& path, QSize size) {
  if (path.empty() || size.isEmpty()) return {};
  DocumentPtr scratch(DocumentNew(&d, nullptr));
  if (!scratch) return {};
  scratch->ImageStampImage.reset();
  scratch->ImageStampFileName = path;
  const ImageObject* stamp = ImageStampPicture(*scratch);
  if (!stamp || !stamp->Preview) return {};
  const QImage picture = DrawableImage(*stamp->Preview, stamp->PreviewMask.get());
  if (picture.isNull()) return {};
  return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool ApplyImageStamp(const ImageStampValues& v, LayoutDocument& d, int& badField, LayoutServices& services) {
  LPoint at;
  LSize size;
  int bad = -1;
  const bool placed = ReadPlacement(v, at, size, bad);
  badField = -1;
  if (v.InUse && v.Settings == kStampSettingManual && !placed) {
    badField = bad;
    ShowMessage(kOutOfRange, MessageIcon::Stop);
    return false;
  }
  if (!services.RecordUndo(d, kUndoImageStamp)) return false;
  d.ImageStampInUse = v.InUse ? 1 : 0;
  d.ImageStampFileName = v.FileName;
  d.ImageStampSettings = v.Settings;
  // Fields that were not in use keep their values unless they read well.
  if (placed) {
    d.ImageStampPosition = at;
    d.ImageStampSize = size;
  }
  d.ImageStampConstrainPropotion = v.Constrain ? 1 : 0;
  d.Modified = 1;
  return true;
}

}  // namespace tl
