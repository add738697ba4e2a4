#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// Texts between the sheet (UTF-8), the layout's captions and the W functions (UTF-16).
namespace quorvel::win32 {

[[nodiscard]] std::wstring wide(std::string_view utf8);
[[nodiscard]] std::wstring wide(std::u16string_view text);
[[nodiscard]] std::u16string utf16(std::wstring_view text);

// A window's whole text.
[[nodiscard]] std::u16string windowText(HWND window);
void setWindowText(HWND window, std::u16string_view text);

// The clipboard's text, if it holds any; and putting text there.
[[nodiscard]] std::optional<std::u16string> clipboardText(HWND owner);
void setClipboardText(HWND owner, std::u16string_view text);

}  // namespace quorvel::win32
