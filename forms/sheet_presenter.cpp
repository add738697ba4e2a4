#include "forms/sheet_presenter.h"

#include <climits>
#include <optional>
#include <stdexcept>

#include "forms/form1_layout.h"
#include "forms/raised.h"
#include "forms/utf16_text.h"

namespace quorvel::forms {

BoxView& SheetPresenter::view(Field f) {
  BoxView* box = views_[indexOf(f)];
  // A window that leaves a field without a box is built wrong; say which, rather than crash.
  if (!box) throw std::logic_error("no box is bound to " + fieldName(f));
  return *box;
}

void SheetPresenter::edited(Field field, std::u16string_view text, int cursor) {
  edited(field, toUtf8(text), cursor);
}

void SheetPresenter::edited(Field field, std::string text, int cursor) {
  if (pushing_) return;
  const int characters = charactersBefore(text, cursor);
  shown_[indexOf(field)] = text;
  written_[indexOf(field)] = true;
  sheet_.edit(field, std::move(text), characters);
  refresh();
}

void SheetPresenter::focusEntered(Field field, bool windowSwitch) {
  if (pushing_ || windowSwitch) return;
  sheet_.setFocus(field);
  refresh();
}

void SheetPresenter::buttonFocused(bool windowSwitch) {
  if (pushing_ || windowSwitch) return;
  sheet_.clearFocus();
  refresh();
}

void SheetPresenter::clickSettled(Field field) {
  if (pushing_ || sheet_.focus() != field) return;
  const Raised guard(pushing_);
  pushSelection(field);
}

void SheetPresenter::buttonClicked(Button button) {
  sheet_.click(button);
  refresh();
}

void SheetPresenter::enterFirstField() {
  std::optional<Field> first;
  int lowest = INT_MAX;
  for (const Field f : kAllFields) {
    const FieldTraits traits = AddressSheet::traits(f);
    if (traits.tabStop && traits.tabIndex < lowest && sheet_.isEnabled(f) && sheet_.isVisible(f)) {
      lowest = traits.tabIndex;
      first = f;
    }
  }
  if (first) sheet_.setFocus(*first);
  refresh();
}

void SheetPresenter::refresh() {
  const Raised guard(pushing_);
  for (const Field f : kAllFields) pushText(f);

  // Boxes appear before the focus moves and disappear after it, so that the toolkit never has
  // to move the focus off a box that vanishes.
  for (const Field f : kAllFields) {
    BoxView& v = view(f);
    if (sheet_.isVisible(f) && !v.isShown()) v.setShown(true);
    if (sheet_.isEnabled(f) && !v.isEnabled()) v.setEnabled(true);
  }

  if (const std::optional<Field> holder = sheet_.focus()) {
    BoxView& v = view(*holder);
    if (!v.hasFocus()) v.takeFocus();
    pushSelection(*holder);
  }

  for (const Field f : kAllFields) {
    BoxView& v = view(f);
    const bool hide = !sheet_.isVisible(f) && v.isShown();
    const bool disable = !sheet_.isEnabled(f) && v.isEnabled();
    if (!hide && !disable) continue;
    // Only a box the sheet no longer focuses can get here; take the focus off it first so that
    // the toolkit does not pass it on to the next box by itself.
    if (v.hasFocus()) v.dropFocus();
    if (hide) v.setShown(false);
    if (disable) v.setEnabled(false);
  }
}

void SheetPresenter::boxesShowSheet() {
  for (const Field f : kAllFields) {
    shown_[indexOf(f)] = sheet_.text(f);
    written_[indexOf(f)] = true;
  }
}

void SheetPresenter::pushText(Field f) {
  const std::string& text = sheet_.text(f);
  std::string& shown = shown_[indexOf(f)];
  if (written_[indexOf(f)] && shown == text) return;
  shown = text;
  written_[indexOf(f)] = true;
  view(f).showUtf8(text);
  pushSelection(f);
}

void SheetPresenter::pushSelection(Field f) {
  const std::string& text = shown_[indexOf(f)];
  const int start = unitsBefore(text, sheet_.selStart(f));
  const int end = unitsBefore(text, sheet_.selStart(f) + sheet_.selLength(f));
  BoxView& v = view(f);
  if (v.anchor() == start && v.cursor() == end) return;
  v.select(start, end);
}

}  // namespace quorvel::forms
