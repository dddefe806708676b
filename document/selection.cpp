#include "document/selection.h"

#include <set>
#include <string>

#include "document/view_link.h"

namespace tl {
namespace {

constexpr char kPathSeparator = '/';

// Selects or deselects one object; true when its flag changed.
bool SetSelected(LayoutObject& o, bool selected) {
  const int32_t value = selected ? 1 : 0;
  if (o.Selected == value) return false;
  o.Selected = value;
  return true;
}

// The images chosen by a page or folder of the selected images, every
// other object deselected.
template <typename KeyType, typename Key>
bool SelectImagesSharing(LayoutDocument& d, Key key) {
  std::set<KeyType> keys;
  for (const LayoutObject* o : d.Objects)
    if (const ImageObject* image = AsImage(o); image && image->Selected) keys.insert(key(*image));
  bool changed = false;
  for (LayoutObject* o : d.Objects) {
    const ImageObject* image = AsImage(o);
    if (image && keys.count(key(*image))) changed |= SetSelected(*o, true);
    else if (!image && o->Selected) changed |= SetSelected(*o, false);
  }
  return changed;
}

bool ApplyMode(LayoutDocument& d, int16_t mode) {
  bool changed = false;
  switch (mode) {
    case kSelectAll:
      for (LayoutObject* o : d.Objects)
        if (IsImageOrFree(o)) changed |= SetSelected(*o, true);
      return changed;
    case kSelectAllImages:
      for (LayoutObject* o : d.Objects) changed |= SetSelected(*o, IsImage(o));
      return changed;
    case kSelectImagesInPage:
      return SelectImagesSharing<int32_t>(d, [&d](const ImageObject& image) { return PageOfY(d, image.Origin.y); });
    case kSelectImagesInFolder:
      return SelectImagesSharing<std::string>(d, [](const ImageObject& image) {
        return std::string(FolderOf(image.ImagePath)); });
    case kSelectFreeTexts:
    case kSelectFreeLines:
      for (LayoutObject* o : d.Objects)
        if (o->ObjectKind == (mode == kSelectFreeTexts ? kKindFreeText : kKindFreeLine))
          changed |= SetSelected(*o, true);
      return changed;
    case kSelectInverse:
      // The crop mark set is no object the user can select.
      for (LayoutObject* o : d.Objects)
        if (IsImageOrFree(o)) SetSelected(*o, !o->Selected);
      return true;
    case kSelectNone:
      for (LayoutObject* o : d.Objects) changed |= SetSelected(*o, false);
      return changed;
  }
  return false;
}

bool SetsCurrentImage(int16_t mode) { return (mode >= kSelectAll && mode <= kSelectImagesInFolder) || mode == kSelectInverse; }

}  // namespace

std::string_view FolderOf(std::string_view path) {
  const size_t cut = path.rfind(kPathSeparator);
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut);
}

std::string_view FileNameOf(std::string_view path) {
  const size_t cut = path.rfind(kPathSeparator);
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

bool SelectObjects(LayoutDocument& d, int16_t mode) {
  if (mode < kSelectAll || mode > kSelectNone) return false;
  const bool changed = ApplyMode(d, mode);
  if (SetsCurrentImage(mode)) {
    d.CurrentImage = nullptr;
    for (LayoutObject* o : d.Objects)
      if (ImageObject* image = AsImage(o); image && image->Selected) d.CurrentImage = image;
  } else if (mode == kSelectNone) {
    d.CurrentImage = nullptr;
  }
  RecountSelection(d);
  for (LayoutObject* o : d.Objects) o->NeedsRedraw = 0;
  if (d.View) d.View->Invalidate();
  return changed;
}

void RecountSelection(LayoutDocument& d) {
  d.SelectedImageCount = 0;
  d.SelectedOtherCount = 0;
  for (const LayoutObject* o : d.Objects) {
    if (!o->Selected) continue;
    if (IsImage(o)) ++d.SelectedImageCount;
    else ++d.SelectedOtherCount;
  }
}

bool HasSelection(const LayoutDocument& d) {
  for (const LayoutObject* o : d.Objects)
    if (o->Selected) return true;
  return false;
}

}  // namespace tl
