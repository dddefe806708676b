#include "imaging/decode_limits.h"

#include "imaging/offscreen_bitmap.h"

namespace tl {
namespace {

int64_t g_limit = OffscreenBitmap::kMaxPixels;

}  // namespace

int64_t DecodePixelLimit() { return g_limit; }
void SetDecodePixelLimit(int64_t pixels) { g_limit = pixels; }

}  // namespace tl
