// Command routing: the one place where a command id gets its handler, its
// enabled rule and its state (check mark, a text that changes with the
// state). Handlers are registered by the application, the main frame and
// each document; a command goes to the active document first, then the
// main frame, then the application, as the framework routes it. A command
// nobody handles is disabled.
#pragma once

#include <functional>
#include <unordered_map>

namespace tl {

struct CommandHandler {
  std::function<void()> Run;
  std::function<bool()> Enabled;  // null: always enabled
  std::function<bool()> Checked;  // null: no check mark
  std::function<int()> TextId;    // null: the table's text; else a string id
};

class CommandHandlerMap {
 public:
  // Later registrations of the same id replace earlier ones.
  void Add(int id, CommandHandler handler);
  void Add(int id, std::function<void()> run, std::function<bool()> enabled = {});
  const CommandHandler* Find(int id) const;

 private:
  std::unordered_map<int, CommandHandler> handlers_;
};

// The state of a command as its menu item and tool bar button show it.
struct CommandState {
  bool Handled = false;
  bool Enabled = false;
  bool Checkable = false;
  bool Checked = false;
  int TextId = 0;  // 0: the table's text
};

class CommandRouter {
 public:
  // `activeDocument` gives the active document's handlers (null: none).
  void SetActiveDocument(std::function<const CommandHandlerMap*()> activeDocument);
  CommandHandlerMap& FrameHandlers() { return frame_; }
  CommandHandlerMap& ApplicationHandlers() { return application_; }

  const CommandHandler* Find(int id) const;
  CommandState State(int id) const;
  // Runs the command when it is handled and enabled; false otherwise.
  bool Execute(int id) const;

 private:
  std::function<const CommandHandlerMap*()> activeDocument_;
  CommandHandlerMap frame_;
  CommandHandlerMap application_;
};

}  // namespace tl
