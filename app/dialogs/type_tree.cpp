// Building and reading the template dialogs' type trees.
#include "app/dialogs/type_tree.h"

#include <QTreeWidget>

#include "app/dialogs/template_panes.h"

namespace tl {

static_assert(kTypeTreeDataRole == Qt::UserRole);

void SetUpTypeTree(QTreeWidget* tree) {
  tree->setColumnCount(1);
  tree->setHeaderHidden(true);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setMinimumWidth(160);
}

void FillTypeTree(QTreeWidget* tree, const TypeTree& roots) {
  tree->clear();
  for (const TypeTreeRoot& root : roots) {
    auto* rootItem = new QTreeWidgetItem(tree, {Qs(root.Text)});
    rootItem->setData(0, kTypeTreeDataRole, root.Data);
    for (const std::string& type : root.Types) {
      auto* item = new QTreeWidgetItem(rootItem, {Qs(type)});
      item->setData(0, kTypeTreeDataRole, kTreeTypeItem);
    }
    rootItem->setExpanded(true);
  }
  if (tree->topLevelItemCount() > 0) tree->setCurrentItem(tree->topLevelItem(0));
}

TypeSelection TreeItemSelection(const QTreeWidgetItem* item) {
  if (!item) return {};
  if (const QTreeWidgetItem* root = item->parent())
    return {root->data(0, kTypeTreeDataRole).toInt(), true, item->text(0).toStdString()};
  return {item->data(0, kTypeTreeDataRole).toInt(), false, {}};
}

QTreeWidgetItem* TypeTreeRootItem(QTreeWidget* tree, int data) {
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    if (tree->topLevelItem(i)->data(0, kTypeTreeDataRole).toInt() == data) return tree->topLevelItem(i);
  return nullptr;
}

QTreeWidgetItem* AddTypeTreeItem(QTreeWidget* tree, int rootData, const std::string& text) {
  QTreeWidgetItem* root = TypeTreeRootItem(tree, rootData);
  if (!root) return nullptr;
  auto* item = new QTreeWidgetItem(root, {Qs(text)});
  item->setData(0, kTypeTreeDataRole, kTreeTypeItem);
  return item;
}

}  // namespace tl
