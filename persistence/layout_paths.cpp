#include "persistence/layout_paths.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

#include "document/layout_document.h"
#include "persistence/folder_rules.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kUntitledString = 10031;       // "Untitled-%d"
constexpr int kLayoutExtensionString = 10601;  // ".qlf"
constexpr int kTemplateExtensionString = 10602;  // ".qlt"

std::string FullPath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::weakly_canonical(path, ec);
  if (ec) full = std::filesystem::absolute(path, ec).lexically_normal();
  return ec ? path : full.string();
}

}  // namespace

bool HasExtension(std::string_view path, std::string_view extension) {
  if (path.size() < extension.size()) return false;
  return strncasecmp(path.data() + path.size() - extension.size(), extension.data(), extension.size()) == 0;
}

bool IsLayoutFileName(std::string_view path) { return HasExtension(path, StringText(kLayoutExtensionString)); }
bool IsTemplateFileName(std::string_view path) { return HasExtension(path, StringText(kTemplateExtensionString)); }

std::string LayoutPathForTemplate(std::string_view templatePath) {
  std::string path(templatePath);
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash) && dot + 1 < path.size())
    path.back() = 'f';
  return path;
}

std::string WithLayoutExtension(std::string_view path) {
  std::string result(path);
  if (!IsLayoutFileName(path)) result += StringText(kLayoutExtensionString);
  return result;
}

std::string UntitledLayoutName(int32_t number) {
  std::string name(StringText(kUntitledString));
  if (const size_t at = name.find("%d"); at != std::string::npos) name.replace(at, 2, std::to_string(number));
  return name + std::string(StringText(kLayoutExtensionString));
}

bool RelativePathsPossible(const LayoutDocument& document, std::string_view layoutPath) {
  for (const LayoutObject* object : document.Objects) {
    const ImageObject* image = AsImage(object);
    if (!image || image->ImagePath.empty()) continue;
    std::string folder = ImageFolderOf(image->ImagePath);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    if (MakeRelativeFolder(layoutPath, folder).empty()) return false;
  }
  return true;
}

bool SameFilePath(const std::string& a, const std::string& b) { return FullPath(a) == FullPath(b); }

}  // namespace tl
