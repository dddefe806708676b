// Save Template and Save Template As: fields, checks and writes.
#include "templates/save_template.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "document/layout_document.h"
#include "document/message_box.h"
#include "persistence/template_library.h"
#include "resources/app_folders.h"

namespace tl {
namespace {

constexpr int kReplaceQuestion = 32903;

}  // namespace

int TemplateTypeIndex(const std::vector<std::string>& types, std::string_view genre) {
  if (types.empty()) return -1;
  const auto it = std::find(types.begin(), types.end(), genre);
  return it == types.end() ? 0 : int(it - types.begin());
}

SaveTemplateAsFields OpenSaveTemplateAs(const LayoutDocument& d, const std::vector<std::string>& userTypes) {
  SaveTemplateAsFields f;
  f.Name = d.TemplateName;
  f.Types = userTypes;
  f.Type = TemplateTypeIndex(f.Types, d.NameGenre);
  f.Comment = d.Comment;
  f.WithArrangedImages = d.SaveWithArrangedImages != 0;
  return f;
}

std::string UserTemplatePath(std::string_view fileName) { return UserTemplateFolder() + "/" + std::string(fileName); }

SaveTemplateAsAnswer ConfirmSaveTemplateAs(const SaveTemplateAsFields& fields, SaveTemplateAsTarget& target) {
  if (fields.Name.empty() || fields.Name.find('/') != std::string::npos) {
    ErrorBeep();
    return SaveTemplateAsAnswer::KeepOpen;
  }
  SaveTemplateAsTarget t;
  t.FileName = TemplateFileName(fields.Name);
  EnsureFolder(UserTemplateFolder());
  t.Path = UserTemplatePath(t.FileName);
  std::error_code ec;
  if (std::filesystem::exists(t.Path, ec) &&
      ShowMessage(kReplaceQuestion, MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No) !=
          MessageAnswer::Yes)
    return SaveTemplateAsAnswer::KeepOpen;
  target = std::move(t);
  return SaveTemplateAsAnswer::Accept;
}

void StoreSaveTemplateAs(const SaveTemplateAsFields& fields, const SaveTemplateAsTarget& target,
                         LayoutDocument& d) {
  d.TemplateName = target.FileName;
  d.NameGenre = fields.Type >= 0 && size_t(fields.Type) < fields.Types.size() ? fields.Types[size_t(fields.Type)]
                                                                              : std::string();
  d.Comment = fields.Comment;
  d.SaveWithArrangedImages = fields.WithArrangedImages ? 1 : 0;
}

bool WriteTemplateAs(const SaveTemplateAsTarget& target, LayoutDocument& d, const LayoutPreviewRenderer& renderer) {
  return SaveTemplateFileAs(target.Path, d, renderer);
}

std::string SaveTemplatePath(const LayoutDocument& d) {
  return d.TemplateName.empty() ? std::string() : UserTemplatePath(d.TemplateName);
}

bool WriteTemplate(LayoutDocument& d, const LayoutPreviewRenderer& renderer) {
  const std::string path = SaveTemplatePath(d);
  return !path.empty() && SaveTemplateFile(path, d, renderer);
}

}  // namespace tl
