// The image stamp: one picture (a logo, a watermark) that the document
// prints over every image. Automatic placement covers the whole picture;
// manual placement puts it at a position and size measured from the
// picture's own top-left corner, turning with the picture so that it keeps
// its place and direction on it. It is drawn without smoothing and clipped
// to the picture.
#pragma once

#include <QPainter>
#include <QRect>

#include "document/layout_document.h"
#include "render/page_draw_context.h"

namespace tl {

enum ImageStampMode : int32_t { kStampAutomatic = 0 };

// The stamp picture of ImageStampFileName, read the first time it is asked
// for (description, preview and mask) and kept in the document; a file that
// cannot be read is not tried again until the name changes. Null when no
// stamp file is named or it could not be read.
ImageObject* ImageStampPicture(LayoutDocument& document);

// Draws the stamp over `image`, whose picture fills `pictureRect`.
void DrawImageStamp(QPainter& painter, const ImageObject& image, const QRect& pictureRect, PageDrawContext& context);

}  // namespace tl
