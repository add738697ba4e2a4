#include "win32/focus_keeper.h"

namespace quorvel::win32 {

void FocusKeeper::give(HWND control) {
  holder_ = control;
  if (active() && GetFocus() != control) SetFocus(control);
}

void FocusKeeper::drop() {
  holder_ = nullptr;
  if (active()) SetFocus(window_);
}

bool FocusKeeper::activated(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE || HIWORD(state) != 0) return false;  // leaving, or minimised
  if (holder_ == nullptr || !IsWindow(holder_) || !IsWindowEnabled(holder_) ||
      !IsWindowVisible(holder_)) {
    return false;
  }
  switching_ = true;
  SetFocus(holder_);
  switching_ = false;
  return true;
}

}  // namespace quorvel::win32
