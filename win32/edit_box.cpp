#include "win32/edit_box.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "win32/display.h"
#include "win32/text.h"

namespace quorvel::win32 {
namespace {

// Runs its function when the scope ends, also by an exception.
template <typename Fn>
class AtExit {
 public:
  explicit AtExit(Fn fn) : fn_(fn) {}
  ~AtExit() { fn_(); }
  AtExit(const AtExit&) = delete;
  AtExit& operator=(const AtExit&) = delete;

 private:
  Fn fn_;
};

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

std::u16string EditBox::wholeText() const {
  return partial_ ? whole_ : windowText(edit_);
}

void EditBox::localSelection(int& anchor, int& cursor) const {
  if (selection_) {
    std::tie(anchor, cursor) = *selection_;
    return;
  }
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  anchor = static_cast<int>(start);
  cursor = static_cast<int>(end);
  if (start == end) {
    selection_.emplace(anchor, cursor);
    return;
  }
  // The control tells the selection's two ends in order; its caret tells which end moves.
  bool caretAtStart = backward_;
  if (GetFocus() == edit_) {
    POINT caret{};
    GetCaretPos(&caret);
    const LRESULT at = SendMessageW(edit_, EM_POSFROMCHAR, start, 0);
    caretAtStart =
        caret.x == static_cast<short>(LOWORD(at)) && caret.y == static_cast<short>(HIWORD(at));
  }
  if (caretAtStart) std::swap(anchor, cursor);
  selection_.emplace(anchor, cursor);
}

int EditBox::anchor() const {
  int local = 0;
  int cursor = 0;
  localSelection(local, cursor);
  return partial_ ? part_.wholeAnchor(local, partSize(), anchor_) : local;
}

int EditBox::cursor() const {
  int anchor = 0;
  int local = 0;
  localSelection(anchor, local);
  return (partial_ ? part_.offset() : 0) + local;
}

void EditBox::showText(std::u16string_view text) {
  if (forms::TextPart::isLong(text.size())) {
    holdWhole(std::u16string(text));
    const int end = static_cast<int>(whole_.size());
    place(end, end);
    return;
  }
  const bool wasPlacing = std::exchange(placing_, true);
  const AtExit restore([&] { placing_ = wasPlacing; });
  partial_ = false;
  whole_.clear();
  backward_ = false;
  std::wstring shown = wide(text);
  SetWindowTextW(edit_, shown.c_str());
  text_ = std::move(shown);
}

void EditBox::holdWhole(std::u16string text) {
  partial_ = true;
  whole_ = std::move(text);
  part_.forget();  // nothing of it is in the control yet
}

void EditBox::select(int anchor, int cursor) {
  if (partial_) {
    place(anchor, cursor);
    return;
  }
  backward_ = cursor < anchor;
  SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(anchor), cursor);
  selection_.emplace(anchor, cursor);
}

// Shows the selection, moving the part only when the caret is not well inside it.
void EditBox::place(int anchor, int cursor) {
  const bool wasPlacing = std::exchange(placing_, true);
  const AtExit restore([&] { placing_ = wasPlacing; });
  if (part_.follow(whole_, cursor)) {
    setWindowText(edit_,
                  std::u16string_view(whole_).substr(static_cast<std::size_t>(part_.offset()),
                                                     static_cast<std::size_t>(partSize())));
    text_.reset();
  }
  anchor_ = anchor;
  const int local = cursor - part_.offset();
  const int localAnchor = part_.toLocal(anchor);
  backward_ = local < localAnchor;
  SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(localAnchor), local);
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
  selection_.emplace(localAnchor, local);
}

