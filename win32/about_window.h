#pragma once

#include <windows.h>

#include "forms/about_layout.h"
#include "win32/table_window.h"

namespace quorvel::win32 {

// The About box: title, version, description, an etched rule, the notice, OK and System Info,
// at a fixed place on the screen. OK, Enter and Escape close and destroy it.
class AboutWindow final : public TableWindow {
 public:
  AboutWindow(WindowHost& host, HINSTANCE instance);  // creates it, runs its load rule, shows it
  ~AboutWindow() override;

  [[nodiscard]] int loads() const { return loads_; }
  void bringToFront();

  // Finds the system-information tool and starts it, or says that it cannot.
  void StartSysInfo();

 private:
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void rescaled() override;

  HWND create(const forms::AboutControl& control, const wchar_t* kind, DWORD style, int id);
  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();
  void buttonFocused(HWND button);
  void paint();

  HINSTANCE instance_;
  HWND ok_ = nullptr;
  HWND sysInfo_ = nullptr;
  HICON icon_ = nullptr;
  int loads_ = 0;
};

}  // namespace quorvel::win32
