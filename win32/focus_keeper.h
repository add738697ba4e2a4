#pragma once

#include <windows.h>

namespace quorvel::win32 {

// Which control holds a top-level window's focus, also while another window is active: Windows
// keeps one focus per thread, so a window that is switched away from must remember its own and
// give it back when it is activated again. Only a plain window needs this; a dialog's default
// procedure does the same, but selects the whole text of a box it gives the focus back to.
class FocusKeeper {
 public:
  explicit FocusKeeper(HWND window = nullptr) : window_(window) {}
  void attach(HWND window) { window_ = window; }

  [[nodiscard]] HWND holder() const { return holder_; }
  // A control of the window has taken the focus.
  void entered(HWND control) { holder_ = control; }
  // Whether the focus is coming back with the window's activation, not moving.
  [[nodiscard]] bool switching() const { return switching_; }

  // Makes the control the holder; it gets the keyboard at once if the window is active.
  void give(HWND control);
  // Leaves the window with no holder; the window itself takes the keys meanwhile.
  void drop();
  // WM_ACTIVATE: on activation the holder gets the focus back. True if handled.
  bool activated(WPARAM state);

 private:
  [[nodiscard]] bool active() const { return GetActiveWindow() == window_; }

  HWND window_;
  HWND holder_ = nullptr;
  bool switching_ = false;
};

}  // namespace quorvel::win32
