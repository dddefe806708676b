// The program's commands as data: each command's menu text, the menu bar
// and the context menus, the accelerator table and the tool bar. The
// application builds its actions, menus, shortcuts and tool bar from these
// tables alone, so a command's text or place is changed here and nowhere
// else.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "resources/command_ids.h"

namespace tl {

struct CommandEntry {
  int Id;
  // The text as the menu bar shows it: "&" marks the mnemonic, the shortcut
  // text follows a tab. Shortcut texts are display texts only; the keys are
  // those of Accelerators().
  std::string_view Text;
};

enum class MenuItemKind : uint8_t {
  Command,      // Id, with Text when this menu shows it differently
  Separator,
  Popup,        // Text; the items up to the matching End
  End,
  RecentFiles,  // the recent file list (kCmdRecentFirst...)
};

struct MenuItem {
  MenuItemKind Kind;
  int Id = 0;
  std::string_view Text = {};
};

struct AcceleratorEntry {
  std::string_view Keys;  // QKeySequence portable text
  int Id;
};

// Every command with a menu text.
std::span<const CommandEntry> Commands();
// The menu text of a command; empty when it has none.
std::string_view CommandText(int id);

// Menu resource `menuId` (kMenuMain, or a context menu 201-207) as a flat
// list of items; empty for an unknown id. A context menu's items are its
// one popup's contents.
std::span<const MenuItem> MenuResource(int menuId);

// The accelerator table: when two entries name the same keys the first
// one counts.
std::span<const AcceleratorEntry> Accelerators();

// The tool bar buttons in order; 0 stands for a separator.
std::span<const int> ToolBarButtons();

// The status bar prompt and the tool tip of a tool bar command; empty for
// other commands.
std::string_view CommandPrompt(int id);
std::string_view CommandToolTip(int id);

}  // namespace tl
