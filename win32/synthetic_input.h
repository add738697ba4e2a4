#pragma once

// Real input for the program's windows in this process, for the screenshot tool and the tests:
// keys and characters as the keyboard delivers them (SendInput), and the message loop's work done
// up to the next idle moment.
#include <windows.h>

#include <string_view>

#include "win32/program.h"

namespace quorvel::win32 {

// Handles every message that is waiting, and what they set off, as the message loop would;
// returns whether the program asked to end.
inline bool pumpMessages() {
  bool quit = false;
  MSG message{};
  for (int idle = 0; idle < 3; ++idle) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        continue;
      }
      Program::dispatch(message);
      idle = 0;
    }
    Sleep(5);
  }
  return quit;
}

inline void sendKey(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

// Each UTF-16 unit as the keyboard delivers characters that have no key.
inline void sendCharacters(std::u16string_view text) {
  for (char16_t unit : text) {
    INPUT in[2]{};
    for (int i = 0; i < 2; ++i) {
      in[i].type = INPUT_KEYBOARD;
      in[i].ki.wScan = unit;
      in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, in, sizeof in[0]);
  }
}

}  // namespace quorvel::win32
