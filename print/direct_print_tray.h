// The direct print window without its widgets: which of the eight printer
// buttons a drop lands on, which drops are taken, the checks every dropped
// file passes (not open for editing, not already waiting) and the list of
// files waiting to be printed.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "document/geometry.h"
#include "persistence/preferences.h"

namespace tl {

// With this many files waiting, a drop is ignored.
inline constexpr size_t kDirectPrintWaitingLimit = 5;

struct DirectPrintEntry {
  std::string Path;
  std::string Printer;
};

struct DirectPrintTray {
  std::array<std::string, kDirectPrintPrinterCount> Printers;  // per button; empty: none
  std::vector<DirectPrintEntry> Waiting;  // waiting or being printed, in drop order
  bool Dropping = false;                  // a drop is being checked
};

// The button whose rectangle holds `point` (the first in order); -1 for a
// point outside every button.
int DirectPrintButtonAt(const std::array<LRect, kDirectPrintPrinterCount>& buttons, LPoint point);

// Whether a drop on `button` is taken: a button with a printer, while no
// other drop is being checked and fewer than five files wait.
bool DirectPrintTakesDrop(const DirectPrintTray& tray, int button);

// Whether `path` is already waiting or being printed.
bool DirectPrintWaiting(const DirectPrintTray& tray, const std::string& path);

// Checks the files of a drop on `button` in order and queues the others
// for its printer: a file open for editing (`openForEditing`) or already
// waiting is skipped with its warning. The number of files queued.
size_t DropOnDirectPrintButton(DirectPrintTray& tray, int button, const std::vector<std::string>& files,
                               const std::function<bool(const std::string&)>& openForEditing);

// The warnings, titled "Warning": the file name in double quotes, then
// " is under edit." or " is under use for other uses.".
std::string UnderEditWarning(const std::string& path);
std::string UnderUseWarning(const std::string& path);
std::string DirectPrintWarningTitle();

}  // namespace tl
