#include "win32/form1_window.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

#include "forms/enter_key.h"

#include "win32/text.h"

namespace quorvel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"QuorvelForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// Control ids clear of IDOK and IDCANCEL, which the dialog keys send with no control behind.
constexpr int kFieldIds = 1000;
constexpr int kButtonIds = 2000;
constexpr int kLabelIds = 3000;
constexpr int kNameIds = 4000;

int fieldId(Field field) {
  return kFieldIds + static_cast<int>(field);
}

// The ink of an enabled button's caption on the face drawn beneath it: the theme's text colour
// where a visual style drew the face, else the system's, and black or white where that one does
// not read there (a visual style's light face under dark system colours, say).
COLORREF captionInk(HWND button, HDC dc, const RECT& client, UINT itemState) {
  COLORREF wanted = GetSysColor(COLOR_BTNTEXT);
  if (HTHEME theme = GetWindowTheme(button)) {
    const int state = (itemState & CDIS_SELECTED) != 0 ? PBS_PRESSED
                      : (itemState & CDIS_HOT) != 0    ? PBS_HOT
                                                       : PBS_NORMAL;
    COLORREF themed = 0;
    if (SUCCEEDED(GetThemeColor(theme, BP_PUSHBUTTON, state, TMT_TEXTCOLOR, &themed))) {
      wanted = themed;
    }
  }
  // The face as drawn: nothing is drawn over it yet.
  COLORREF face = GetPixel(dc, client.right / 2, client.bottom / 2);
  if (face == CLR_INVALID) face = GetSysColor(COLOR_BTNFACE);
  return colour(forms::readableOr(rgb(wanted), forms::strongestInk(rgb(face)), rgb(face)));
}

}  // namespace

Form1Window::Form1Window(WindowHost& host, HINSTANCE instance)
    : TableWindow(host, instance,
                  {kClassName, kStyle, kExStyle, forms::kForm1ClientArea, false,
                   forms::WindowLife::Window::Main},
                  forms::kForm1Caption),
      symbolFace_(fontInstalled(wide(forms::kSymbolFamily).c_str())),
      blue_(CreateSolidBrush(colour(forms::bannerColour(forms::Banner::Blue)))),
      teal_(CreateSolidBrush(colour(forms::bannerColour(forms::Banner::Teal)))) {
  // Focusable controls in tab order, as the dialog keys walk them; then the labels.
  for (const forms::Focusable& control : forms::form1TabChain()) {
    if (const auto* field = std::get_if<Field>(&control)) {
      createField(forms::form1Field(*field));
    } else {
      createButton(forms::form1Button(std::get<Button>(control)));
    }
  }
  for (const forms::LabelControl& row : forms::form1Labels()) createLabel(row);

  sheet_.setCommandHandler(Button::Command1, [this] { host_.exitProgram(); });
  sheet_.setCommandHandler(Button::Command3, [this] { host_.showAbout(); });

  fitMonitor();
  presenter_.refresh();
}

Form1Window::~Form1Window() {
  // Closed while the boxes and brushes are still there.
  if (isOpen()) DestroyWindow(hwnd());
  DeleteObject(blue_);
  DeleteObject(teal_);
}

void Form1Window::show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  presenter_.enterFirstField();
}

void Form1Window::createField(const forms::FieldControl& row) {
  // The box's name for screen readers: an EDIT without a caption is named after the STATIC just
  // before it in z-order. Of no size but visible, it draws nothing and no rule about hidden
  // labels drops it; it takes no tab stop, so Tab passes over it.
  CreateWindowExW(
      0, L"STATIC", wide(row.accessibleName).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0,
      0, hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNameIds + static_cast<int>(row.field))),
      nullptr, nullptr);
  const FieldTraits traits = AddressSheet::traits(row.field);
  DWORD style = traits.multiLine ? ES_MULTILINE : ES_AUTOHSCROLL;
  if (row.centred) style |= ES_CENTER;
  if (traits.tabStop) style |= WS_TABSTOP;
  if (sheet_.isVisible(row.field)) style |= WS_VISIBLE;
  if (!sheet_.isEnabled(row.field)) style |= WS_DISABLED;
  HWND edit = createControl(nullptr, L"EDIT", {}, style, WS_EX_CLIENTEDGE, fieldId(row.field),
                            row.place, row.face);
  boxes_[indexOf(row.field)] = std::make_unique<EditBox>(edit, row.field, presenter_, focus_);
}

void Form1Window::createButton(const forms::ButtonControl& row) {
  DWORD style = WS_VISIBLE | BS_PUSHBUTTON | BS_MULTILINE | BS_NOTIFY;
  if (row.tabStop) style |= WS_TABSTOP;
  buttons_[indexOf(row.button)] = createControl(row.name, L"BUTTON", wide(row.caption), style, 0,
                                                kButtonIds + static_cast<int>(row.button),
                                                row.place, row.face, Caption::Button);
}

