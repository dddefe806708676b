#include "print/setting_block.h"

#include <charconv>
#include <sstream>

namespace tl {
namespace {

constexpr const char* kBlockHeader = "tessaline-driver-settings 1";

struct NumberField {
  const char* Name;
  int32_t DriverState::*Field;
};

constexpr NumberField kNumberFields[] = {
    {"orientation", &DriverState::Orientation},
    {"paper", &DriverState::PaperId},
    {"source", &DriverState::SourceId},
    {"media-type", &DriverState::MediaTypeId},
    {"ink", &DriverState::Ink},
    {"print-mode", &DriverState::PrintMode},
    {"ink-flags", &DriverState::InkFlags},
    {"color-adjust", &DriverState::ColorAdjust},
    {"color-management", &DriverState::ColorManagement},
    {"printable-area", &DriverState::PrintableArea},
    {"centered", &DriverState::Centered},
    {"banner-flags", &DriverState::BannerFlags},
    {"high-speed", &DriverState::HighSpeed},
};
constexpr const char* kPresetName = "preset";

bool ParseNumber(const std::string& text, int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && last == end;
}

void ReadLine(const std::string& name, const std::string& value, DriverState& state) {
  if (name == kPresetName) {
    state.Preset = value;
    return;
  }
  for (const NumberField& field : kNumberFields) {
    int32_t number = 0;
    if (name == field.Name && ParseNumber(value, number)) state.*field.Field = number;
  }
}

}  // namespace

std::string WriteSettingBlock(const DriverState& state) {
  std::ostringstream out;
  out << kBlockHeader << '\n';
  for (const NumberField& field : kNumberFields) out << field.Name << '=' << state.*field.Field << '\n';
  out << kPresetName << '=' << state.Preset << '\n';
  return out.str();
}

bool ReadSettingBlock(const std::string& text, DriverState& state) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kBlockHeader) return false;
  DriverState read = state;
  while (std::getline(in, line)) {
    const size_t equals = line.find('=');
    if (equals != std::string::npos) ReadLine(line.substr(0, equals), line.substr(equals + 1), read);
  }
  state = read;
  return true;
}

}  // namespace tl
