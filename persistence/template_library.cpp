#include "persistence/template_library.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

#include "document/fixed_string.h"
#include "document/layout_document.h"
#include "persistence/ini_file.h"
#include "persistence/layout_writer.h"
#include "resources/app_folders.h"
#include "resources/string_table.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemplatesFolderName = "Templates";
constexpr std::string_view kUserTypesSection = "USR_TEMPLATE_FOLDER";
constexpr std::string_view kUserTypeKey = "UsrTemplate";
constexpr std::string_view kNoMoreTypes = "qamvirel";  // the default that ends the list
constexpr size_t kMaxTypeNameBytes = 259;
constexpr int kFirstGenreString = 11055;
constexpr int kGenreCount = 7;
constexpr int kFirstUserTypeString = 11070;  // "MyTemp"

std::string UserTypeKey(size_t n) { return std::string(kUserTypeKey) + std::to_string(n); }

// The number of a "UsrTemplate<n>" key, or -1 for other keys.
long UserTypeIndex(const std::string& key) {
  if (key.size() <= kUserTypeKey.size() || strncasecmp(key.c_str(), kUserTypeKey.data(), kUserTypeKey.size()) != 0)
    return -1;
  long n = 0;
  for (size_t i = kUserTypeKey.size(); i < key.size(); ++i) {
    if (key[i] < '0' || key[i] > '9' || n > 1000000) return -1;
    n = n * 10 + (key[i] - '0');
  }
  return n;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Sets the document's template flags for one write and puts them back.
bool SaveAsTemplate(const std::string& path, LayoutDocument& d, const LayoutPreviewRenderer& renderer,
                    bool relativeFolders) {
  const std::string folder = FolderOf(path);
  if (!folder.empty()) EnsureFolder(folder);
  const int32_t savingTemplate = d.SavingTemplate;
  const int32_t saveRelativePath = d.SaveRelativePath;
  d.SavingTemplate = 1;
  if (relativeFolders) d.SaveRelativePath = 1;
  const bool saved = SaveLayoutFile(path, d, renderer);
  d.SavingTemplate = savingTemplate;
  d.SaveRelativePath = saveRelativePath;
  return saved;
}

}  // namespace

std::string InstalledTemplateFolder() { return DataFolder() + "/" + std::string(kTemplatesFolderName); }
std::string UserTemplateFolder() { return UserDataFolder() + "/" + std::string(kTemplatesFolderName); }

TemplateArray ScanTemplateFolders() {
  const std::string letters = StringCopy(kTemplateExtensionString).substr(1);
  TemplateArray templates;
  LoadTemplateSummaryFolder(InstalledTemplateFolder(), letters, 0, templates);
  LoadTemplateSummaryFolder(UserTemplateFolder(), letters, 0, templates);
  return templates;
}

std::string TemplateFileName(std::string_view name) {
  const std::string_view extension = StringText(kTemplateExtensionString);
  const bool has = name.size() >= extension.size() &&
                   strncasecmp(name.data() + name.size() - extension.size(), extension.data(), extension.size()) == 0;
  return has ? std::string(name) : std::string(name) + std::string(extension);
}

bool SaveTemplateFile(const std::string& path, LayoutDocument& d, const LayoutPreviewRenderer& renderer) {
  return SaveAsTemplate(path, d, renderer, false);
}

bool SaveTemplateFileAs(const std::string& path, LayoutDocument& d, const LayoutPreviewRenderer& renderer) {
  return SaveAsTemplate(path, d, renderer, true);
}

std::vector<std::string> TemplateGenres() {
  std::vector<std::string> genres;
  for (int i = 0; i < kGenreCount; ++i) genres.push_back(StringCopy(kFirstGenreString + i));
  return genres;
}

const std::vector<std::string>& OutputImageForms() {
  static const std::vector<std::string> forms = {"A Version",   "B Version",      "Banner Images", "Card",
                                                 "Combination", "Non Fixed Form", "Photo"};
  return forms;
}

std::string TemplatePrefIniPath() { return ConfigFolder() + "/" + StringCopy(kTemplatePrefIniString); }

std::vector<std::string> ReadUserTemplateTypes(const std::string& path) {
  IniFile ini;
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    ini.Set(kUserTypesSection, UserTypeKey(0), StringText(kFirstUserTypeString));
    if (const std::string folder = FolderOf(path); !folder.empty()) EnsureFolder(folder);
    ini.Save(path);
  } else {
    ini.Load(path);
  }
  std::vector<std::string> types;
  for (size_t n = 0;; ++n) {
    const std::string value = ini.Get(kUserTypesSection, UserTypeKey(n), kNoMoreTypes);
    if (value == kNoMoreTypes) break;
    types.emplace_back(Utf8Prefix(value, kMaxTypeNameBytes));
  }
  return types;
}

bool WriteUserTemplateTypes(const std::vector<std::string>& types, const std::string& path) {
  IniFile ini;
  ini.Load(path);  // other sections are kept
  for (const std::string& key : ini.Keys(kUserTypesSection))
    if (UserTypeIndex(key) >= long(types.size())) ini.Remove(kUserTypesSection, key);
  for (size_t n = 0; n < types.size(); ++n) ini.Set(kUserTypesSection, UserTypeKey(n), types[n]);
  if (const std::string folder = FolderOf(path); !folder.empty()) EnsureFolder(folder);
  return ini.Save(path);
}

}  // namespace tl
