#include "app/shell/command_actions.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <set>
#include <span>

#include "app/shell/tool_bar_icons.h"
#include "resources/command_table.h"
#include "resources/string_table.h"

namespace tl {
namespace {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Marks an action that keeps the text its menu gave it.
constexpr const char* kOwnTextProperty = "tlOwnText";

bool IsRecentFile(int id) { return id >= kCmdRecentFirst && id <= kCmdRecentLast; }

}  // namespace

CommandActions::CommandActions(CommandRouter& router, QWidget* window) : QObject(window), router_(router), window_(window) {}

QAction* CommandActions::Action(int id) {
  if (auto it = actions_.find(id); it != actions_.end()) return it->second;
  QAction* action = new QAction(MenuText(id), window_);
  action->setData(id);
  action->setMenuRole(QAction::NoRole);
  const std::string_view tip = CommandToolTip(id);
  if (!tip.empty()) action->setToolTip(ToQString(tip));
  const std::string_view prompt = CommandPrompt(id);
  if (!prompt.empty()) action->setStatusTip(ToQString(prompt));
  connect(action, &QAction::triggered, this, [this, id] { Trigger(id); });
  actions_[id] = action;
  UpdateAction(id, action);
  return action;
}

QString CommandActions::MenuText(int id) const {
  if (IsRecentFile(id)) {
    const size_t index = size_t(id - kCmdRecentFirst);
    if (index >= recentFiles_.size()) return QStringLiteral("Recent File");
    return QStringLiteral("&%1 %2").arg(index + 1).arg(QString::fromStdString(recentFiles_[index]));
  }
  return ToQString(CommandText(id));
}

void CommandActions::Build(QMenu* menu, int menuId) {
  const std::span<const MenuItem> items = MenuResource(menuId);
  std::vector<QMenu*> stack = {menu};
  for (const MenuItem& item : items) {
    QMenu* current = stack.back();
    switch (item.Kind) {
      case MenuItemKind::Command: {
        QAction* action = Action(item.Id);
        if (item.Text.empty()) {
          current->addAction(action);
        } else {
          // The same command under another text in this menu.
          QAction* alias = current->addAction(ToQString(item.Text));
          alias->setData(item.Id);
          alias->setProperty(kOwnTextProperty, true);
          connect(alias, &QAction::triggered, this, [this, id = item.Id] { Trigger(id); });
        }
        break;
      }
      case MenuItemKind::Separator: current->addSeparator(); break;
      case MenuItemKind::Popup: {
        QMenu* popup = current->addMenu(ToQString(item.Text));
        connect(popup, &QMenu::aboutToShow, this, [this, popup] {
          for (QAction* a : popup->actions())
            if (a->data().isValid()) UpdateAction(a->data().toInt(), a);
        });
        stack.push_back(popup);
        break;
      }
      case MenuItemKind::End:
        if (stack.size() > 1) stack.pop_back();
        break;
      case MenuItemKind::RecentFiles:
        for (int i = 0; i < kRecentFileCount; ++i) current->addAction(Action(kCmdRecentFirst + i));
        break;
    }
  }
}

void CommandActions::BuildMenuBar(QMenuBar* bar) {
  QMenu holder;
  Build(&holder, kMenuMain);
  // The top-level popups of the resource become the bar's menus.
  for (QAction* a : holder.actions()) {
    if (QMenu* menu = a->menu()) {
      menu->setParent(bar, menu->windowFlags());
      bar->addMenu(menu);
    }
  }
}

QMenu* CommandActions::BuildContextMenu(int menuId, QWidget* parent) {
  QMenu* menu = new QMenu(parent);
  Build(menu, menuId);
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    for (QAction* a : menu->actions())
      if (a->data().isValid()) UpdateAction(a->data().toInt(), a);
  });
  return menu;
}

void CommandActions::BuildToolBar(QToolBar* bar) {
  for (int id : ToolBarButtons()) {
    if (id == 0) {
      bar->addSeparator();
      continue;
    }
    QAction* action = Action(id);
    if (action->icon().isNull()) action->setIcon(ToolBarIcon(id));
    bar->addAction(action);
  }
}

void CommandActions::InstallAccelerators(QWidget* window) {
  std::set<QKeySequence> bound;
  for (const AcceleratorEntry& entry : Accelerators()) {
    const QKeySequence keys(ToQString(entry.Keys), QKeySequence::PortableText);
    if (keys.isEmpty() || !bound.insert(keys).second) continue;
    QAction* accelerator = new QAction(window);
    accelerator->setShortcut(keys);
    accelerator->setShortcutContext(Qt::ApplicationShortcut);
    accelerator->setData(entry.Id);
    connect(accelerator, &QAction::triggered, this, [this, id = entry.Id] { Trigger(id); });
    window->addAction(accelerator);
    accelerators_.push_back(accelerator);
  }
}

void CommandActions::SetRecentFiles(const std::vector<std::string>& paths) {
  recentFiles_ = paths;
  for (int i = 0; i < kRecentFileCount; ++i) {
    QAction* action = Action(kCmdRecentFirst + i);
    action->setText(MenuText(kCmdRecentFirst + i));
    // The list shows only the entries it has; the first stays as the
    // menu's disabled placeholder while the list is empty.
    action->setVisible(size_t(i) < paths.size() || i == 0);
    if (i == 0 && !paths.empty())
      action->setToolTip(QFileInfo(QString::fromStdString(paths[0])).fileName());
  }
  UpdateAction(kCmdRecentFirst, Action(kCmdRecentFirst));
}

void CommandActions::UpdateAction(int id, QAction* action) {
  const CommandState state = router_.State(id);
  action->setEnabled(state.Enabled);
  action->setCheckable(state.Checkable);
  if (state.Checkable) action->setChecked(state.Checked);
  if (!IsRecentFile(id) && !action->property(kOwnTextProperty).toBool())
    action->setText(state.TextId ? ToQString(StringText(state.TextId)) : MenuText(id));
}

void CommandActions::Update() {
  for (auto& [id, action] : actions_) UpdateAction(id, action);
}

bool CommandActions::Trigger(int id) {
  const bool ran = router_.Execute(id);
  if (ran) emit Executed(id);
  return ran;
}

}  // namespace tl
