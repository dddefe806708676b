// Reading an image file ahead of its add, on any thread: what adding it
// would learn from the file before placing it -- the header with the
// document's input colour settings, the size and automatic rotation, the
// preview and what making it measured -- worked out on a settings-only
// copy of the document, with the messages kept for the interface thread.
// And the import services that take such a preparation instead of reading
// the file again, so that the document comes out as a plain add makes it.
#pragma once

#include <memory>
#include <string>

#include "document/exif_fields.h"
#include "document/geometry.h"
#include "document/layout_object.h"
#include "document/message_box.h"
#include "persistence/image_services.h"

namespace tl {

struct PreparedImage {
  std::string Path;
  // False when a captured message asked a question: the add then reads the
  // file itself, so that the user answers.
  bool Usable = false;

  // The image as its header and the input colour settings left it; an add
  // that fails here shows HeaderMessages and nothing more.
  bool HeaderRead = false;
  ImageObject Header;
  CapturedMessages HeaderMessages;

  // The preview, made for the box the image was sized and turned to.
  bool PreviewTried = false;
  LSize PreviewRequest;
  int16_t RotateFlip = 0;
  bool PreviewMade = false;
  std::shared_ptr<OffscreenBitmap> Preview;
  std::shared_ptr<OffscreenBitmap> PreviewMask;
  // What making the preview learnt about the image.
  int16_t AverageBrightness = 0;
  uint32_t ColorSpace = 0;
  int16_t ImageSrcManagementMode = 0;
  ExifFields Exif;
  CapturedMessages PreviewMessages;
};

// Prepares the file at `path` for an add to the document whose settings-
// only copy (DocumentNew(&document, nullptr), made and freed on the
// interface thread) is `settings`. Preparations only read `settings`, so
// any number of them may run at once; nothing is shown.
PreparedImage PrepareImageFile(const LayoutDocument& settings, const std::string& path);

// Image import that, offered the preparation of the file being added,
// takes its header state and its preview (showing the captured messages
// where the add would have shown them) instead of reading the file. An add
// of another file, or one whose preview request differs from the prepared
// one, goes the normal way.
class PreparedImageServices : public ImageImportServices {
 public:
  // The preparation for the next add (null: none); it must outlive the add.
  void Offer(const PreparedImage* prepared);

  bool ReadImageHeader(ImageObject& image, const std::string& path) override;
  bool BuildPreview(ImageObject& image) override;

 private:
  const PreparedImage* prepared_ = nullptr;
  bool headerTaken_ = false;
};

}  // namespace tl
