// The command table made into Qt: one QAction per command id, the menu bar,
// the context menus, the accelerators and the tool bar, all built from the
// tables of resources/command_table.h, and their enabled state, check marks
// and changing texts brought up to date from the command router before a
// menu shows and after each command (the update-command-UI step).
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "app/shell/command_router.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace tl {

class CommandActions : public QObject {
  Q_OBJECT

 public:
  CommandActions(CommandRouter& router, QWidget* window);

  // The action of a command, made on first use; its triggering executes
  // the command through the router.
  QAction* Action(int id);

  void BuildMenuBar(QMenuBar* bar);
  // A context menu (201-207), owned by `parent`.
  QMenu* BuildContextMenu(int menuId, QWidget* parent);
  void BuildToolBar(QToolBar* bar);
  // The accelerator table as shortcuts of `window`, active in every window
  // of the application that no modal dialog blocks.
  void InstallAccelerators(QWidget* window);

  // The recent file entries (at most five, most recent first).
  void SetRecentFiles(const std::vector<std::string>& paths);

  // Every action's state from the router.
  void Update();
  // Runs a command as its menu item would: refused while it is disabled.
  bool Trigger(int id);

 signals:
  // A command ran; the frame brings the actions up to date.
  void Executed(int id);

 private:
  void Build(QMenu* menu, int menuId);
  void UpdateAction(int id, QAction* action);
  QString MenuText(int id) const;

  CommandRouter& router_;
  QWidget* window_;
  std::map<int, QAction*> actions_;
  std::vector<std::string> recentFiles_;
  std::vector<QAction*> accelerators_;
};

}  // namespace tl