void EditBox::followCursor() {
  if (!partial_ || placing_) return;
  anchor_ = anchor();
  const int at = cursor();
  if (!part_.holds(at, static_cast<int>(whole_.size()))) place(anchor_, at);
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
  if (placing_ || presenter_.pushing()) return;
  const std::u16string local = windowText(edit_);
  int localAnchor = 0;
  int localCursor = 0;
  localSelection(localAnchor, localCursor);
  if (partial_) {
    // The control changed its part only; the rest of the text stands as it was.
    whole_.replace(static_cast<std::size_t>(part_.offset()), static_cast<std::size_t>(partSize()),
                   local);
    part_.resize(static_cast<int>(local.size()));
    anchor_ = part_.offset() + localAnchor;
    presenter_.edited(field_, whole_, part_.offset() + localCursor);
    return;
  }
  presenter_.edited(field_, local, localCursor);
  // Typed beyond the length the control is fast with, and kept so by the sheet: hold it in part.
  if (!partial_ && forms::TextPart::isLong(local.size()) &&
      GetWindowTextLengthW(edit_) == static_cast<int>(local.size())) {
    int anchorNow = 0;
    int cursorNow = 0;
    localSelection(anchorNow, cursorNow);
    holdWhole(windowText(edit_));
    place(anchorNow, cursorNow);
  }
}

void EditBox::replaceSelection(std::u16string_view text) {
  std::u16string whole = wholeText();
  const int anchorAt = anchor();
  const int cursorAt = cursor();
  const auto start = static_cast<std::size_t>(std::min(anchorAt, cursorAt));
  whole.replace(start, static_cast<std::size_t>(std::abs(cursorAt - anchorAt)), text);
  const int after = static_cast<int>(start + text.size());
  showText(whole);
  select(after, after);
  presenter_.edited(field_, wholeText(), after);
}

// A paste that makes or meets a long text goes into the whole text, and so to the sheet, before
// the control holds any of it.
bool EditBox::paste() {
  if (GetWindowLongW(edit_, GWL_STYLE) & ES_READONLY) return false;
  const std::optional<std::u16string> clip = clipboardText(edit_);
  if (!clip) return false;
  const std::u16string line = firstLine(*clip);
  const auto held = static_cast<std::size_t>(GetWindowTextLengthW(edit_));
  if (!partial_ && !forms::TextPart::isLong(held + line.size())) return false;
  if (line.empty() && anchor() == cursor()) return true;
  replaceSelection(line);
  return true;
}

bool EditBox::copy(bool cut) {
  if (!spills()) return false;
  const int anchorAt = anchor();
  const int cursorAt = cursor();
  const auto start = static_cast<std::size_t>(std::min(anchorAt, cursorAt));
  setClipboardText(edit_, std::u16string_view(whole_).substr(
                              start, static_cast<std::size_t>(std::abs(cursorAt - anchorAt))));
  if (cut) replaceSelection({});
  return true;
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
  if (!partial_) return false;
  const int size = static_cast<int>(whole_.size());
  if (key == VK_HOME || key == VK_END) {
    const int to = key == VK_HOME ? 0 : size;
    place(shift ? anchor() : to, to);
    return true;
  }
  if (key == VK_DELETE && spills()) {
    replaceSelection({});
    return true;
  }
  return false;
}

bool EditBox::takeCharacter(WPARAM character) {
  if (!partial_) return false;
  if (character == 0x01) {  // Ctrl+A
    place(0, static_cast<int>(whole_.size()));
    return true;
  }
  if (!spills()) return false;
  if (character == VK_BACK) {
    replaceSelection({});
    return true;
  }
  if (character < 0x20 || character == 0x7F) return false;
  const std::u16string typed(1, static_cast<char16_t>(character));
  replaceSelection(typed);
  return true;
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
  followCursor();
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
    if (!placing_) text_.reset();
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
    case WM_CUT:
      if (copy(message == WM_CUT)) return 0;
      break;
    case WM_UNDO:
    case EM_UNDO:
      // The control's undo knows only the part it holds.
      if (partial_) return 0;
      break;
    case WM_KEYDOWN:
      if (takeKey(wParam)) return 0;
      return forward(message, wParam, lParam);
    case WM_CHAR:
      if (takeCharacter(wParam)) return 0;
      return forward(message, wParam, lParam);
    case WM_LBUTTONDOWN:
      clicked(wParam, lParam);
      followCursor();
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
