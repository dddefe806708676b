#include "render/tool_window_place.h"

#include <algorithm>

namespace tl {
namespace {

int32_t Clamp(int32_t value, int32_t length, int32_t low, int32_t high) {
  return std::max(low, std::min(value, high - length));
}

}  // namespace

LPoint ToolWindowOrigin(LPoint origin, LSize size, const LRect& workArea) {
  return {Clamp(origin.x, size.cx, workArea.left, workArea.right),
          Clamp(origin.y, size.cy, workArea.top, workArea.bottom)};
}

}  // namespace tl
