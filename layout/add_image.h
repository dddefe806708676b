// Adding an image file to a document: the path that Get Image, drag and
// drop and the image hand-over take for every file. The image object is
// made from the document's default image settings, described, sized,
// turned by automatic rotation, labelled and placed, and its preview built.
#pragma once

#include <cstdint>
#include <string>

#include "document/exif_fields.h"
#include "document/image_desc.h"
#include "document/layout_document.h"
#include "layout/arrange.h"
#include "layout/layout_services.h"

namespace tl {

enum AddImageMessage : int {
  kNotEnoughMemory = 10413,
  kImageSizeOutOfRange = 10444,
  kIllegalOperation = 10455,
};

// One file to add. A filled description is taken as it is, with the Exif
// fields given beside it; otherwise the services read the file's header.
struct ImageToAdd {
  std::string Path;
  ImageDescBlock Desc;
  ExifFields Exif;
};

// What a series of adds to one document shares (Get Image keeps one for its
// loop), so that each add costs time in proportion to the last page rather
// than to the whole list. Valid only while nothing but AddImageFile changes
// the document; start a fresh one for every series.
struct ImageAddSession {
  FlowCursor Cursor;
  int16_t NextNumber = 0;  // 0: count from the list
};

// Sizes a new image, just described, from the default settings and turns
// it by the document's automatic rotation, as AddImageFile does before
// placing it. False (nothing shown) when its box is out of range.
bool SizeAndRotateNewImage(const LayoutDocument& document, ImageObject& image);

// Adds one image file; true when the image was taken. On failure the
// document is as it was and any message has been shown: 10444 for a box
// out of range, 10455 when the image would overflow the page budget (the
// add's own undo snapshot is then put back; within a series the series'
// snapshot stays, so its images can still be undone together).
bool AddImageFile(LayoutDocument& document, const ImageToAdd& file, LayoutServices& services = NoLayoutServices(),
                  ImageAddSession* session = nullptr);

}  // namespace tl
