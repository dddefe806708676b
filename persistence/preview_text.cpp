#include "persistence/preview_text.h"

#include <cstring>
#include <vector>

#include "document/layout_document.h"
#include "imaging/offscreen_bitmap.h"
#include "imaging/preview_jpeg.h"
#include "persistence/base64.h"

namespace tl {
namespace {

void Fill(OffscreenBitmap& bitmap, ColorRef color) {
  const uint8_t bgrx[4] = {ColorBlue(color), ColorGreen(color), ColorRed(color), 0};
  for (int32_t y = 0; y < bitmap.Height; ++y) {
    uint8_t* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width; ++x) std::memcpy(row + size_t(x) * 4, bgrx, 4);
  }
}

}  // namespace

std::string LayoutPreviewText(const LayoutDocument& document, const LayoutPreviewRenderer& renderer) {
  BitmapPtr page = OffscreenBitmapNew(kLayoutPreviewSide, kLayoutPreviewSide);
  if (!page) return {};
  bool drawn = false;
  if (renderer) {
    Fill(*page, kWhite);
    drawn = renderer(document, *page);
  }
  if (!drawn) Fill(*page, document.PaperColor);
  std::vector<uint8_t> jpeg;
  if (!EncodePreviewJpeg(*page, jpeg)) return {};
  return Base64Encode(jpeg);
}

}  // namespace tl
