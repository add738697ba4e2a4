#include "win32/edit_box.h"

#include <algorithm>
#include <utility>

#include "win32/display.h"
#include "win32/text.h"

namespace quorvel::win32 {
namespace {

bool down(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

// A single-line box takes a pasted text up to its first line break, as the control itself does.
std::u16string firstLine(std::u16string text) {
  text.resize(std::min(text.size(), text.find_first_of(u"\r\n")));
  return text;
}

}  // namespace

EditBox::EditBox(HWND edit, Field field, forms::SheetPresenter& presenter, FocusKeeper& focus)
    : edit_(edit),
      field_(field),
      presenter_(presenter),
      focus_(focus),
      font_(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0))) {
  // No limit of the control's own: whoever owns the text cuts what it must.
  SendMessageW(edit_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  // The window procedure itself is replaced, not chained through comctl32's subclassing, which
  // looks the chain up as a window property, a round trip to the server under Wine, on every
  // message.
  SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  controlProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
  presenter_.bind(field_, *this);
}

EditBox::~EditBox() {
  if (IsWindow(edit_)) {
    SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
    SetWindowLongPtrW(edit_, GWLP_USERDATA, 0);
  }
}

LRESULT EditBox::control(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(controlProc_, edit_, message, wParam, lParam);
}

std::u16string EditBox::localText() const {
  return windowText(edit_);
}

void EditBox::setLocalText(std::u16string_view text) {
  backward_ = false;
  std::wstring shown = wide(text);
  SetWindowTextW(edit_, shown.c_str());
  text_ = std::move(shown);
}

std::pair<int, int> EditBox::localSelection() const {
  if (selection_) return *selection_;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  // The control tells the selection's two ends in order; its caret tells which end moves.
  bool caretAtStart = start != end && backward_;
  if (start != end && GetFocus() == edit_) {
    POINT caret{};
    GetCaretPos(&caret);
    const LRESULT at = SendMessageW(edit_, EM_POSFROMCHAR, start, 0);
    caretAtStart =
        caret.x == static_cast<short>(LOWORD(at)) && caret.y == static_cast<short>(HIWORD(at));
  }
  const int from = static_cast<int>(start);
  const int to = static_cast<int>(end);
  return selection_.emplace(caretAtStart ? to : from, caretAtStart ? from : to);
}

void EditBox::setLocalSelection(int anchor, int cursor) {
  backward_ = cursor < anchor;
  SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(anchor), cursor);
  if (editor_.holdsPart()) SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
  selection_.emplace(anchor, cursor);
}

void EditBox::toClipboard(std::u16string_view text) {
  setClipboardText(edit_, text);
}

void EditBox::userEdited(std::u16string_view whole, int cursor) {
  presenter_.edited(field_, whole, cursor);
}

