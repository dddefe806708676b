#include "layout/auto_rotation_setting.h"

namespace tl {
namespace {

// "Off", "Use Exif Information", "Widthways (CW)" ... in code order.
constexpr int kFirstChoiceString = 41031;

}  // namespace

int AutoRotationChoiceString(int mode) { return kFirstChoiceString + mode; }

bool ApplyAutoRotation(LayoutDocument& d, int16_t mode) {
  if (mode < 0 || mode >= kAutoRotationChoiceCount) return false;
  d.AutoRotation = mode;
  if (d.RecordState == kRecordLive) d.Modified = 1;
  return true;
}

}  // namespace tl
