#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "forms/box_view.h"
#include "forms/sheet_presenter.h"
#include "forms/text_part.h"
#include "sheet/address_sheet.h"
#include "win32/focus_keeper.h"

namespace quorvel::win32 {

// One sheet field's text box: a real EDIT control, subclassed to report the user's edits, focus
// arrivals and focusing clicks to the presenter, and to hold a long text in part.
//
// Wine's EDIT control lays out its whole text on every change, and slows down faster than
// linearly with it. So a box keeps a long text whole on its own and lets the control hold only
// the part around the caret (forms::TextPart); the part moves with the caret. Whatever reaches
// beyond that part (a paste, Home and End, select all, and typing, deleting, copying or cutting
// over a selection that reaches beyond it) is done here on the whole text before the control
// sees it.
class EditBox final : public forms::BoxView {
 public:
  EditBox(HWND edit, Field field, forms::SheetPresenter& presenter, FocusKeeper& focus);
  ~EditBox() override;

  [[nodiscard]] HWND hwnd() const { return edit_; }
  [[nodiscard]] Field field() const { return field_; }
  [[nodiscard]] std::u16string wholeText() const;
  [[nodiscard]] bool holdsPart() const { return partial_; }

  // EN_CHANGE: the control's text changed; the user's edits go to the presenter.
  void changed();

  void showText(std::u16string_view text) override;
  [[nodiscard]] int anchor() const override;
  [[nodiscard]] int cursor() const override;
  void select(int anchor, int cursor) override;
  [[nodiscard]] bool isShown() const override;
  void setShown(bool shown) override;
  [[nodiscard]] bool isEnabled() const override;
  void setEnabled(bool enabled) override;
  [[nodiscard]] bool hasFocus() const override;
  void takeFocus() override;
  void dropFocus() override;

 private:
  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT control(UINT message, WPARAM wParam, LPARAM lParam);  // the EDIT control's own handling
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT forward(UINT message, WPARAM wParam, LPARAM lParam);

  bool takeKey(WPARAM key);
  bool takeCharacter(WPARAM character);
  bool paste();
  bool copy(bool cut);
  void clicked(WPARAM wParam, LPARAM lParam);
  void paintDisabled();

  // The control's own selection: its fixed end and its caret.
  void localSelection(int& anchor, int& cursor) const;
  [[nodiscard]] int partSize() const { return part_.tail() - part_.offset(); }
  [[nodiscard]] bool spills() const { return partial_ && part_.outside(anchor()); }
  void holdWhole(std::u16string text);
  void place(int anchor, int cursor);
  void followCursor();
  void replaceSelection(std::u16string_view text);

  HWND edit_;
  WNDPROC controlProc_ = nullptr;
  Field field_;
  forms::SheetPresenter& presenter_;
  FocusKeeper& focus_;

  bool partial_ = false;  // whether whole_ holds the text and the control only a part of it
  std::u16string whole_;
  forms::TextPart part_;
  int anchor_ = 0;         // the selection's anchor in whole_, which may lie outside the part
  bool backward_ = false;  // the last selection set here ends before its anchor
  bool placing_ = false;   // the control's text is being written from here

  // What the control holds, known here without asking it: every message costs a while under
  // Wine, and the presenter reads each box it writes. Any message that may change it forgets it.
  mutable std::optional<std::pair<int, int>> selection_;  // the control's anchor and caret
  std::optional<std::wstring> text_;                      // the control's text
  std::optional<RECT> format_;                            // where the control draws its text
  HFONT font_ = nullptr;
};

}  // namespace quorvel::win32
