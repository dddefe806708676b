// Drawing an image object: its pixels fitted into the frame (the preview on
// screen; on a printer a fresh decode no larger than the picture is
// printed, matched for output and scaled smoothly), the frame ring, the
// image stamp over the picture, and the crop frame.
#pragma once

#include <QPainter>
#include <QRect>
#include <optional>

#include "document/layout_object.h"
#include "render/page_draw_context.h"

namespace tl {

// The object rectangle inset by the frame widths, in device pixels.
QRect FrameInnerRect(const ImageObject& image, const PageDrawContext& context);

// The size a printer decodes the picture at (none: its own size); false
// when nothing of the picture is drawn.
bool PrintDecodeRequest(const ImageObject& image, const QRect& objectRect, const PageDrawContext& context,
                        std::optional<LSize>& size);

// `objectRect` is the object's rectangle mapped to the device.
void DrawImageObject(QPainter& painter, ImageObject& image, const QRect& objectRect, PageDrawContext& context);

}  // namespace tl
