#pragma once

#include "forms/window_life.h"

namespace quorvel::win32 {

// What a window asks of the program that runs it.
class WindowHost {
 public:
  WindowHost() = default;
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;
  virtual ~WindowHost() = default;

  virtual void exitProgram() = 0;  // EXIT: every window closes at once
  virtual void showAbout() = 0;    // the one About box, created or brought to the front
  virtual void windowClosed(forms::WindowLife::Window window) = 0;  // a window is gone
};

}  // namespace quorvel::win32
