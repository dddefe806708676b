// The main window's placement as the window settings keep it: "WindowPos"
// (ten numbers: flags, show command, minimized and maximized positions, the
// normal rectangle) and the "Window" rectangle and show command.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tl {

// Show commands.
enum ShowCommand : int32_t { kShowHidden = 0, kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3 };

struct WindowPlacement {
  uint32_t Flags = 0;
  uint32_t Show = kShowNormal;
  int32_t MinX = -1, MinY = -1;
  int32_t MaxX = -1, MaxY = -1;
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // the normal rectangle
};

// Exactly ten comma-separated integers; false (placement untouched) for
// anything else.
bool ParseWindowPos(std::string_view text, WindowPlacement& placement);
std::string WindowPosText(const WindowPlacement& placement);

}  // namespace tl
