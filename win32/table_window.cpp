#include "win32/table_window.h"

#include <stdexcept>
#include <string>

#include "win32/text.h"

namespace quorvel::win32 {

TableWindow::TableWindow(WindowHost& host, HINSTANCE instance, const Frame& frame,
                         std::string_view caption)
    : host_(host), frame_(frame), dpi_(systemDpi()) {
  registerWindowClass(instance, frame_.className, procedure);
  const RECT r = frameAt(dpi_);
  const int left = frame_.fixedPlace ? r.left : CW_USEDEFAULT;
  const int top = frame_.fixedPlace ? r.top : CW_USEDEFAULT;
  CreateWindowExW(frame_.exStyle, frame_.className, wide(caption).c_str(), frame_.style, left, top,
                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
  if (hwnd_ == nullptr) {
    throw std::runtime_error("cannot create a window (error " + std::to_string(GetLastError()) +
                             ")");
  }
  focus_.attach(hwnd_);
  fonts_.create(dpi_);
}

TableWindow::~TableWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

HWND TableWindow::control(std::string_view name) const {
  for (const Placed& p : placed_) {
    if (p.name != nullptr && p.name == name) return p.hwnd;
  }
  return nullptr;
}

RECT TableWindow::frameAt(int dpi) const {
  return frameRect(placeRect(frame_.clientArea, dpi), frame_.style, frame_.exStyle, dpi);
}

HWND TableWindow::createControl(const char* name, const wchar_t* kind, std::wstring_view text,
                                DWORD style, DWORD exStyle, int id, const forms::Place& place,
                                forms::Face face, Caption caption) {
  const RECT r = placeRect(place, dpi_);
  HWND control = CreateWindowExW(
      exStyle, kind, std::wstring(text).c_str(), WS_CHILD | style, r.left, r.top, r.right - r.left,
      r.bottom - r.top, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  placed_.push_back({name, control, place, face, caption});
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(placed_.back())), FALSE);
  return control;
}

void TableWindow::fitMonitor() {
  const int dpi = windowDpi(hwnd_);
  if (dpi == dpi_) return;
  layout(dpi);
  const RECT r = frameAt(dpi);
  const UINT keepPlace = frame_.fixedPlace ? 0 : SWP_NOMOVE;
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE | keepPlace);
}

// A caption keeps its designed face where that fits its control at this resolution.
HFONT TableWindow::fontFor(const Placed& placed) {
  if (placed.caption == Caption::None) return fonts_.font(placed.face);
  const RECT r = placeRect(placed.place, dpi_);
  RECT room{0, 0, r.right - r.left, r.bottom - r.top};
  UINT format = DT_NOPREFIX;
  if (placed.caption == Caption::Button) {
    room = buttonCaptionRoom(room, dpi_);
    format = DT_CENTER;
  } else if (placed.caption == Caption::Centred) {
    format |= DT_CENTER;
  }
  return fonts_.fitting(placed.face, placed.hwnd, {room.right - room.left, room.bottom - room.top},
                        format);
}

// Every place and font at a new resolution; nothing else moves.
void TableWindow::layout(int dpi) {
  dpi_ = dpi;
  fonts_.create(dpi);
  HDWP batch = BeginDeferWindowPos(static_cast<int>(placed_.size()));
  for (const Placed& p : placed_) {
    const RECT r = placeRect(p.place, dpi);
    SendMessageW(p.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(p)), FALSE);
    if (batch != nullptr) {
      batch = DeferWindowPos(batch, p.hwnd, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (batch != nullptr) EndDeferWindowPos(batch);
  rescaled();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT TableWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK TableWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner =
        static_cast<TableWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->hwnd_ = window;
  }
  auto* owner = reinterpret_cast<TableWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_ACTIVATE:
      if (owner->focus_.activated(wParam)) return 0;
      break;
    case WM_DPICHANGED: {
      owner->layout(HIWORD(wParam));
      // The window takes the place the system suggests for the new resolution.
      const auto* r = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      owner->hwnd_ = nullptr;
      owner->host_.windowClosed(owner->frame_.role);
      break;
    default:
      return owner->handle(message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quorvel::win32
