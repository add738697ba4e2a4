#include "win32/text.h"

#include <cstring>

#include "forms/utf16_text.h"

namespace quorvel::win32 {

std::wstring wide(std::string_view utf8) {
  return wide(forms::toUtf16(utf8));
}

// wchar_t is a UTF-16 unit on Windows.
std::wstring wide(std::u16string_view text) {
  return {text.begin(), text.end()};
}

std::u16string utf16(std::wstring_view text) {
  return {text.begin(), text.end()};
}

std::u16string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return utf16(text);
}

void setWindowText(HWND window, std::u16string_view text) {
  SetWindowTextW(window, wide(text).c_str());
}

std::optional<std::u16string> clipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = utf16(units);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void setClipboardText(HWND owner, std::u16string_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (data == nullptr) return;
  auto* units = static_cast<wchar_t*>(GlobalLock(data));
  std::memcpy(units, text.data(), text.size() * sizeof(wchar_t));
  units[text.size()] = L'\0';
  GlobalUnlock(data);
  if (!OpenClipboard(owner)) {
    GlobalFree(data);
    return;
  }
  EmptyClipboard();
  if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) GlobalFree(data);
  CloseClipboard();
}

}  // namespace quorvel::win32