void Form1Window::createLabel(const forms::LabelControl& row) {
  const bool mark = row.caption == nullptr;
  DWORD style = WS_VISIBLE | SS_NOPREFIX;
  if (mark) {
    style |= SS_OWNERDRAW;  // the mark's text is its name for screen readers
  } else {
    style |= row.centred ? SS_CENTER : SS_LEFT;
  }
  const std::wstring text = wide(mark ? forms::kSeparatorAccessibleName : row.caption);
  const Caption caption = mark ? Caption::None : row.centred ? Caption::Centred : Caption::Left;
  HWND label =
      createControl(row.name, L"STATIC", text, style, 0,
                    kLabelIds + static_cast<int>(labels_.size()), row.place, row.face, caption);
  labels_.emplace_back(&row, label);
}

LRESULT Form1Window::defaultButton() const {
  std::optional<Button> focused;
  for (const Button button : kAllButtons) {
    if (buttons_[indexOf(button)] == GetFocus()) focused = button;
  }
  const std::optional<Button> pressed = forms::enterPresses(focused, std::optional<Button>());
  return pressed ? MAKELRESULT(kButtonIds + static_cast<int>(*pressed), DC_HASDEFID) : 0;
}

void Form1Window::command(WORD id, WORD code, HWND control) {
  if (control == nullptr) return;  // Enter or Escape with no button behind them
  if (id > kFieldIds && id <= kFieldIds + kFieldCount) {
    if (code == EN_CHANGE) box(static_cast<Field>(id - kFieldIds)).changed();
    return;
  }
  if (id > kButtonIds && id <= kButtonIds + kButtonCount) {
    if (code == BN_SETFOCUS) {
      focus_.entered(control);
      presenter_.buttonFocused(focus_.switching());
    } else if (code == BN_CLICKED) {
      presenter_.buttonClicked(static_cast<Button>(id - kButtonIds));
    }
  }
}

LRESULT Form1Window::staticColours(HDC dc, HWND control) {
  for (const auto& [row, hwnd] : labels_) {
    if (hwnd != control || row->banner == forms::Banner::None) continue;
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    // A high-contrast theme's highlight replaces the banner's own colour.
    if (highContrast()) {
      SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    SetBkColor(dc, colour(forms::bannerColour(row->banner)));
    return reinterpret_cast<LRESULT>(row->banner == forms::Banner::Blue ? blue_ : teal_);
  }
  return DefWindowProcW(hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
}

// The separator mark: the symbol face's character where that face is installed, else the dot.
void Form1Window::drawSeparator(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  if (symbolFace_) {
    HGDIOBJ old = SelectObject(dc, font(forms::Face::Symbol));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    const std::wstring mark = wide(forms::kSeparatorCaption);
    DrawTextW(dc, mark.c_str(), static_cast<int>(mark.size()), &r,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    return;
  }
  const int diameter = scaled(forms::kSeparatorDotPixels, dpi());
  const int x = (r.left + r.right - diameter) / 2;
  const int y = r.top + (r.bottom - r.top) * forms::kSeparatorDotCentrePercent / 100 - diameter / 2;
  HBRUSH brush = CreateSolidBrush(ink);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, x, y, x + diameter + 1, y + diameter + 1);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
}

// A button's caption, wrapped over the whole width inside its frame and centred. The button's
// own drawing measures the caption and then wraps it again in a rectangle just as wide as the
// widest line, and Wine's DrawText breaks a line that fills its rectangle to the pixel: "About
// This Program" took three lines there, the last one cut off.
LRESULT Form1Window::drawButtonCaption(const NMCUSTOMDRAW& draw) const {
  if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  HWND button = draw.hdr.hwndFrom;
  HDC dc = draw.hdc;
  RECT client{};
  GetClientRect(button, &client);
  RECT room = buttonCaptionRoom(client, dpi());
  if ((draw.uItemState & CDIS_SELECTED) != 0) OffsetRect(&room, 1, 1);
  const std::wstring caption = wide(windowText(button));
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
  RECT need{0, 0, room.right - room.left, 0};
  DrawTextW(dc, caption.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  RECT text = room;
  text.top += (room.bottom - room.top - need.bottom) / 2;
  text.bottom = text.top + need.bottom;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(button) ? captionInk(button, dc, client, draw.uItemState)
                                           : GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, caption.c_str(), -1, &text, DT_WORDBREAK | DT_CENTER);
  SelectObject(dc, old);
  const bool cuesHidden = (SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
  if ((draw.uItemState & CDIS_FOCUS) != 0 && !cuesHidden) {
    InflateRect(&client, -scaled(3, dpi()), -scaled(3, dpi()));
    DrawFocusRect(dc, &client);
  }
  return CDRF_SKIPDEFAULT;
}

LRESULT Form1Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case DM_GETDEFID:
      return defaultButton();
    case WM_CTLCOLORSTATIC:
      return staticColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
      drawSeparator(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_NOTIFY:
      if (const auto* header = reinterpret_cast<const NMHDR*>(lParam);
          header->code == NM_CUSTOMDRAW && GetDlgCtrlID(header->hwndFrom) > kButtonIds &&
          GetDlgCtrlID(header->hwndFrom) <= kButtonIds + kButtonCount) {
        return drawButtonCaption(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
      }
      break;
    default:
      break;
  }
  return TableWindow::handle(message, wParam, lParam);
}

}  // namespace quorvel::win32
