#include "layout/replace_image.h"

#include <algorithm>

#include "document/selection.h"
#include "document/undo_store.h"
#include "document/view_link.h"
#include "layout/arrange.h"
#include "layout/image_geometry.h"

namespace tl {
namespace {

constexpr int16_t kChangeReplaceImage = kUndoReplaceImage;
// The ColorSpace code of RGB pictures ("RGB ").
constexpr uint32_t kRgbSpace = uint32_t('R') << 24 | uint32_t('G') << 16 | uint32_t('B') << 8 | uint32_t(' ');

void TakeTextSettings(ImageObject& to, const ImageObject& from) {
  to.LabelItems = from.LabelItems;
  to.LabelLocation = from.LabelLocation;
  to.LabelUpsideDown = from.LabelUpsideDown;
  to.LabelAlign = from.LabelAlign;
  to.LabelFontName = from.LabelFontName;
  to.LabelFontSize = from.LabelFontSize;
  to.LabelAutoSize = from.LabelAutoSize;
  to.LabelFontColor = from.LabelFontColor;
  to.CaptionAlign = from.CaptionAlign;
  to.CaptionLocation = from.CaptionLocation;
  to.CaptionUpsideDown = from.CaptionUpsideDown;
  to.CaptionString = from.CaptionString;
  to.CaptionFontName = from.CaptionFontName;
  to.CaptionFontSize = from.CaptionFontSize;
  to.CaptionAutoSize = from.CaptionAutoSize;
  to.CaptionFontColor = from.CaptionFontColor;
}

void TakeColorSettings(ImageObject& to, const ImageObject& from) {
  to.ColorTune = from.ColorTune;
  to.ColorTuneMode = from.ColorTuneMode;
  to.ImageSimMethod = from.ImageSimMethod;
  to.SimProfileState = from.SimProfileState;
  to.ImageSimProfile = from.ImageSimProfile;
  to.ImageSimIntent = from.ImageSimIntent;
  // Source profiles and capture matching only carry over between
  // pictures of the same colour space.
  if (to.ColorSpace != from.ColorSpace || from.ColorSpace != kRgbSpace) return;
  to.ImageSrcUseEmbedProfile = from.ImageSrcUseEmbedProfile;
  to.SrcProfileState = from.SrcProfileState;
  to.ImageSrcProfile = from.ImageSrcProfile;
  to.ImageSrcIntent = from.ImageSrcIntent;
  to.ImageSrcManagementMode = from.ImageSrcManagementMode;
}

void TakeShapeSettings(ImageObject& to, const ImageObject& from, bool free) {
  to.FrameSetting = from.FrameSetting;
  to.FrameRect = from.FrameRect;
  to.FrameColor = from.FrameColor;
  to.FrameColorValid = from.FrameColorValid;
  to.FrameRotation = from.FrameRotation;
  to.CropArea = from.CropArea;
  to.CropMode = from.CropMode;
  to.CropFrameColor = from.CropFrameColor;
  to.CropFixedRatio = from.CropFixedRatio;
  to.CropDialogUnit = from.CropDialogUnit;
  to.CropDialogResolution = from.CropDialogResolution;
  to.CropDialogState = from.CropDialogState;
  to.CropDialogSize = from.CropDialogSize;
  to.RotateFlip = from.RotateFlip;
  to.FrameRotate = from.FrameRotate;
  to.SizeMethod = from.SizeMethod;
  to.SizeRelative = from.SizeRelative;
  if (free) to.Origin = from.Origin;
}

// The new box: a given size fits the new picture into a square of the old
// box's longer side; a relative size follows the new picture.
bool SizeReplacement(ImageObject& image, const ImageObject& old) {
  LSize box;
  const int32_t side = std::max(old.Size.cx, old.Size.cy);
  const bool sized = image.SizeMethod == kSizeFixed ? ImageBoxSize(image, side, side, box)
                                                    : ImageBoxSize(image, 0, 0, box);
  if (!sized) return false;
  image.SizeAbsolute = box;
  image.Size = box;
  UpdateEffectiveImageOption(image);
  return true;
}

}  // namespace

bool ReplaceImageFile(LayoutDocument& d, ImageObject& old, const std::string& path, LayoutServices& services) {
  if (!d.DefaultImageSettings || !ObjectInList(d.Objects, &old)) return false;
  if (!services.RecordUndo(d, kChangeReplaceImage)) return false;
  ImageObject* image = ImageObjectNew(d.DefaultImageSettings, nullptr);
  if (!image) return false;
  image->Owner = &d;
  image->ObjectRole = kRoleListMember;
  image->Selected = 0;
  image->ImageNumber = old.ImageNumber;
  ObjectInsertBefore(d.Objects, &old, image);
  if (!services.ReadImageHeader(*image, path)) {
    ObjectFree(image, &d.Objects);
    return false;
  }
  TakeTextSettings(*image, old);
  TakeColorSettings(*image, old);
  TakeShapeSettings(*image, old, d.Free != 0);
  if (!SizeReplacement(*image, old)) {
    ObjectFree(image, &d.Objects);
    return false;
  }
  services.ComposeLabel(*image);
  if (!services.BuildPreview(*image)) {
    // Without a picture to show the old image stays.
    ObjectFree(image, &d.Objects);
    return false;
  }
  ObjectUnlink(d.Objects, &old);
  UndoKeepRemoved(old);
  if (d.CurrentImage == &old) d.CurrentImage = image;
  RecountSelection(d);
  d.Modified = 1;
  image->NeedsRedraw = 1;
  if (!d.Free) {
    services.RebuildLabels(d);
    ArrangeLayout(d);
  }
  if (d.View) d.View->Invalidate();
  return true;
}

int ReplaceSelectedImages(LayoutDocument& d, const std::string& path, LayoutServices& services) {
  int replaced = 0;
  // Each replacement changes the list; the walk starts again from its head
  // and finds the next image still selected (replacements are not).
  for (bool found = true; found;) {
    found = false;
    for (LayoutObject* o : d.Objects) {
      ImageObject* image = AsImage(o);
      if (!image || !image->Selected) continue;
      found = true;
      if (ReplaceImageFile(d, *image, path, services)) ++replaced;
      else image->Selected = 0;  // not tried again
      break;
    }
  }
  RecountSelection(d);
  return replaced;
}

}  // namespace tl
