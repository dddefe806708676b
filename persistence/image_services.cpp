#include "persistence/image_services.h"

#include <cstring>
#include <memory>
#include <vector>

#include "color/image_color_settings.h"
#include "color/profile_description.h"
#include "color/profile_open.h"
#include "color/profile_roles.h"
#include "document/layout_document.h"
#include "imaging/bitmap_orientation.h"
#include "imaging/embedded_profile.h"
#include "imaging/image_header.h"
#include "imaging/label_text.h"
#include "imaging/preview.h"
#include "layout/orientation.h"

namespace tl {
namespace {

std::shared_ptr<OffscreenBitmap> Shared(BitmapPtr bitmap) { return std::shared_ptr<OffscreenBitmap>(std::move(bitmap)); }

// Previews are shared between copies of an image: a turned one is a new
// bitmap, never the old one changed in place.
std::shared_ptr<OffscreenBitmap> Turned(const std::shared_ptr<OffscreenBitmap>& bitmap, int16_t step) {
  if (!bitmap) return nullptr;
  BitmapPtr copy = OffscreenBitmapNew(bitmap->Width, bitmap->Height);
  if (!copy) return bitmap;
  std::memcpy(copy->Pixels.get(), bitmap->Pixels.get(), bitmap->ByteSize());
  BitmapPtr turned = ApplyRotateFlip(std::move(copy), step);
  return turned ? Shared(std::move(turned)) : bitmap;
}

}  // namespace

std::string ColorProfileNames::SourceProfileName(const ImageObject& image) const {
  if (image.ImageSrcUseEmbedProfile && image.HasEmbeddedProfile) {
    std::vector<uint8_t> bytes;
    if (ReadEmbeddedProfile(image, bytes))
      if (const ProfilePtr embedded = OpenProfileFromMemory(bytes)) return ProfileDescription(embedded.get());
  }
  return DescribeRoleProfile(kRoleRgb, image.SrcProfileState, image.ImageSrcProfile);
}

std::string ColorProfileNames::SimulationProfileName(const ImageObject& image) const {
  return DescribeRoleProfile(kRoleCmyk, image.SimProfileState, image.ImageSimProfile);
}

bool ImageImportServices::ReadImageHeader(ImageObject& image, const std::string& path) {
  if (!tl::ReadImageHeader(image, path)) return false;
  if (image.Owner) ApplyInputColorSettings(image, *image.Owner);
  return true;
}

bool ImageImportServices::BuildPreview(ImageObject& image) {
  BitmapPtr mask;
  BitmapPtr preview = MakePreview(image, &mask);
  if (!preview) return false;
  image.Preview = Shared(std::move(preview));
  image.PreviewMask = Shared(std::move(mask));
  return true;
}

void ImageImportServices::TurnPreview(ImageObject& image, int16_t fromState, int16_t toState) {
  const int16_t step = OrientationStep(fromState, toState);
  if (step == 0) return;
  image.Preview = Turned(image.Preview, step);
  image.PreviewMask = Turned(image.PreviewMask, step);
}

void ImageImportServices::ComposeLabel(ImageObject& image) {
  ComposeLabelText(image, &profileNames_);
  UpdateAutomaticCaptionSize(image);
}

void ImageImportServices::RebuildLabels(LayoutDocument& document) {
  RenumberImages(document, &profileNames_);
  LayoutServices::RebuildLabels(document);
}

}  // namespace tl
