#include "app/shell/window_placement.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace tl {
namespace {

constexpr size_t kFieldCount = 10;

}  // namespace

bool ParseWindowPos(std::string_view text, WindowPlacement& placement) {
  std::vector<int64_t> fields;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    std::string_view field = text.substr(start, comma - start);
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) return false;
    if (value < INT32_MIN || value > UINT32_MAX) return false;
    fields.push_back(value);
    if (fields.size() > kFieldCount) return false;
    start = comma + 1;
  }
  if (fields.size() != kFieldCount) return false;
  placement.Flags = uint32_t(fields[0]);
  placement.Show = uint32_t(fields[1]);
  placement.MinX = int32_t(fields[2]);
  placement.MinY = int32_t(fields[3]);
  placement.MaxX = int32_t(fields[4]);
  placement.MaxY = int32_t(fields[5]);
  placement.Left = int32_t(fields[6]);
  placement.Top = int32_t(fields[7]);
  placement.Right = int32_t(fields[8]);
  placement.Bottom = int32_t(fields[9]);
  return true;
}

std::string WindowPosText(const WindowPlacement& p) {
  char text[160];
  std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.Flags, p.Show, p.MinX, p.MinY, p.MaxX, p.MaxY,
                p.Left, p.Top, p.Right, p.Bottom);
  return text;
}

}  // namespace tl
