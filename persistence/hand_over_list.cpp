#include "persistence/hand_over_list.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <fstream>
#include <utility>

namespace tl {
namespace {

constexpr std::string_view kEntrySection = "ENTRY";
constexpr std::string_view kEntryCountKey = "EntryNum";
constexpr std::string_view kImageSectionPrefix = "IMAGE";
constexpr std::string_view kPathKey = "PATH";
// What the other program's reader returned for a missing PATH; such entries are skipped.
constexpr std::string_view kMissingPath = "qamvirel";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// A text list longer than this is read up to its last whole line within it.
constexpr size_t kMaxTextListBytes = size_t(16) << 20;
constexpr size_t kReadChunkBytes = size_t(64) << 10;

// EntryNum as a decimal count: leading digits only, anything else 0, a
// count beyond int clamped (the image sections bound the work, not the count).
int EntryCount(const IniFile& list) {
  const std::string text = list.Get(kEntrySection, kEntryCountKey, "0");
  long long count = 0;
  const std::errc error = std::from_chars(text.data(), text.data() + text.size(), count).ec;
  if (error == std::errc::result_out_of_range) return text[0] == '-' ? 0 : INT_MAX;
  if (error != std::errc()) return 0;
  return int(std::clamp<long long>(count, 0, INT_MAX));
}

// n for a section named as "IMAGE%02d" makes it (IMAGE01, IMAGE12, IMAGE123),
// else 0.
int ImageSectionNumber(std::string_view name) {
  if (name.size() <= kImageSectionPrefix.size() ||
      strncasecmp(name.data(), kImageSectionPrefix.data(), kImageSectionPrefix.size()) != 0)
    return 0;
  const std::string_view digits = name.substr(kImageSectionPrefix.size());
  int n = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (error != std::errc() || end != digits.data() + digits.size() || n < 1) return 0;
  char formatted[16];
  std::snprintf(formatted, sizeof formatted, "%02d", n);
  return digits == formatted ? n : 0;
}

// At most kMaxTextListBytes of the file; false when it cannot be read.
bool ReadTextList(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string chunk(kReadChunkBytes, '\0');
  while (text->size() < kMaxTextListBytes) {
    in.read(chunk.data(), std::streamsize(std::min(chunk.size(), kMaxTextListBytes - text->size())));
    text->append(chunk.data(), size_t(in.gcount()));
    if (!in) break;
  }
  if (in.bad()) return false;
  // A list cut at the limit loses its last, partial line.
  if (text->size() == kMaxTextListBytes && in.peek() != EOF) text->resize(text->rfind('\n') + 1);
  return true;
}

bool BlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::vector<std::string> IniHandOverPaths(const IniFile& list) {
  const int count = EntryCount(list);
  // The sections present, not the count, bound the work: an absurd EntryNum
  // costs nothing.
  std::vector<std::pair<int, std::string>> numbered;
  for (const std::string& section : list.Sections()) {
    const int n = ImageSectionNumber(section);
    if (n < 1 || n > count) continue;
    std::string path = list.Get(section, kPathKey, kMissingPath);
    if (path != kMissingPath) numbered.emplace_back(n, std::move(path));
  }
  std::sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> paths;
  for (auto& [n, path] : numbered) paths.push_back(std::move(path));
  return paths;
}

std::vector<std::string> TextHandOverPaths(std::string_view text) {
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  std::vector<std::string> paths;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!BlankLine(line)) paths.emplace_back(line);
  }
  return paths;
}

bool TakeHandOverList(const std::string& path, HandOverListForm form, std::vector<std::string>* paths) {
  paths->clear();
  bool read = false;
  if (form == HandOverListForm::Ini) {
    IniFile list;
    read = list.Load(path);
    if (read) *paths = IniHandOverPaths(list);
  } else {
    std::string text;
    read = ReadTextList(path, &text);
    if (read) *paths = TextHandOverPaths(text);
  }
  // unlink, not remove: a list path naming a folder must not delete it.
  ::unlink(path.c_str());
  return read;
}

}  // namespace tl
