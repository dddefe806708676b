// CChooseTemplateDlg: the template chooser that New shows.
// The type tree with its classification combo, the view mode combo, the
// three filter combos, the template list and the preview and info tabs,
// over a TemplateChooser; Open is enabled while a template is selected.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/dialogs/template_panes.h"
#include "templates/template_chooser.h"
#include "templates/template_texts.h"

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tl {

class CChooseTemplateDlg : public QDialog {
  Q_OBJECT

 public:
  CChooseTemplateDlg(TemplateArray& templates, const std::vector<std::string>& userTypes, QWidget* parent = nullptr);

  // The chosen template's path; empty when none is selected.
  std::string SelectedPath() const { return chooser_.SelectedPath(); }
  const TemplateChooser& Chooser() const { return chooser_; }

  QTreeWidget* TypeTree() const { return tree_; }
  QComboBox* ClassificationCombo() const { return classification_; }
  QComboBox* ViewModeCombo() const { return viewMode_; }
  QComboBox* FilterCombo(TemplateFilter filter) const { return filters_[size_t(filter)]; }
  TemplateListPane* List() const { return list_; }
  TemplateInfoTabs* Tabs() const { return tabs_; }
  QPushButton* OpenButton() const { return open_; }

 private:
  void BuildTree();
  void TreeSelectionChanged();
  void FillList();
  void RowSelected(int row);
  void ShowSelection();

  TemplateDialogTexts texts_;
  TemplateChooser chooser_;
  QTreeWidget* tree_;
  QComboBox* classification_;
  QComboBox* viewMode_;
  std::array<QComboBox*, kTemplateFilterCount> filters_{};
  TemplateListPane* list_;
  TemplateInfoTabs* tabs_;
  QPushButton* open_;
  bool building_ = false;
};

}  // namespace tl
