#include "persistence/layout_keys.h"

#include <array>

namespace tl {
namespace {

using K = LayoutKey;

constexpr std::array<std::string_view, kLayoutKeyCount> kLayoutKeyTable = {
#define TL_LAYOUT_KEY(name) #name,
#include "persistence/layout_keys.def"
#undef TL_LAYOUT_KEY
};
static_assert(kLayoutKeyTable.back() == "ArrowSize", "the table has exactly kLayoutKeyCount names");

constexpr LayoutKey kRootOrder[] = {K::header, K::layout, K::object};
constexpr LayoutKey kHeaderOrder[] = {K::Version, K::Platform, K::OSVersion};

// The layout names stand in the table in writing order, Comment to UserPreset.
constexpr auto kLayoutOrder = [] {
  std::array<LayoutKey, size_t(K::UserPreset) - size_t(K::Comment) + 1> order{};
  for (size_t i = 0; i < order.size(); ++i) order[i] = LayoutKey(size_t(K::Comment) + i);
  return order;
}();
static_assert(kLayoutOrder.size() == 105);

// So do the image names, RelativeDir to ColorTune.
constexpr auto kImageOrder = [] {
  std::array<LayoutKey, size_t(K::ColorTune) - size_t(K::RelativeDir) + 1> order{};
  for (size_t i = 0; i < order.size(); ++i) order[i] = LayoutKey(size_t(K::RelativeDir) + i);
  return order;
}();
static_assert(kImageOrder.size() == 45);

constexpr LayoutKey kFreeTextOrder[] = {K::Origin,     K::String,     K::FontName,        K::FontSize,
                                        K::FontFace,   K::FontColor,  K::LineHeight,      K::Justify,
                                        K::ColumnarWriting, K::Angle, K::DispBackGround, K::BackGroundColor};
constexpr LayoutKey kFreeLineOrder[] = {K::Origin,    K::LineStyle, K::Thickness,  K::Length,    K::Angle,
                                        K::LineColor, K::ArrowMark, K::ArrowAngle, K::ArrowFill, K::ArrowSize};

struct KeyPair {
  LayoutKey layoutKey;
  LayoutKey imageKey;
};
constexpr KeyPair kDefaultImageElements[] = {
    {K::ImageSize, K::Size},
    {K::ImageSizeAbsolute, K::SizeAbsolute},
    {K::ImageSizeRelative, K::SizeRelative},
    {K::ImageSizeMethod, K::SizeMethod},
    {K::ImageSizeRatio, K::SizeRatio},
    {K::ImageSizeImageOption, K::SizeImageOption},
    {K::ImageFrameSetting, K::FrameSetting},
    {K::ImageFrameRect, K::FrameRect},
    {K::ImageFrameColorValid, K::FrameColorValid},
    {K::ImageFrameColor, K::FrameColor},
    {K::ImageFrameRotation, K::FrameRotation},
    {K::ImageLabelItems, K::LabelItems},
    {K::ImageLabelFontName, K::LabelFontName},
    {K::ImageLabelFontSize, K::LabelFontSize},
    {K::ImageLabelFontColor, K::LabelFontColor},
    {K::ImageLabelAlign, K::LabelAlign},
    {K::ImageLabelLocation, K::LabelLocation},
    {K::ImageLabelUpsideDown, K::LabelUpsideDown},
    {K::ImageCaptionFontName, K::CaptionFontName},
    {K::ImageCaptionFontSize, K::CaptionFontSize},
    {K::ImageCaptionFontColor, K::CaptionFontColor},
    {K::ImageCaptionAlign, K::CaptionAlign},
    {K::ImageCaptionLocation, K::CaptionLocation},
    {K::ImageCaptionUpsideDown, K::CaptionUpsideDown},
    {K::ImageCaptionString, K::CaptionString},
};

}  // namespace

std::string_view LayoutKeyName(LayoutKey key) {
  const auto i = size_t(key);
  return i < kLayoutKeyTable.size() ? kLayoutKeyTable[i] : std::string_view();
}

std::span<const LayoutKey> ElementOrderList(ElementGroup group) {
  switch (group) {
    case ElementGroup::Root: return kRootOrder;
    case ElementGroup::Header: return kHeaderOrder;
    case ElementGroup::Layout: return kLayoutOrder;
    case ElementGroup::Image: return kImageOrder;
    case ElementGroup::FreeText: return kFreeTextOrder;
    case ElementGroup::FreeLine: return kFreeLineOrder;
  }
  return {};
}

bool DefaultImageElement(LayoutKey layoutKey, LayoutKey& imageKey) {
  for (const KeyPair& p : kDefaultImageElements)
    if (p.layoutKey == layoutKey) {
      imageKey = p.imageKey;
      return true;
    }
  return false;
}

bool FindGroupKey(ElementGroup group, std::string_view name, LayoutKey& key) {
  for (LayoutKey k : ElementOrderList(group))
    if (LayoutKeyName(k) == name) {
      key = k;
      return true;
    }
  return false;
}

}  // namespace tl
