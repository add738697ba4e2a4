#pragma once

#include <windows.h>

#include <memory>

#include "win32/about_window.h"
#include "win32/form1_window.h"
#include "win32/window_host.h"

namespace quorvel::win32 {

// The running program: the main window, the About box while it is open, and the message loop.
// It ends when EXIT is pressed or when its last window has closed.
class Program final : public WindowHost {
 public:
  explicit Program(HINSTANCE instance);
  ~Program() override;

  void open(int showCommand);  // creates and shows the main window
  int run();                   // the message loop, until the program ends

  // Passes one message on as the loop does, with the dialog keys (Tab, Enter, Escape, access
  // keys) of the window it is meant for.
  static void dispatch(MSG& message);

  [[nodiscard]] Form1Window& mainWindow() { return *form1_; }
  [[nodiscard]] AboutWindow* aboutBox() const {
    return about_ && about_->isOpen() ? about_.get() : nullptr;
  }
  [[nodiscard]] bool ended() const { return ended_; }

  void exitProgram() override;
  void showAbout() override;
  void windowClosed(forms::WindowLife::Window window) override;

 private:
  void end();

  HINSTANCE instance_;
  std::unique_ptr<Form1Window> form1_;
  std::unique_ptr<AboutWindow> about_;
  forms::WindowLife life_;
  bool ended_ = false;
};

}  // namespace quorvel::win32
