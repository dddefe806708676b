// The application-wide user template type list and its load and store.
#include "templates/user_template_types.h"

namespace tl {

std::vector<std::string>& UserTemplateTypes() {
  static std::vector<std::string> types;
  return types;
}

void LoadUserTemplateTypes(const std::string& path) { UserTemplateTypes() = ReadUserTemplateTypes(path); }

bool StoreUserTemplateTypes(const std::string& path) { return WriteUserTemplateTypes(UserTemplateTypes(), path); }

void LoadTemplateLibrary() {
  ApplicationTemplateArray() = ScanTemplateFolders();
  LoadUserTemplateTypes();
}

}  // namespace tl
