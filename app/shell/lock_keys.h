// The keyboard's Caps Lock and Num Lock lights, for the status bar's "CAP"
// and "NUM" panes. Read from the X server; off where there is none.
#pragma once

namespace tl {

struct LockKeys {
  bool Caps = false;
  bool Num = false;
};

LockKeys ReadLockKeys();

}  // namespace tl
