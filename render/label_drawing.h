// Labels and captions: a text drawn in the frame band of one side of an
// image object (top, bottom, left, right), wrapped at word boundaries into
// whole lines centred across the band, aligned left, centre or right along
// it. Side texts read along the band, turned a quarter; "upside down"
// turns a text half round. With "Rotate Image With Frame" the side turns
// and mirrors with the picture.
#pragma once

#include <QPainter>
#include <QRect>
#include <cstdint>

#include "document/layout_object.h"
#include "render/page_draw_context.h"

namespace tl {

// The side a text stored at `location` is drawn on.
int16_t ShownTextSide(const ImageObject& image, int16_t location);

// `objectRect` is the object's rectangle mapped to the device.
void DrawLabel(QPainter& painter, const ImageObject& image, const QRect& objectRect, const PageDrawContext& context);
void DrawCaption(QPainter& painter, const ImageObject& image, const QRect& objectRect,
                 const PageDrawContext& context);

}  // namespace tl
