#pragma once

#include <windows.h>

#include <vector>

#include "forms/about_layout.h"
#include "win32/display.h"
#include "win32/focus_keeper.h"
#include "win32/window_host.h"

namespace quorvel::win32 {

// The About box: title, version, description, an etched rule, the notice, OK and System Info,
// at a fixed place on the screen. OK, Enter and Escape close and destroy it.
class AboutWindow {
 public:
  AboutWindow(WindowHost& host, HINSTANCE instance);  // creates it, runs its load rule, shows it
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  [[nodiscard]] HWND hwnd() const { return hwnd_; }
  [[nodiscard]] bool isOpen() const { return hwnd_ != nullptr; }
  [[nodiscard]] int loads() const { return loads_; }
  [[nodiscard]] HWND control(const char* name) const;
  void bringToFront();

  // Finds the system-information tool and starts it, or says that it cannot.
  void StartSysInfo();

 private:
  struct Placed {
    const forms::AboutControl* control;
    HWND hwnd;
  };

  template <typename Owner>
  friend LRESULT CALLBACK topWindowProc(HWND, UINT, WPARAM, LPARAM);
  void created(HWND window) { hwnd_ = window; }
  FocusKeeper& focus() { return focus_; }
  void rescale(int dpi) { place(dpi); }
  void destroyed();
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND create(const forms::AboutControl& control, const wchar_t* kind, DWORD style, int id);
  void place(int dpi);
  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();
  void buttonFocused(HWND button);
  void paint();

  WindowHost& host_;
  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  int dpi_ = forms::kBaseDpi;
  FontSet fonts_;
  FocusKeeper focus_;
  std::vector<Placed> controls_;
  HWND ok_ = nullptr;
  HWND sysInfo_ = nullptr;
  HICON icon_ = nullptr;
  int loads_ = 0;
};

}  // namespace quorvel::win32
