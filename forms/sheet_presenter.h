#pragma once

#include <array>
#include <string>
#include <string_view>

#include "forms/box_view.h"
#include "sheet/address_sheet.h"

namespace quorvel::forms {

// The one place where a window's boxes and the sheet meet, whatever the toolkit. The user's
// edits, focus moves and clicks go into the sheet; after each of them every box is brought up to
// date from the sheet. Only the boxes whose text or flags changed are written, and nothing the
// update makes the toolkit report is fed back.
class SheetPresenter {
 public:
  explicit SheetPresenter(AddressSheet& sheet) : sheet_(sheet) {}

  void bind(Field field, BoxView& view) { views_[indexOf(field)] = &view; }

  // The user changed a box's text; the cursor is where the edit left it (UTF-16 units).
  void edited(Field field, std::u16string_view text, int cursor);
  // The same, with the text in UTF-8, as a toolkit that has it so hands it over.
  void edited(Field field, std::string text, int cursor);
  // A box or a button took the focus. A switch between windows is no focus move of the sheet.
  void focusEntered(Field field, bool windowSwitch);
  void buttonFocused(bool windowSwitch);
  // The press of the click that focused a box has moved its caret: the sheet's selection wins.
  void clickSettled(Field field);
  void buttonClicked(Button button);
  // The window has opened: the focus goes to the first tab stop, as if the user had entered it.
  void enterFirstField();

  // Brings every box's text, flags, the focus and the holder's selection up to date.
  void refresh();
  // The boxes already show the sheet's texts (a window drawn from the sheet as it starts): a
  // refresh leaves them, and with them whatever the user typed there meanwhile.
  void boxesShowSheet();

  // While the boxes are being written; what a toolkit reports meanwhile is its own echo.
  [[nodiscard]] bool pushing() const { return pushing_; }

 private:
  BoxView& view(Field f);
  void pushText(Field f);
  void pushSelection(Field f);

  AddressSheet& sheet_;
  std::array<BoxView*, kFieldCount> views_{};
  std::array<std::string, kFieldCount> shown_{};  // what each box shows, as the sheet keeps it
  std::array<bool, kFieldCount> written_{};       // whether shown_ is known yet
  bool pushing_ = false;
};

}  // namespace quorvel::forms
