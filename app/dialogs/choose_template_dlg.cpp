// The Choose Template dialog's widgets and their wiring to TemplateChooser.
#include "app/dialogs/choose_template_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialogs/type_tree.h"

namespace tl {

CChooseTemplateDlg::CChooseTemplateDlg(TemplateArray& templates, const std::vector<std::string>& userTypes,
                                       QWidget* parent)
    : QDialog(parent),
      texts_(LoadTemplateDialogTexts()),
      chooser_(templates, userTypes),
      tree_(new QTreeWidget),
      classification_(new QComboBox),
      viewMode_(new QComboBox),
      list_(new TemplateListPane(texts_, false)),
      tabs_(new TemplateInfoTabs(texts_)),
      open_(nullptr) {
  setWindowTitle(Qs(texts_.ChooseTitle));
  setObjectName("chooseTemplateDialog");

  // Step 1: the classification and view mode combos, each item with its
  // mode as item data.
  classification_->setObjectName("classificationCombo");
  for (TemplateClassification mode : {TemplateClassification::Genre, TemplateClassification::OutputImageForm})
    classification_->addItem(Qs(ClassificationText(mode)), int(mode));
  viewMode_->setObjectName("viewModeCombo");
  for (int mode = 0; mode < kTemplateViewModeCount; ++mode)
    viewMode_->addItem(Qs(ViewModeText(TemplateViewMode(mode))), mode);

  // Step 2: the filter combos.
  const char* filterNames[kTemplateFilterCount] = {"printerCombo", "paperSizeCombo", "paperTypeCombo"};
  for (int f = 0; f < kTemplateFilterCount; ++f) {
    QComboBox* combo = new QComboBox;
    combo->setObjectName(filterNames[f]);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumContentsLength(10);
    for (const std::string& item : chooser_.FilterItems(TemplateFilter(f))) combo->addItem(Qs(item));
    filters_[size_t(f)] = combo;
  }

  tree_->setObjectName("typeTree");
  SetUpTypeTree(tree_);
  list_->setObjectName("templateList");
  list_->setMinimumWidth(300);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
  open_ = buttons->addButton(Qs(texts_.Open), QDialogButtonBox::AcceptRole);
  open_->setObjectName("openButton");
  open_->setDefault(true);

  // Layout: the classification and view mode combos on top; the tree, the
  // list and the tabs side by side in a splitter; the filters below.
  auto* topRow = new QHBoxLayout;
  AddLabelledControl(topRow, Qs(texts_.Classification), classification_);
  topRow->addSpacing(24);
  AddLabelledControl(topRow, Qs(texts_.View), viewMode_);
  topRow->addStretch(1);

  QSplitter* panes = TemplateBrowserPanes(tree_, list_, tabs_, 420);

  auto* filterRow = new QHBoxLayout;
  const std::string* filterLabels[kTemplateFilterCount] = {&texts_.Printer, &texts_.PaperSize, &texts_.PaperType};
  for (int f = 0; f < kTemplateFilterCount; ++f) {
    auto* label = new QLabel(Qs(*filterLabels[f]));
    label->setBuddy(filters_[size_t(f)]);
    if (f > 0) filterRow->addSpacing(12);
    filterRow->addWidget(label);
    filterRow->addWidget(filters_[size_t(f)], 1);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(topRow);
  layout->addWidget(panes, 1);
  layout->addLayout(filterRow);
  layout->addWidget(buttons);

  // Steps 3 and 4: the tree, Open disabled, the list.
  BuildTree();
  FillList();

  connect(classification_, &QComboBox::currentIndexChanged, this, [this](int index) {
    chooser_.SetClassification(TemplateClassification(classification_->itemData(index).toInt()));
    BuildTree();
    FillList();
  });
  connect(viewMode_, &QComboBox::currentIndexChanged, this, [this](int index) {
    chooser_.SetViewMode(TemplateViewMode(viewMode_->itemData(index).toInt()));
    FillList();
  });
  for (int f = 0; f < kTemplateFilterCount; ++f)
    connect(filters_[size_t(f)], &QComboBox::currentIndexChanged, this, [this, f](int index) {
      chooser_.SetFilter(TemplateFilter(f), index);
      FillList();
    });
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { TreeSelectionChanged(); });
  connect(list_, &TemplateListPane::rowSelected, this, &CChooseTemplateDlg::RowSelected);
  connect(list_, &TemplateListPane::rowActivated, this, [this](int row) {
    if (chooser_.SelectRow(size_t(row))) accept();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (chooser_.OpenEnabled()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  resize(940, 560);
}

void CChooseTemplateDlg::BuildTree() {
  building_ = true;
  FillTypeTree(tree_, chooser_.Tree());
  building_ = false;
}

void CChooseTemplateDlg::TreeSelectionChanged() {
  if (building_) return;
  chooser_.SelectTreeItem(TreeItemSelection(tree_->currentItem()));
  FillList();
}

void CChooseTemplateDlg::FillList() {
  list_->SetViewMode(chooser_.ViewMode());
  list_->Fill(chooser_.Templates(), chooser_.Visible());
  list_->SelectRow(chooser_.SelectedRow());
  ShowSelection();
}

void CChooseTemplateDlg::RowSelected(int row) {
  // The row is the template's place in the visible list; its text is its
  // file name (SelectFileName would find the first of two of one name).
  if (row < 0) chooser_.ClearSelection();
  else chooser_.SelectRow(size_t(row));
  ShowSelection();
}

void CChooseTemplateDlg::ShowSelection() {
  open_->setEnabled(chooser_.OpenEnabled());
  tabs_->ShowTemplate(chooser_.OpenEnabled() ? &chooser_.SelectedSummary() : nullptr);
}

}  // namespace tl
