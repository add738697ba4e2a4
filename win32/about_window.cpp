#include "win32/about_window.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "forms/enter_key.h"
#include "forms/program_identity.h"
#include "sysinfo/native_platform.h"
#include "sysinfo/start_sys_info.h"
#include "win32/text.h"

namespace quorvel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuorvelAbout";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kSysInfoId = 100;
constexpr int kLabelIds = 200;
constexpr int kIconPixels = 32;  // at 96 dpi

}  // namespace

AboutWindow::AboutWindow(WindowHost& host, HINSTANCE instance)
    : TableWindow(host, instance,
                  {kClassName, kStyle, kExStyle, forms::kAboutClientArea, true,
                   forms::WindowLife::Window::About},
                  ""),
      instance_(instance) {
  // In tab order, so that the dialog keys follow it; the picture is painted by the box.
  int id = kLabelIds;
  for (const forms::AboutControl* row : forms::kAboutControls) {
    if (row->kind == forms::AboutKind::Label) {
      create(*row, L"STATIC", SS_LEFT | SS_NOPREFIX, id++);
    } else if (row->role == forms::ButtonRole::DefaultAndCancel) {
      ok_ = create(*row, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON | BS_NOTIFY, IDOK);
    } else if (row->kind == forms::AboutKind::Button) {
      sysInfo_ = create(*row, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, kSysInfoId);
    }
  }

  fitMonitor();
  Form_Load();
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  focus_.give(ok_);
}

AboutWindow::~AboutWindow() {
  if (icon_ != nullptr) DestroyIcon(icon_);
}

HWND AboutWindow::create(const forms::AboutControl& control, const wchar_t* kind, DWORD style,
                         int id) {
  return createControl(control.name, kind, wide(control.caption ? control.caption : ""),
                       WS_VISIBLE | style, 0, id, control.place, forms::Face::Dialog);
}

// The icon is loaded again at the new size.
void AboutWindow::rescaled() {
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = nullptr;
}

void AboutWindow::Form_Load() {
  ++loads_;
  const forms::AboutLoad load = forms::aboutLoad();
  SetWindowTextW(hwnd(), wide(load.caption).c_str());
  for (const auto& [row, text] : load.texts) SetWindowTextW(control(row->name), wide(text).c_str());
}

void AboutWindow::bringToFront() {
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  SetForegroundWindow(hwnd());
  SetActiveWindow(hwnd());
}

void AboutWindow::cmdOK_Click() {
  DestroyWindow(hwnd());
}

void AboutWindow::cmdSysInfo_Click() {
  StartSysInfo();
}

void AboutWindow::StartSysInfo() {
  // The one message is shown over the box.
  sysinfo::NativePlatform platform([this](const std::string& text, const std::string& caption) {
    MessageBoxW(hwnd(), wide(text).c_str(), wide(caption).c_str(), MB_OK);
  });
  sysinfo::StartSysInfo(platform, forms::kTitle);
}

// As in a dialog, the focused button is the default one; OK is it otherwise.
void AboutWindow::buttonFocused(HWND button) {
  focus_.entered(button);
  frameDefaultButton(hwnd());
}

// The icon picture and Line1, the etched rule: grey, one pixel, over white, two; in a
// high-contrast theme, the system's shadow and highlight.
void AboutWindow::paint() {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(hwnd(), &ps);
  const int size = scaled(kIconPixels, dpi());
  if (icon_ == nullptr) {
    icon_ = static_cast<HICON>(LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON, size, size, 0));
  }
  if (icon_ != nullptr) {
    const RECT box = placeRect(forms::kPicIcon.place, dpi());
    DrawIconEx(dc, (box.left + box.right - size) / 2, (box.top + box.bottom - size) / 2, icon_,
               size, size, 0, nullptr, DI_NORMAL);
  }
  const bool system = highContrast();
  for (const auto& [line, themed] : {std::pair{forms::kLine1Shade, COLOR_BTNSHADOW},
                                     std::pair{forms::kLine1Light, COLOR_BTNHIGHLIGHT}}) {
    const int left = forms::twipsToPixels(line.left, dpi());
    const int right = forms::twipsToPixels(line.right, dpi()) + 1;
    const int top = forms::twipsToPixels(line.top, dpi());
    const RECT r{left, top, right, top + scaled(line.pixels, dpi())};
    HBRUSH brush = CreateSolidBrush(system ? GetSysColor(themed) : colour(line.colour));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  EndPaint(hwnd(), &ps);
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const WORD id = LOWORD(wParam);
      const WORD code = HIWORD(wParam);
      if (code == BN_SETFOCUS) {
        buttonFocused(reinterpret_cast<HWND>(lParam));
      } else if (code != BN_CLICKED) {
        // Other notices of the buttons (losing the focus) press nothing.
      } else if (id == IDOK || id == IDCANCEL) {
        cmdOK_Click();  // OK is the default and the cancel button: Enter and Escape press it
      } else if (id == kSysInfoId) {
        cmdSysInfo_Click();
      }
      return 0;
    }
    case DM_GETDEFID: {
      const std::optional<int> focused =
          GetFocus() == sysInfo_ ? std::optional(kSysInfoId) : std::nullopt;
      return MAKELRESULT(*forms::enterPresses(focused, std::optional(IDOK)), DC_HASDEFID);
    }
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto label = reinterpret_cast<HWND>(lParam);
      const COLORREF face = GetSysColor(COLOR_BTNFACE);
      // Title, description and notice are black where black reads on the face colour.
      const bool black = std::any_of(forms::kAboutControls.begin(), forms::kAboutControls.end(),
                                     [this, label](const forms::AboutControl* row) {
                                       return control(row->name) == label &&
                                              row->colour == forms::TextColour::Black;
                                     });
      SetTextColor(dc, black ? readableText(RGB(0, 0, 0), face) : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, face);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_PAINT:
      paint();
      return 0;
    default:
      break;
  }
  return TableWindow::handle(message, wParam, lParam);
}

}  // namespace quorvel::win32
