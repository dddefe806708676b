#include "print/direct_print_tray.h"

#include "document/message_box.h"
#include "persistence/layout_paths.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kWarningTitle = 40808;
constexpr int kUnderEdit = 40809;    // "\"%s\" is under edit."
constexpr int kUnderUse = 40810;     // "\"%s\" is under use for other uses."

bool Holds(const LRect& r, LPoint p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

void Warn(const std::string& text) {
  ShowTitledMessageText(DirectPrintWarningTitle(), text, MessageIcon::Exclamation);
}

// The drop flag for the length of the checks: a drop that arrives while a
// warning is up is ignored.
class DroppingScope {
 public:
  explicit DroppingScope(DirectPrintTray& tray) : tray_(tray) { tray_.Dropping = true; }
  ~DroppingScope() { tray_.Dropping = false; }
  DroppingScope(const DroppingScope&) = delete;
  DroppingScope& operator=(const DroppingScope&) = delete;

 private:
  DirectPrintTray& tray_;
};

}  // namespace

int DirectPrintButtonAt(const std::array<LRect, kDirectPrintPrinterCount>& buttons, LPoint point) {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (Holds(buttons[i], point)) return int(i);
  return -1;
}

bool DirectPrintTakesDrop(const DirectPrintTray& tray, int button) {
  if (button < 0 || size_t(button) >= tray.Printers.size() || tray.Printers[size_t(button)].empty()) return false;
  return !tray.Dropping && tray.Waiting.size() < kDirectPrintWaitingLimit;
}

bool DirectPrintWaiting(const DirectPrintTray& tray, const std::string& path) {
  for (const DirectPrintEntry& entry : tray.Waiting)
    if (entry.Path == path || SameFilePath(entry.Path, path)) return true;
  return false;
}

size_t DropOnDirectPrintButton(DirectPrintTray& tray, int button, const std::vector<std::string>& files,
                               const std::function<bool(const std::string&)>& openForEditing) {
  if (!DirectPrintTakesDrop(tray, button)) return 0;
  DroppingScope dropping(tray);
  const std::string printer = tray.Printers[size_t(button)];
  size_t queued = 0;
  for (const std::string& path : files) {
    if (openForEditing && openForEditing(path)) {
      Warn(UnderEditWarning(path));
    } else if (DirectPrintWaiting(tray, path)) {
      Warn(UnderUseWarning(path));
    } else {
      tray.Waiting.push_back({path, printer});
      ++queued;
    }
  }
  return queued;
}

std::string UnderEditWarning(const std::string& path) { return StringWith(kUnderEdit, {path}); }
std::string UnderUseWarning(const std::string& path) { return StringWith(kUnderUse, {path}); }
std::string DirectPrintWarningTitle() { return StringCopy(kWarningTitle); }

}  // namespace tl