bool EditBox::isShown() const {
  return (GetWindowLongW(edit_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void EditBox::setShown(bool shown) {
  ShowWindow(edit_, shown ? SW_SHOWNA : SW_HIDE);
}

bool EditBox::isEnabled() const {
  return IsWindowEnabled(edit_) != FALSE;
}

void EditBox::setEnabled(bool enabled) {
  EnableWindow(edit_, enabled ? TRUE : FALSE);
}

bool EditBox::hasFocus() const {
  return focus_.holder() == edit_;
}

void EditBox::takeFocus() {
  focus_.give(edit_);
}

void EditBox::dropFocus() {
  focus_.drop();
}

void EditBox::changed() {
  if (!presenter_.pushing()) editor_.controlEdited();
}

// A paste that makes or meets a long text goes into the whole text, and so to the sheet, before
// the control holds any of it.
bool EditBox::paste() {
  if (GetWindowLongW(edit_, GWL_STYLE) & ES_READONLY) return false;
  const std::optional<std::u16string> clip = clipboardText(edit_);
  return clip && editor_.paste(firstLine(*clip));
}

bool EditBox::takeKey(WPARAM key) {
  // The clipboard keys the control would handle inside itself go through the messages below.
  const bool shift = down(VK_SHIFT);
  const bool control = down(VK_CONTROL);
  if (key == VK_INSERT && (shift || control)) {
    SendMessageW(edit_, shift ? WM_PASTE : WM_COPY, 0, 0);
    return true;
  }
  if (key == VK_DELETE && shift) {
    SendMessageW(edit_, WM_CUT, 0, 0);
    return true;
  }
  if (key == VK_HOME) return editor_.home(shift);
  if (key == VK_END) return editor_.end(shift);
  return key == VK_DELETE && editor_.erase();
}

bool EditBox::takeCharacter(WPARAM character) {
  if (character == 0x01) return editor_.selectAll();  // Ctrl+A
  if (character == VK_BACK) return editor_.erase();
  if (character < 0x20 || character == 0x7F) return false;
  // Inside the part the control types by itself, without being asked for its text first.
  return editor_.spills() && editor_.insert(std::u16string(1, static_cast<char16_t>(character)));
}

// The press that brings the focus also moves the control's caret to the click: the sheet's
// selection wins.
void EditBox::clicked(WPARAM wParam, LPARAM lParam) {
  const bool hadFocus = GetFocus() == edit_;
  control(WM_LBUTTONDOWN, wParam, lParam);
  if (!hadFocus && GetFocus() == edit_) presenter_.clickSettled(field_);
}

// A disabled box's text in a grey that stays readable on the box's background; the control's
// own grey is too faint on some systems.
void EditBox::paintDisabled() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(edit_, &paint);
  RECT client{};
  GetClientRect(edit_, &client);
  // The face colour behind it, as the control's parent gives every disabled control.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!format_) {
    format_.emplace();
    SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&*format_));
  }
  if (!text_) text_ = wide(windowText(edit_));
  HGDIOBJ oldFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, readableGrey(GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_WINDOWTEXT), face));
  const LONG style = GetWindowLongW(edit_, GWL_STYLE);
  UINT flags = DT_NOPREFIX | DT_EDITCONTROL;
  flags |= (style & ES_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  flags |= (style & ES_CENTER) ? DT_CENTER : DT_LEFT;
  RECT format = *format_;
  DrawTextW(dc, text_->c_str(), static_cast<int>(text_->size()), &format, flags);
  SelectObject(dc, oldFont);
  EndPaint(edit_, &paint);
}

LRESULT CALLBACK EditBox::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<EditBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self->handle(message, wParam, lParam);
}

LRESULT EditBox::forward(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = control(message, wParam, lParam);
  editor_.cursorMoved();
  return result;
}

namespace {

// Whether a message leaves the control's text, selection and layout as they are.
bool readsOnly(UINT message) {
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_GETDLGCODE:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case EM_GETSEL:
    case EM_GETRECT:
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT EditBox::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!readsOnly(message)) {
    selection_.reset();
    if (!editor_.placing()) text_.reset();
    if (message == WM_SETFONT || message == WM_SIZE || message == WM_WINDOWPOSCHANGED ||
        message == EM_SETMARGINS || message == WM_STYLECHANGED) {
      format_.reset();
    }
    if (message == WM_SETFONT) font_ = reinterpret_cast<HFONT>(wParam);
  }
  switch (message) {
    case WM_SETFOCUS: {
      const LRESULT result = control(message, wParam, lParam);
      focus_.entered(edit_);
      presenter_.focusEntered(field_, focus_.switching());
      return result;
    }
    case WM_PASTE:
      if (paste()) return 0;
      break;
    case WM_COPY:
      if (editor_.copy()) return 0;
      break;
    case WM_CUT:
      if (editor_.cut()) return 0;
      break;
    case WM_UNDO:
    case EM_UNDO:
      // The control's undo knows only the part it holds.
      if (editor_.holdsPart()) return 0;
      break;
    case WM_KEYDOWN:
      if (takeKey(wParam)) return 0;
      return forward(message, wParam, lParam);
    case WM_CHAR:
      if (takeCharacter(wParam)) return 0;
      return forward(message, wParam, lParam);
    case WM_LBUTTONDOWN:
      clicked(wParam, lParam);
      editor_.cursorMoved();
      return 0;
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      return forward(message, wParam, lParam);
    case WM_PAINT:
      if (!IsWindowEnabled(edit_)) {
        paintDisabled();
        return 0;
      }
      break;
    case WM_NCDESTROY: {
      SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
      SetWindowLongPtrW(edit_, GWLP_USERDATA, 0);
      return control(message, wParam, lParam);
    }
    default:
      break;
  }
  return control(message, wParam, lParam);
}

}  // namespace quorvel::win32
