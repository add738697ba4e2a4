#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "forms/box_view.h"
#include "forms/long_text_editor.h"
#include "forms/sheet_presenter.h"
#include "sheet/address_sheet.h"
#include "win32/focus_keeper.h"

namespace quorvel::win32 {

// One sheet field's text box: a real EDIT control, subclassed to report the user's edits, focus
// arrivals and focusing clicks to the presenter, and to hold a long text in part.
//
// Wine's EDIT control lays out its whole text on every change, and slows down faster than
// linearly with it. So the control holds only the part of a long text around the caret
// (forms::LongTextEditor); the keys, characters and clipboard messages that would reach beyond
// that part go to the editor before the control sees them.
class EditBox final : public forms::BoxView, private forms::TextControl {
 public:
  EditBox(HWND edit, Field field, forms::SheetPresenter& presenter, FocusKeeper& focus);
  ~EditBox() override;

  [[nodiscard]] HWND hwnd() const { return edit_; }
  [[nodiscard]] Field field() const { return field_; }
  [[nodiscard]] const forms::LongTextEditor& editor() const { return editor_; }

  // EN_CHANGE: the control's text changed; the user's edits go to the presenter.
  void changed();

  void showText(std::u16string_view text) override { editor_.show(text); }
  [[nodiscard]] int anchor() const override { return editor_.anchor(); }
  [[nodiscard]] int cursor() const override { return editor_.cursor(); }
  void select(int anchor, int cursor) override { editor_.select(anchor, cursor); }
  [[nodiscard]] bool isShown() const override;
  void setShown(bool shown) override;
  [[nodiscard]] bool isEnabled() const override;
  void setEnabled(bool enabled) override;
  [[nodiscard]] bool hasFocus() const override;
  void takeFocus() override;
  void dropFocus() override;

 private:
  [[nodiscard]] std::u16string localText() const override;
  void setLocalText(std::u16string_view text) override;
  [[nodiscard]] std::pair<int, int> localSelection() const override;
  void setLocalSelection(int anchor, int cursor) override;
  void toClipboard(std::u16string_view text) override;
  void userEdited(std::u16string_view whole, int cursor) override;

  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT control(UINT message, WPARAM wParam, LPARAM lParam);  // the EDIT control's own handling
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT forward(UINT message, WPARAM wParam, LPARAM lParam);

  bool takeKey(WPARAM key);
  bool takeCharacter(WPARAM character);
  bool paste();
  void clicked(WPARAM wParam, LPARAM lParam);
  void paintDisabled();

  HWND edit_;
  WNDPROC controlProc_ = nullptr;
  Field field_;
  forms::SheetPresenter& presenter_;
  FocusKeeper& focus_;
  forms::LongTextEditor editor_{*this};
  bool backward_ = false;  // the last selection set here ends before its anchor

  // What the control holds, known here without asking it: every message costs a while under
  // Wine, and the presenter reads each box it writes. Any message that may change it forgets it.
  mutable std::optional<std::pair<int, int>> selection_;  // the control's anchor and caret
  std::optional<std::wstring> text_;                      // the control's text
  std::optional<RECT> format_;                            // where the control draws its text
  HFONT font_ = nullptr;
};

}  // namespace quorvel::win32
