// Drawing an image object: its pixels fitted into the frame (the preview on
// screen; on a printer a fresh decode no larger than the picture is
// printed, matched for output and scaled smoothly), the frame ring, the
// image stamp over the picture, and the crop frame.
#pragma once

#include <QPainter>
#include <QRect>

#include "document/layout_object.h"
#include "render/page_draw_context.h"

namespace tl {

// The object rectangle inset by the frame widths, in device pixels.
QRect FrameInnerRect(const ImageObject& image, const PageDrawContext& context);

// `objectRect` is the object's rectangle mapped to the device.
void DrawImageObject(QPainter& painter, ImageObject& image, const QRect& objectRect, PageDrawContext& context);

}  // namespace tl
