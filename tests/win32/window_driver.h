#pragma once

// Opens the program's windows in the test's own process and drives them with real input
// (SendInput) and real window messages, as a user and the system would.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "forms/utf16_text.h"
#include "tests/win32/input.h"
#include "win32/program.h"
#include "win32/text.h"

namespace quorvel::win32::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = std::make_unique<Program>(GetModuleHandleW(nullptr));
    program_->open(SW_SHOWNORMAL);
    pump();
  }
  void TearDown() override {
    program_.reset();
    pump();
  }

  Program& program() { return *program_; }
  Form1Window& form() { return program_->mainWindow(); }
  const AddressSheet& sheet() { return form().sheet(); }
  HWND box(Field f) { return form().box(f).hwnd(); }
  [[nodiscard]] bool quitPosted() const { return quit_; }

  // Handles every message that is waiting, and what they set off, as the message loop would.
  void pump() {
    if (pumpMessages()) quit_ = true;
  }

  void press(WORD key, std::initializer_list<WORD> modifiers = {}) {
    for (WORD m : modifiers) sendKey(m, false);
    sendKey(key, false);
    sendKey(key, true);
    for (WORD m : modifiers) sendKey(m, true);
    pump();
  }

  // Types each UTF-16 unit as the keyboard delivers characters that have no key.
  void type(std::u16string_view text) {
    sendCharacters(text);
    pump();
  }

  // A press and release of the left button in the middle of a control.
  void click(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
    pump();
  }

  void paste(std::u16string_view text) {
    setClipboardText(form().hwnd(), text);
    press('V', {VK_CONTROL});
  }

  // The control's selection in UTF-16 units: start and end.
  static std::pair<int, int> selection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  std::string shown(Field f) { return forms::toUtf8(form().box(f).wholeText()); }

 private:
  std::unique_ptr<Program> program_;
  bool quit_ = false;
};

}  // namespace quorvel::win32::testing
