#pragma once

// Opens the program's windows in the test's own process and drives them with real input
// (SendInput) and real window messages, as a user and the system would.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "forms/utf16_text.h"
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
    MSG message{};
    for (int idle = 0; idle < 3; ++idle) {
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
          quit_ = true;
          continue;
        }
        Program::dispatch(message);
        idle = 0;
      }
      Sleep(5);
    }
  }

  void press(WORD key, std::initializer_list<WORD> modifiers = {}) {
    for (WORD m : modifiers) send(m, false);
    send(key, false);
    send(key, true);
    for (WORD m : modifiers) send(m, true);
    pump();
  }

  // Types each UTF-16 unit as the keyboard delivers characters that have no key.
  void type(std::u16string_view text) {
    for (char16_t unit : text) {
      INPUT in[2]{};
      for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wScan = unit;
        in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
      }
      SendInput(2, in, sizeof in[0]);
    }
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
  static void send(WORD key, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
  }

  std::unique_ptr<Program> program_;
  bool quit_ = false;
};

}  // namespace quorvel::win32::testing
