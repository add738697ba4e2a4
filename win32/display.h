#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/twips.h"

// What a window needs to draw the designer's layout at a monitor's resolution: places in
// pixels, the faces as GDI fonts, and the colours.
namespace quorvel::win32 {

// Registers a window class of this program once: the face colour behind it and the program's
// icon in its frame.
void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// Per-monitor awareness for a process whose manifest did not ask for it (the tests); the newest
// mode the system offers.
void becomeDpiAware();

// The resolution a window is drawn at: its monitor's where the system tells each apart,
// the system's otherwise.
[[nodiscard]] int windowDpi(HWND window);
[[nodiscard]] int systemDpi();

[[nodiscard]] RECT placeRect(const forms::Place& place, int dpi);
// The window rectangle around this client rectangle at this resolution, for this style.
[[nodiscard]] RECT frameRect(RECT client, DWORD style, DWORD exStyle, int dpi);
// A length of `pixels` at 96 dpi, scaled; never less than one pixel.
[[nodiscard]] int scaled(int pixels, int dpi);

// What a push button of this client rectangle leaves its caption: the client area less the
// raised frame around it.
[[nodiscard]] RECT buttonCaptionRoom(RECT client, int dpi);

// Every face of the layout, created for one resolution.
class FontSet {
 public:
  FontSet() = default;
  FontSet(const FontSet&) = delete;
  FontSet& operator=(const FontSet&) = delete;
  ~FontSet();

  void create(int dpi);  // drops the fonts of the last resolution
  [[nodiscard]] HFONT font(forms::Face face) const {
    return fonts_[static_cast<std::size_t>(face)];
  }
  // The face in which the control's caption, laid out by DrawText with `format`, fits `room`:
  // the designed one where it does, else the same face a pixel smaller at a time. A stand-in
  // face is taller than the designed one for the same size, and some boxes were drawn to the
  // designed face's pixel.
  [[nodiscard]] HFONT fitting(forms::Face face, HWND control, SIZE room, UINT format);

 private:
  [[nodiscard]] static HFONT make(forms::Face face, int pixels);
  void release();
  int dpi_ = forms::kBaseDpi;
  std::array<HFONT, 7> fonts_{};
  std::vector<HFONT> smaller_;  // the faces made smaller for one caption
};

[[nodiscard]] bool fontInstalled(const wchar_t* family);

[[nodiscard]] constexpr COLORREF colour(forms::Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}
[[nodiscard]] constexpr forms::Rgb rgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}
[[nodiscard]] inline double contrast(COLORREF a, COLORREF b) {
  return forms::contrastRatio(rgb(a), rgb(b));
}

// Gives the default frame to the button the window's DM_GETDEFID names, and takes it from the
// others: only the button Enter presses shows it.
void frameDefaultButton(HWND window);
// Whether a high-contrast theme is on: its system colours then replace every fixed one.
[[nodiscard]] bool highContrast();
// A fixed text colour where it reads on the background and no high-contrast theme is on; the
// system's window-text colour otherwise (forms::readableOr).
[[nodiscard]] COLORREF readableText(COLORREF wanted, COLORREF background);
// The system's grey for disabled text, made readable (forms::readableDisabledText).
[[nodiscard]] COLORREF readableGrey(COLORREF grey, COLORREF text, COLORREF background);

}  // namespace quorvel::win32
