#pragma once

#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <array>
#include <memory>
#include <vector>

#include "forms/form1_layout.h"
#include "forms/sheet_presenter.h"
#include "sheet/address_sheet.h"
#include "win32/display.h"
#include "win32/edit_box.h"
#include "win32/table_window.h"

namespace quorvel::win32 {

// The main window: every sheet field as an EDIT control at its place, the labels and separator
// marks, and the three buttons, all from the layout in forms/. It computes nothing; the
// presenter keeps the boxes in step with the sheet this window owns.
class Form1Window final : public TableWindow {
 public:
  Form1Window(WindowHost& host, HINSTANCE instance);
  ~Form1Window() override;

  // Shows the window; the focus then enters the first field.
  void show(int showCommand);

  [[nodiscard]] const AddressSheet& sheet() const { return sheet_; }
  [[nodiscard]] EditBox& box(Field field) { return *boxes_[indexOf(field)]; }
  [[nodiscard]] HWND button(Button button) const { return buttons_[indexOf(button)]; }
  using TableWindow::font;

 private:
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  void createField(const forms::FieldControl& row);
  void createButton(const forms::ButtonControl& row);
  void createLabel(const forms::LabelControl& row);

  void command(WORD id, WORD code, HWND control);
  LRESULT staticColours(HDC dc, HWND control);
  void drawSeparator(const DRAWITEMSTRUCT& item) const;
  [[nodiscard]] LRESULT drawButtonCaption(const NMCUSTOMDRAW& draw) const;
  [[nodiscard]] LRESULT defaultButton() const;

  AddressSheet sheet_;
  forms::SheetPresenter presenter_{sheet_};
  std::array<std::unique_ptr<EditBox>, kFieldCount> boxes_;
  std::array<HWND, kButtonCount> buttons_{};
  std::vector<std::pair<const forms::LabelControl*, HWND>> labels_;  // for their banners
  bool symbolFace_ = false;
  HBRUSH blue_;
  HBRUSH teal_;
};

}  // namespace quorvel::win32
