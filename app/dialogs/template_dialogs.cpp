// The template library's entry points: each shows its dialog modally over
// the application's template array and user types.
#include "app/dialogs/template_dialogs.h"

#include "app/dialogs/choose_template_dlg.h"
#include "app/dialogs/organize_template_dlg.h"
#include "app/dialogs/save_template_as_dlg.h"
#include "document/layout_document.h"
#include "render/page_thumbnail.h"
#include "templates/save_template.h"
#include "templates/user_template_types.h"

namespace tl {

bool ChooseTemplate(QWidget* parent, std::string& path) {
  CChooseTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes(), parent);
  if (dialog.exec() != QDialog::Accepted || dialog.SelectedPath().empty()) return false;
  path = dialog.SelectedPath();
  return true;
}

bool SaveTemplate(QWidget* parent, LayoutDocument& document) {
  if (SaveTemplatePath(document).empty()) return SaveTemplateAs(parent, document);
  return WriteTemplate(document, PageThumbnailRenderer());
}

bool SaveTemplateAs(QWidget* parent, LayoutDocument& document) {
  CSaveTemplateAsDlg dialog(OpenSaveTemplateAs(document, UserTemplateTypes()), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  StoreSaveTemplateAs(dialog.Fields(), dialog.Target(), document);
  return WriteTemplateAs(dialog.Target(), document, PageThumbnailRenderer());
}

void OrganizeTemplates(QWidget* parent) {
  COrganizeTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes(), parent);
  dialog.exec();
}

}  // namespace tl
