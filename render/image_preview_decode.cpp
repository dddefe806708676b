#include "render/image_preview_decode.h"

#include <new>
#include <utility>

#include "color/match_bitmap.h"
#include "imaging/image_codes.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"

namespace tl {
namespace {

constexpr int16_t kAutomaticTuning = 1;

}  // namespace

std::shared_ptr<PreviewSource> MakePreviewSource(const ImageObject& image) {
  auto source = std::shared_ptr<PreviewSource>(new (std::nothrow) PreviewSource{image, nullptr});
  if (!source) return nullptr;
  if (image.Owner) {
    source->Settings.reset(DocumentNew(image.Owner, nullptr));
    if (!source->Settings) return nullptr;
    source->Settings->RecordState = 0;  // a copy of settings: nothing arranges it
  }
  source->Image.Owner = source->Settings.get();
  return source;
}

bool PreviewColorManageable(const ImageObject& image) { return image.ColorSpace != kSpaceGray; }

LSize PreviewPictureSize(const ImageObject& image) {
  LSize size = {image.ImageDesc.Width(), image.ImageDesc.Height()};
  if (image.RotateFlip & kQuarterTurnMask) std::swap(size.cx, size.cy);
  return size;
}

PreviewPicture DecodePreviewPicture(PreviewSource& source, bool colorManaged, const LSize* size) {
  ImageObject& image = source.Image;
  const int16_t tuneMode = image.ColorTuneMode;
  // Unmatched pixels come from the file's own decoder, not the tuning path.
  if (!colorManaged && tuneMode == kAutomaticTuning) image.ColorTuneMode = 0;
  ColorPixelMatcher matcher;
  PreviewPicture picture;
  const int purpose = colorManaged ? kMatchScreenTuned : kMatchNone;
  picture.Pixels = DecodeImagePixels(image, purpose, size, &picture.Mask, &matcher,
                                     picture.Message);
  image.ColorTuneMode = tuneMode;
  if (picture.Pixels) picture.Message = 0;
  return picture;
}

PreviewKey PreviewKeyOf(const ImageObject* image) {
  PreviewKey key;
  if (!image) return key;
  key.Object = image;
  key.Path = image->ImagePath;
  key.LastWriteTime = image->LastWriteTime;
  key.FileSize = image->FileSize;
  key.RotateFlip = image->RotateFlip;
  key.ColorSpace = image->ColorSpace;
  key.SourceMode = image->ImageSrcManagementMode;
  key.UseEmbeddedProfile = image->ImageSrcUseEmbedProfile;
  key.SourceProfile = image->ImageSrcProfile;
  key.SourceIntent = image->ImageSrcIntent;
  key.SimulationMethod = image->ImageSimMethod;
  key.SimulationProfile = image->ImageSimProfile;
  key.SimulationIntent = image->ImageSimIntent;
  key.Tune = image->ColorTune;
  key.TuneMode = image->ColorTuneMode;
  return key;
}

}  // namespace tl
