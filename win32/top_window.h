#pragma once

#include <windows.h>

namespace quorvel::win32 {

// The window procedure of a top-level window class whose every window belongs to one object.
// The object passed at creation learns its handle (created), gets its focus back on activation
// (focus().activated), is laid out anew at a new resolution (rescale) and told when the window
// is gone (destroyed); every other message goes to its handle().
template <typename Owner>
LRESULT CALLBACK topWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->created(window);
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_ACTIVATE:
      if (owner->focus().activated(wParam)) return 0;
      break;
    case WM_DPICHANGED: {
      owner->rescale(HIWORD(wParam));
      // The window takes the place the system suggests for the new resolution.
      const auto* r = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      owner->destroyed();
      break;
    default:
      return owner->handle(message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quorvel::win32
