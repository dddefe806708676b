// Organize Template's operations on the template list, the files and the
// user template types.
#include "templates/organize_templates.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <system_error>

namespace tl {
namespace {

namespace fs = std::filesystem;

}  // namespace

bool ListedUnder(const TemplateSummary& s, const TypeSelection& selection) {
  switch (selection.Root) {
    case kTreeFirstRoot:
      return selection.IsType ? s.Genre == selection.Type : HasStandardGenre(s);
    case kTreeSecondRoot:
      return selection.IsType ? OutputImageFormName(s) == selection.Type : HasStandardOutputImageForm(s);
    case kTreeThirdRoot:
      return selection.IsType ? s.Genre == selection.Type : !HasStandardGenre(s);
    default:
      return false;
  }
}

std::vector<size_t> OrganizeListed(const TemplateArray& templates, const TypeSelection& selection) {
  std::vector<size_t> listed;
  for (size_t i = 0; i < templates.size(); ++i)
    if (ListedUnder(templates[i], selection)) listed.push_back(i);
  return listed;
}

bool AddTemplateType(std::vector<std::string>& types, std::string_view name) {
  if (name.empty()) return false;
  types.emplace_back(name);
  return true;
}

size_t DeleteTemplateType(std::vector<std::string>& types, std::string_view name) {
  const size_t before = types.size();
  types.erase(std::remove(types.begin(), types.end(), name), types.end());
  return before - types.size();
}

bool DeleteTemplate(TemplateArray& templates, size_t index) {
  if (index >= templates.size()) return false;
  std::error_code ec;
  const bool deleted = fs::remove(templates[index].Path, ec) && !ec;
  templates.erase(templates.begin() + std::ptrdiff_t(index));
  return deleted;
}

RenameOutcome RenameTemplate(TemplateArray& templates, size_t index, std::string_view fileName) {
  if (index >= templates.size() || fileName.empty() || fileName.find('/') != std::string_view::npos ||
      fileName == "." || fileName == "..")
    return RenameOutcome::Refused;
  for (const TemplateSummary& s : templates)
    if (FileNameOfPath(s.Path) == fileName) return RenameOutcome::Refused;

  TemplateSummary& entry = templates[index];
  const fs::path from(entry.Path);
  const fs::path to = from.parent_path() / fs::path(std::string(fileName));
  std::error_code ec;
  bool moved = false;
  // The system's move never replaces a file here.
  if (!fs::exists(to, ec) && !ec) {
    fs::rename(from, to, ec);
    moved = !ec;
  }
  entry.Path = to.string();
  return moved ? RenameOutcome::Renamed : RenameOutcome::EntryOnly;
}

}  // namespace tl
