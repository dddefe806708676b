#include "imaging/image_resolution.h"

#include <cmath>
#include <limits>

namespace tl {

int32_t DotsPerInch(double value, ResolutionUnit unit) {
  double dpi = 0;
  if (unit == ResolutionUnit::Inch) dpi = value;
  if (unit == ResolutionUnit::Centimetre) dpi = value * 2.54;
  if (!(dpi >= 1) || dpi > std::numeric_limits<int32_t>::max()) return 0;  // also NaN
  return int32_t(dpi);
}

void SetDescResolution(ImageDescBlock& desc, double x, double y, ResolutionUnit unit) {
  int32_t dx = DotsPerInch(x, unit), dy = DotsPerInch(y, unit);
  if (dx <= 0 || dy <= 0) dx = dy = kDefaultResolution;
  desc.SetHResolution(dx);
  desc.SetVResolution(dy);
}

}  // namespace tl
