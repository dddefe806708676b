// The Organize Template dialog's widgets and their wiring to the
// operations of templates/organize_templates.
#include "app/dialogs/organize_template_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/delete_template_dlg.h"
#include "app/dialogs/new_template_type_dlg.h"
#include "app/dialogs/type_tree.h"
#include "document/message_box.h"

namespace tl {

COrganizeTemplateDlg::COrganizeTemplateDlg(TemplateArray& templates, std::vector<std::string>& userTypes,
                                           QWidget* parent)
    : QDialog(parent),
      templates_(templates),
      userTypes_(userTypes),
      texts_(LoadTemplateDialogTexts()),
      tree_(new QTreeWidget),
      viewMode_(new QComboBox),
      list_(new TemplateListPane(texts_, true)),
      tabs_(new TemplateInfoTabs(texts_)),
      addType_(new QPushButton(Qs(texts_.AddType))),
      deleteType_(new QPushButton(Qs(texts_.DeleteType))),
      deleteTemplate_(new QPushButton(Qs(texts_.DeleteTemplate))),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Close)) {
  setWindowTitle(Qs(texts_.OrganizeTitle));
  setObjectName("organizeTemplateDialog");

  tree_->setObjectName("typeTree");
  SetUpTypeTree(tree_);
  viewMode_->setObjectName("viewModeCombo");
  for (int mode = 0; mode < kTemplateViewModeCount; ++mode)
    viewMode_->addItem(Qs(ViewModeText(TemplateViewMode(mode))), mode);
  list_->setObjectName("templateList");
  list_->setMinimumWidth(300);
  addType_->setObjectName("addTypeButton");
  deleteType_->setObjectName("deleteTypeButton");
  deleteTemplate_->setObjectName("deleteTemplateButton");
  for (QPushButton* button : {addType_, deleteType_, deleteTemplate_}) button->setAutoDefault(false);

  auto* viewRow = new QHBoxLayout;
  AddLabelledControl(viewRow, Qs(texts_.View), viewMode_);
  viewRow->addStretch(1);

  QSplitter* panes = TemplateBrowserPanes(tree_, list_, tabs_, 400);

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(addType_);
  buttonRow->addWidget(deleteType_);
  buttonRow->addSpacing(12);
  buttonRow->addWidget(deleteTemplate_);
  buttonRow->addStretch(1);
  buttonRow->addWidget(buttons_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(viewRow);
  layout->addWidget(panes, 1);
  layout->addLayout(buttonRow);

  building_ = true;
  FillTypeTree(tree_, OrganizeTemplateTree(userTypes_));
  building_ = false;
  selection_ = TreeItemSelection(tree_->currentItem());
  ListTemplates();

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { TreeSelectionChanged(); });
  connect(viewMode_, &QComboBox::currentIndexChanged, this, [this] { ListTemplates(); });
  connect(list_, &TemplateListPane::rowSelected, this, &COrganizeTemplateDlg::RowSelected);
  // The rename is handled once the edit has closed.
  connect(list_, &TemplateListPane::rowRenamed, this, &COrganizeTemplateDlg::RowRenamed, Qt::QueuedConnection);
  connect(addType_, &QPushButton::clicked, this, &COrganizeTemplateDlg::AddType);
  connect(deleteType_, &QPushButton::clicked, this, &COrganizeTemplateDlg::DeleteType);
  connect(deleteTemplate_, &QPushButton::clicked, this, &COrganizeTemplateDlg::DeleteTemplateFile);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  resize(900, 520);
}

void COrganizeTemplateDlg::TreeSelectionChanged() {
  if (building_) return;
  selection_ = TreeItemSelection(tree_->currentItem());
  ListTemplates();
}

void COrganizeTemplateDlg::ListTemplates() {
  listed_ = OrganizeListed(templates_, selection_);
  const auto it = std::find(listed_.begin(), listed_.end(), size_t(selected_));
  const int row = selected_ >= 0 && it != listed_.end() ? int(it - listed_.begin()) : -1;
  if (row < 0) selected_ = -1;
  list_->SetViewMode(TemplateViewMode(viewMode_->currentData().toInt()));
  list_->Fill(templates_, listed_);
  list_->SelectRow(row);
  UpdateControls();
}

void COrganizeTemplateDlg::RowSelected(int row) {
  selected_ = row >= 0 && size_t(row) < listed_.size() ? int(listed_[size_t(row)]) : -1;
  UpdateControls();
}

void COrganizeTemplateDlg::RowRenamed(int row, const QString& text) {
  if (row < 0 || size_t(row) >= listed_.size()) return;
  const size_t index = listed_[size_t(row)];
  if (RenameTemplate(templates_, index, text.toStdString()) == RenameOutcome::Refused) ErrorBeep();
  selected_ = int(index);
  ListTemplates();  // the new name, or the old label back
}

void COrganizeTemplateDlg::AddType() {
  CNewTemplateTypeDlg ask(this);
  if (ask.exec() != QDialog::Accepted) return;
  const std::string name = ask.Name();
  if (!AddTemplateType(userTypes_, name)) return;
  AddTypeTreeItem(tree_, kTreeThirdRoot, name);
  ListTemplates();
}

void COrganizeTemplateDlg::DeleteType() {
  if (selection_.Root != kTreeThirdRoot || !selection_.IsType) return;
  const std::string name = selection_.Type;
  CDeleteTemplateDlg ask(CDeleteTemplateDlg::Kind::TemplateType, name, this);
  if (ask.exec() != QDialog::Accepted) return;
  DeleteTemplateType(userTypes_, name);
  QTreeWidgetItem* root = TypeTreeRootItem(tree_, kTreeThirdRoot);
  building_ = true;
  tree_->setCurrentItem(root);
  for (int i = root->childCount() - 1; i >= 0; --i)
    if (root->child(i)->text(0) == Qs(name)) delete root->takeChild(i);
  building_ = false;
  selection_ = TreeItemSelection(root);
  ListTemplates();
}

void COrganizeTemplateDlg::DeleteTemplateFile() {
  if (selected_ < 0 || size_t(selected_) >= templates_.size()) return;
  CDeleteTemplateDlg ask(CDeleteTemplateDlg::Kind::Template, TemplateListName(templates_[size_t(selected_)]), this);
  if (ask.exec() != QDialog::Accepted) return;
  DeleteTemplate(templates_, size_t(selected_));
  selected_ = -1;
  ListTemplates();
}

void COrganizeTemplateDlg::UpdateControls() {
  const bool hasTemplate = selected_ >= 0 && size_t(selected_) < templates_.size();
  tabs_->ShowTemplate(hasTemplate ? &templates_[size_t(selected_)] : nullptr);
  deleteTemplate_->setEnabled(hasTemplate);
  deleteType_->setEnabled(selection_.Root == kTreeThirdRoot && selection_.IsType);
}

}  // namespace tl
