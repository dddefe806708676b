#include "persistence/image_preparation.h"

#include "document/layout_document.h"
#include "imaging/preview.h"
#include "layout/add_image.h"

namespace tl {
namespace {

// The prepared header state, keeping what the add gave the new image for
// its place in the document (the list link stays with the assignment).
void TakeHeaderState(ImageObject& image, const ImageObject& header) {
  LayoutDocument* const owner = image.Owner;
  const int16_t role = image.ObjectRole;
  const int32_t selected = image.Selected;
  const int32_t redraw = image.NeedsRedraw;
  const int16_t number = image.ImageNumber;
  image = header;
  image.Owner = owner;
  image.ObjectRole = role;
  image.Selected = selected;
  image.NeedsRedraw = redraw;
  image.ImageNumber = number;
}

void TakePreview(ImageObject& image, const PreparedImage& p) {
  image.Preview = p.Preview;
  image.PreviewMask = p.PreviewMask;
  image.AverageBrightness = p.AverageBrightness;
  image.ColorSpace = p.ColorSpace;
  image.ImageSrcManagementMode = p.ImageSrcManagementMode;
  image.Exif = p.Exif;
}

void KeepPreview(PreparedImage& p, const ImageObject& image) {
  p.Preview = image.Preview;
  p.PreviewMask = image.PreviewMask;
  p.AverageBrightness = image.AverageBrightness;
  p.ColorSpace = image.ColorSpace;
  p.ImageSrcManagementMode = image.ImageSrcManagementMode;
  p.Exif = image.Exif;
}

}  // namespace

PreparedImage PrepareImageFile(const LayoutDocument& settings, const std::string& path) {
  PreparedImage p;
  p.Path = path;
  if (!settings.DefaultImageSettings) return p;
  // The image as the add makes it; its owner is the settings copy, whose
  // input colour settings the header reader applies.
  ImageObject image(*settings.DefaultImageSettings);
  ImageImportServices services;
  {
    ScopedMessageCapture capture(p.HeaderMessages);
    p.HeaderRead = services.ReadImageHeader(image, path);
  }
  p.Header = image;
  if (p.HeaderRead && SizeAndRotateNewImage(settings, image)) {
    p.PreviewTried = true;
    p.PreviewRequest = PreviewRequestSize(image);
    p.RotateFlip = image.RotateFlip;
    ScopedMessageCapture capture(p.PreviewMessages);
    p.PreviewMade = services.BuildPreview(image);
    if (p.PreviewMade) KeepPreview(p, image);
  }
  p.Usable = !AsksQuestion(p.HeaderMessages) && !AsksQuestion(p.PreviewMessages);
  return p;
}

void PreparedImageServices::Offer(const PreparedImage* prepared) {
  prepared_ = prepared;
  headerTaken_ = false;
}

bool PreparedImageServices::ReadImageHeader(ImageObject& image, const std::string& path) {
  headerTaken_ = prepared_ && prepared_->Usable && prepared_->Path == path;
  if (!headerTaken_) return ImageImportServices::ReadImageHeader(image, path);
  ShowCapturedMessages(prepared_->HeaderMessages);
  if (!prepared_->HeaderRead) return false;
  TakeHeaderState(image, prepared_->Header);
  return true;
}

bool PreparedImageServices::BuildPreview(ImageObject& image) {
  // The prepared preview stands only for the very decode this add asks for.
  const bool same = headerTaken_ && prepared_->PreviewTried && image.ImagePath == prepared_->Path &&
                    image.RotateFlip == prepared_->RotateFlip && PreviewRequestSize(image) == prepared_->PreviewRequest;
  headerTaken_ = false;
  if (!same) return ImageImportServices::BuildPreview(image);
  ShowCapturedMessages(prepared_->PreviewMessages);
  if (!prepared_->PreviewMade) return false;
  TakePreview(image, *prepared_);
  return true;
}

}  // namespace tl
