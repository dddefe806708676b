// COrganizeTemplateDlg: the three-root type tree, the list of
// the templates classified under the selected item (file names edited in
// place to rename), the view mode combo, the preview and info tabs, and
// Add Type, Delete Type and Delete Template. It changes the TemplateArray
// and the user type list it is given, and the template files on disk.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/dialogs/template_panes.h"
#include "templates/organize_templates.h"
#include "templates/template_texts.h"

class QComboBox;
class QDialogButtonBox;
class QPushButton;
class QTreeWidget;

namespace tl {

class CNewTemplateTypeDlg;
class CDeleteTemplateDlg;

class COrganizeTemplateDlg : public QDialog {
  Q_OBJECT

 public:
  COrganizeTemplateDlg(TemplateArray& templates, std::vector<std::string>& userTypes, QWidget* parent = nullptr);

  // The listed templates (indexes into the array) and the selected one.
  const std::vector<size_t>& Listed() const { return listed_; }
  int Selected() const { return selected_; }
  const TypeSelection& TreeSelection() const { return selection_; }

  QTreeWidget* TypeTree() const { return tree_; }
  QComboBox* ViewModeCombo() const { return viewMode_; }
  TemplateListPane* List() const { return list_; }
  TemplateInfoTabs* Tabs() const { return tabs_; }
  QPushButton* AddTypeButton() const { return addType_; }
  QPushButton* DeleteTypeButton() const { return deleteType_; }
  QPushButton* DeleteTemplateButton() const { return deleteTemplate_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void TreeSelectionChanged();
  void ListTemplates();
  void RowSelected(int row);
  void RowRenamed(int row, const QString& text);
  void AddType();
  void DeleteType();
  void DeleteTemplateFile();
  void UpdateControls();

  TemplateArray& templates_;
  std::vector<std::string>& userTypes_;
  TemplateDialogTexts texts_;
  TypeSelection selection_;
  std::vector<size_t> listed_;
  int selected_ = -1;
  QTreeWidget* tree_;
  QComboBox* viewMode_;
  TemplateListPane* list_;
  TemplateInfoTabs* tabs_;
  QPushButton* addType_;
  QPushButton* deleteType_;
  QPushButton* deleteTemplate_;
  QDialogButtonBox* buttons_;
  bool building_ = false;
};

}  // namespace tl
