#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "forms/fonts.h"
#include "forms/twips.h"
#include "forms/window_life.h"
#include "win32/display.h"
#include "win32/focus_keeper.h"
#include "win32/window_host.h"

namespace quorvel::win32 {

// A top-level window built from a layout table in forms/: its frame around the designed client
// area, and its controls at their places in their faces, laid out anew at every resolution. It
// keeps its focus while another window is active and tells the host when it is gone; the
// messages of its own go to handle().
class TableWindow {
 public:
  TableWindow(const TableWindow&) = delete;
  TableWindow& operator=(const TableWindow&) = delete;

  [[nodiscard]] HWND hwnd() const { return hwnd_; }
  [[nodiscard]] bool isOpen() const { return hwnd_ != nullptr; }
  [[nodiscard]] int dpi() const { return dpi_; }
  // The control the layout gives this name.
  [[nodiscard]] HWND control(std::string_view name) const;

 protected:
  struct Frame {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    forms::Place clientArea;
    bool fixedPlace;  // the client area lies at its place on the screen; else the system places it
    forms::WindowLife::Window role;
  };
  // How a control lays out its caption, where its face must fit it.
  enum class Caption : std::uint8_t { None, Left, Centred, Button };

  // Creates the window, without controls yet, at the system's resolution; throws if it cannot.
  TableWindow(WindowHost& host, HINSTANCE instance, const Frame& frame, std::string_view caption);
  virtual ~TableWindow();

  HWND createControl(const char* name, const wchar_t* kind, std::wstring_view text, DWORD style,
                     DWORD exStyle, int id, const forms::Place& place, forms::Face face,
                     Caption caption = Caption::None);
  // Once every control is there: the window takes the resolution of the monitor it landed on.
  void fitMonitor();
  [[nodiscard]] HFONT font(forms::Face face) const { return fonts_.font(face); }

  virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void rescaled() {}  // after every place and font changed to a new resolution

  WindowHost& host_;
  FocusKeeper focus_;

 private:
  struct Placed {
    const char* name;
    HWND hwnd;
    forms::Place place;
    forms::Face face;
    Caption caption;
  };

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  [[nodiscard]] RECT frameAt(int dpi) const;
  [[nodiscard]] HFONT fontFor(const Placed& placed);
  void layout(int dpi);

  Frame frame_;
  HWND hwnd_ = nullptr;
  int dpi_ = forms::kBaseDpi;
  FontSet fonts_;
  std::vector<Placed> placed_;
};

}  // namespace quorvel::win32
