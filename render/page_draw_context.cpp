#include "render/page_draw_context.h"

#include <cmath>

namespace tl {
namespace {

// Device coordinates stay well inside int so that sums of them cannot wrap.
constexpr double kDeviceLimit = 1 << 28;

int ToDevice(double v) {
  if (v > kDeviceLimit) return int(kDeviceLimit);
  if (v < -kDeviceLimit) return -int(kDeviceLimit);
  return int(std::lround(v));
}

}  // namespace

int PageDrawContext::MapX(int64_t x) const { return ToDevice(MapXF(double(x))); }
int PageDrawContext::MapY(int64_t y) const { return ToDevice(MapYF(double(y))); }

QRect PageDrawContext::Map(const LRect& r) const {
  const int left = MapX(r.left), top = MapY(r.top);
  return QRect(QPoint(left, top), QPoint(MapX(r.right) - 1, MapY(r.bottom) - 1));
}

}  // namespace tl
