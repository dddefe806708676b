// The type trees of the template dialogs as QTreeWidgets: roots and type
// items with their item data (0x65, 0x66, 0x67 for roots, 0 for types).
#pragma once

#include "templates/template_classes.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tl {

// The item data of a tree item.
inline constexpr int kTypeTreeDataRole = 0x0100;  // Qt::UserRole

void SetUpTypeTree(QTreeWidget* tree);
// Rebuilds the tree: the roots expanded, the first root current.
void FillTypeTree(QTreeWidget* tree, const TypeTree& roots);
// The selection an item stands for (the first root for none).
TypeSelection TreeItemSelection(const QTreeWidgetItem* item);
// The root with item data `data`, or null.
QTreeWidgetItem* TypeTreeRootItem(QTreeWidget* tree, int data);
// Appends a type item under the root with item data `data`.
QTreeWidgetItem* AddTypeTreeItem(QTreeWidget* tree, int rootData, const std::string& text);

}  // namespace tl
