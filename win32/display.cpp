#include "win32/display.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "win32/text.h"

namespace quorvel::win32 {
namespace {

template <typename Fn>
Fn user32Function(const char* name) {
  // Newer systems only: looked up so that the program still starts where they are missing.
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SetAwarenessContextFn = BOOL(WINAPI*)(HANDLE);
using SetProcessDpiAwareFn = BOOL(WINAPI*)();

int weight(bool bold) {
  return bold ? FW_BOLD : FW_NORMAL;
}

// The face's designed size at a resolution: its characters' height in pixels.
int designedPixels(forms::Face face, int dpi) {
  return static_cast<int>(std::lround(forms::fontOf(face).points * dpi / 72.0));
}

int CALLBACK countFamily(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                         LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// The family a face is drawn in: its own where it is installed; else the one closest to it in
// shape and width, so that the designed boxes still hold their texts.
const std::wstring& familyFor(const char* family) {
  static const std::wstring dialog = [] {
    std::wstring own = wide(forms::kDialogFamily);
    if (fontInstalled(own.c_str())) return own;
    for (const char* candidate : forms::kDialogStandIns) {
      if (fontInstalled(wide(candidate).c_str())) return wide(candidate);
    }
    return own;
  }();
  static const std::wstring symbol = wide(forms::kSymbolFamily);
  return std::string_view(family) == forms::kDialogFamily ? dialog : symbol;
}

}  // namespace

void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  if (GetClassInfoExW(instance, name, &cls)) return;
  cls.lpfnWndProc = procedure;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = name;
  cls.hIcon = static_cast<HICON>(
      LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  cls.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  RegisterClassExW(&cls);
}

void becomeDpiAware() {
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE, as the SDK defines them.
  const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  const auto perMonitor = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
  if (auto set = user32Function<SetAwarenessContextFn>("SetProcessDpiAwarenessContext")) {
    if (set(perMonitorV2) || set(perMonitor)) return;
  }
  if (auto set = user32Function<SetProcessDpiAwareFn>("SetProcessDPIAware")) set();
}

int systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : forms::kBaseDpi;
}

int windowDpi(HWND window) {
  static const auto forWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow != nullptr && window != nullptr) {
    if (const UINT dpi = forWindow(window); dpi > 0) return static_cast<int>(dpi);
  }
  return systemDpi();
}

RECT placeRect(const forms::Place& place, int dpi) {
  const int left = forms::twipsToPixels(place.left, dpi);
  const int top = forms::twipsToPixels(place.top, dpi);
  return {left, top, left + forms::twipsToPixels(place.width, dpi),
          top + forms::twipsToPixels(place.height, dpi)};
}

RECT frameRect(RECT client, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjust = user32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT frame = client;
  if (adjust == nullptr || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    frame = client;
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return frame;
}

int scaled(int pixels, int dpi) {
  return std::max(1, MulDiv(pixels, dpi, forms::kBaseDpi));
}

FontSet::~FontSet() {
  release();
}

RECT buttonCaptionRoom(RECT client, int dpi) {
  InflateRect(&client, -scaled(3, dpi), -scaled(2, dpi));
  return client;
}

void FontSet::release() {
  for (HFONT& font : fonts_) {
    if (font != nullptr) DeleteObject(font);
    font = nullptr;
  }
  for (HFONT font : smaller_) DeleteObject(font);
  smaller_.clear();
}

// The face with characters `pixels` high, the internal leading not counted.
HFONT FontSet::make(forms::Face face, int pixels) {
  const forms::DesignedFont designed = forms::fontOf(face);
  const DWORD charset = face == forms::Face::Symbol ? SYMBOL_CHARSET : DEFAULT_CHARSET;
  return CreateFontW(-pixels, 0, 0, 0, weight(designed.bold), FALSE, FALSE, FALSE, charset,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, familyFor(designed.family).c_str());
}

void FontSet::create(int dpi) {
  release();
  dpi_ = dpi;
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    const auto face = static_cast<forms::Face>(i);
    fonts_[i] = make(face, designedPixels(face, dpi));
  }
}

HFONT FontSet::fitting(forms::Face face, HWND control, SIZE room, UINT format) {
  const std::wstring caption = wide(windowText(control));
  HDC dc = GetDC(control);
  const auto fits = [&](HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    RECT need{0, 0, room.cx, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &need,
              format | DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    return need.right <= room.cx && need.bottom <= room.cy;
  };
  HFONT chosen = font(face);
  if (!fits(chosen)) {
    // Down to two thirds of the size; a caption that fits in none keeps its designed face.
    const int designed = designedPixels(face, dpi_);
    for (int pixels = designed - 1; pixels >= designed * 2 / 3; --pixels) {
      HFONT smaller = make(face, pixels);
      if (fits(smaller)) {
        smaller_.push_back(smaller);
        chosen = smaller;
        break;
      }
      DeleteObject(smaller);
    }
  }
  ReleaseDC(control, dc);
  return chosen;
}

bool fontInstalled(const wchar_t* family) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, countFamily, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// The dialog keys frame the button they give the focus to, even when the focus moves on
// while it arrives (leaving the number's box hands it to the first octet), and a focus move of
// any other kind, such as a click into a box, leaves the frame where it was.
void frameDefaultButton(HWND window) {
  if (window == nullptr) return;
  const auto answer = static_cast<DWORD>(SendMessageW(window, DM_GETDEFID, 0, 0));
  const int id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LRESULT code = SendMessageW(child, WM_GETDLGCODE, 0, 0);
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0) continue;
    const bool framed = (code & DLGC_DEFPUSHBUTTON) != 0;
    if (framed != (GetDlgCtrlID(child) == id)) {
      SendMessageW(child, BM_SETSTYLE, framed ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, TRUE);
    }
  }
}

bool highContrast() {
  HIGHCONTRASTW settings{};
  settings.cbSize = sizeof settings;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) != FALSE &&
         (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF readableText(COLORREF wanted, COLORREF background) {
  const COLORREF own = GetSysColor(COLOR_WINDOWTEXT);
  return highContrast() ? own : colour(forms::readableOr(rgb(wanted), rgb(own), rgb(background)));
}

COLORREF readableGrey(COLORREF grey, COLORREF text, COLORREF background) {
  return colour(forms::readableDisabledText(rgb(background), rgb(grey), rgb(text)));
}

}  // namespace quorvel::win32
