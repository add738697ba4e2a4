#pragma once

#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "forms/form1_layout.h"
#include "forms/sheet_presenter.h"
#include "sheet/address_sheet.h"
#include "win32/display.h"
#include "win32/edit_box.h"
#include "win32/focus_keeper.h"
#include "win32/window_host.h"

namespace quorvel::win32 {

// The main window: every sheet field as an EDIT control at its place, the labels and separator
// marks, and the three buttons, all from the layout in forms/. It computes nothing; the
// presenter keeps the boxes in step with the sheet this window owns.
class Form1Window {
 public:
  Form1Window(WindowHost& host, HINSTANCE instance);
  ~Form1Window();
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // Shows the window; the focus then enters the first field.
  void show(int showCommand);

  [[nodiscard]] HWND hwnd() const { return hwnd_; }
  [[nodiscard]] bool isOpen() const { return hwnd_ != nullptr; }
  [[nodiscard]] int dpi() const { return dpi_; }
  [[nodiscard]] const AddressSheet& sheet() const { return sheet_; }
  [[nodiscard]] EditBox& box(Field field) { return *boxes_[indexOf(field)]; }
  [[nodiscard]] HWND button(Button button) const { return buttons_[indexOf(button)]; }
  [[nodiscard]] HWND label(const char* name) const;
  [[nodiscard]] HFONT font(forms::Face face) const { return fonts_.font(face); }

 private:
  // How a control lays out its caption, if it has one.
  enum class Caption : std::uint8_t { None, Left, Centred, Button };
  struct Placed {
    HWND hwnd;
    forms::Place place;
    forms::Face face;
    Caption caption;
  };

  template <typename Owner>
  friend LRESULT CALLBACK topWindowProc(HWND, UINT, WPARAM, LPARAM);
  void created(HWND window) { hwnd_ = window; }
  FocusKeeper& focus() { return focus_; }
  void rescale(int dpi) { layout(dpi); }
  void destroyed();
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND createControl(const wchar_t* kind, const std::wstring& text, DWORD style, DWORD exStyle,
                     int id, const forms::Place& place, forms::Face face, Caption caption);
  [[nodiscard]] HFONT fontFor(const Placed& placed);
  void createField(const forms::FieldControl& row);
  void createButton(const forms::ButtonControl& row);
  void createLabel(const forms::LabelControl& row);
  void layout(int dpi);

  void command(WORD id, WORD code, HWND control);
  LRESULT staticColours(HDC dc, HWND control);
  void drawSeparator(const DRAWITEMSTRUCT& item) const;
  [[nodiscard]] LRESULT drawButtonCaption(const NMCUSTOMDRAW& draw) const;
  [[nodiscard]] LRESULT defaultButton() const;

  WindowHost& host_;
  HWND hwnd_ = nullptr;
  int dpi_ = forms::kBaseDpi;
  AddressSheet sheet_;
  forms::SheetPresenter presenter_{sheet_};
  FocusKeeper focus_;
  FontSet fonts_;
  std::array<std::unique_ptr<EditBox>, kFieldCount> boxes_;
  std::array<HWND, kButtonCount> buttons_{};
  std::vector<Placed> placed_;
  std::vector<std::pair<const forms::LabelControl*, HWND>> labels_;
  bool symbolFace_ = false;
  HBRUSH blue_;
  HBRUSH teal_;
};

}  // namespace quorvel::win32
