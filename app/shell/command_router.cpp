#include "app/shell/command_router.h"

#include <utility>

namespace tl {

void CommandHandlerMap::Add(int id, CommandHandler handler) { handlers_[id] = std::move(handler); }

void CommandHandlerMap::Add(int id, std::function<void()> run, std::function<bool()> enabled) {
  Add(id, CommandHandler{std::move(run), std::move(enabled), {}, {}});
}

const CommandHandler* CommandHandlerMap::Find(int id) const {
  const auto it = handlers_.find(id);
  return it == handlers_.end() ? nullptr : &it->second;
}

void CommandRouter::SetActiveDocument(std::function<const CommandHandlerMap*()> activeDocument) {
  activeDocument_ = std::move(activeDocument);
}

const CommandHandler* CommandRouter::Find(int id) const {
  if (activeDocument_)
    if (const CommandHandlerMap* document = activeDocument_())
      if (const CommandHandler* handler = document->Find(id)) return handler;
  if (const CommandHandler* handler = frame_.Find(id)) return handler;
  return application_.Find(id);
}

CommandState CommandRouter::State(int id) const {
  CommandState state;
  const CommandHandler* handler = Find(id);
  if (!handler || !handler->Run) return state;
  state.Handled = true;
  state.Enabled = !handler->Enabled || handler->Enabled();
  state.Checkable = bool(handler->Checked);
  state.Checked = state.Checkable && handler->Checked();
  state.TextId = handler->TextId ? handler->TextId() : 0;
  return state;
}

bool CommandRouter::Execute(int id) const {
  const CommandHandler* handler = Find(id);
  if (!handler || !handler->Run) return false;
  if (handler->Enabled && !handler->Enabled()) return false;
  // The handler may replace the map it lives in (a document closing):
  // run a copy.
  const std::function<void()> run = handler->Run;
  run();
  return true;
}

}  // namespace tl
