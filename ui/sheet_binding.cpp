#include "ui/sheet_binding.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <climits>

#include "ui/caption_button.h"
#include "ui/field_edit.h"

namespace quorvel {
namespace {

// The sheet counts characters (code points); Qt counts UTF-16 units.
int toUtf16(const QString& text, int characters) {
  int i = 0;
  for (int n = 0; n < characters && i < text.size(); ++n) {
    i += (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
  }
  return i;
}

int toCharacters(const QString& text, int utf16) {
  int n = 0;
  for (int i = 0; i < utf16 && i < text.size(); ++n) {
    i += (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
  }
  return n;
}

bool isWindowSwitch(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

SheetBinding::SheetBinding(AddressSheet& sheet, QObject* parent) : QObject(parent), sheet_(sheet) {}

void SheetBinding::bindField(FieldEdit* edit) {
  View& v = view(edit->field());
  v.widget = edit;
  v.edit = edit;
  connect(edit, &FieldEdit::edited, this, &SheetBinding::onEdited);
  connect(edit, &FieldEdit::focusEntered, this, &SheetBinding::onFieldFocus);
  connect(edit, &FieldEdit::clickSettled, this, &SheetBinding::onClickSettled);
}

void SheetBinding::bindNote(Field field, QPlainTextEdit* note) {
  View& v = view(field);
  v.widget = note;
  v.note = note;
}

void SheetBinding::bindButton(Button button, CaptionButton* widget) {
  connect(widget, &CaptionButton::focusEntered, this, &SheetBinding::onButtonFocus);
  connect(widget, &CaptionButton::clicked, this, [this, button] { onButtonClicked(button); });
}

void SheetBinding::enterFirstField() {
  std::optional<Field> first;
  int lowest = INT_MAX;
  for (int i = 1; i <= kFieldCount; ++i) {
    const auto f = static_cast<Field>(i);
    const FieldTraits traits = AddressSheet::traits(f);
    if (traits.tabStop && traits.tabIndex < lowest && sheet_.isEnabled(f) && sheet_.isVisible(f)) {
      lowest = traits.tabIndex;
      first = f;
    }
  }
  if (first) sheet_.setFocus(*first);
  refresh();
}

void SheetBinding::onEdited(Field field, const QString& text, int cursor) {
  if (pushing_) return;
  sheet_.edit(field, text.toStdString(), toCharacters(text, cursor));
  refresh();
}

void SheetBinding::onFieldFocus(Field field, Qt::FocusReason reason) {
  // Switching windows is no focus move of the sheet; Qt keeps the selection meanwhile.
  if (pushing_ || isWindowSwitch(reason)) return;
  sheet_.setFocus(field);
  refresh();
}

void SheetBinding::onClickSettled(Field field) {
  // The press after a focusing click has moved the caret: the sheet's selection wins.
  if (pushing_ || sheet_.focus() != field) return;
  const QScopedValueRollback guard(pushing_, true);
  pushSelection(field);
}

void SheetBinding::onButtonFocus(Qt::FocusReason reason) {
  if (pushing_ || isWindowSwitch(reason)) return;
  sheet_.clearFocus();
  refresh();
}

void SheetBinding::onButtonClicked(Button button) {
  sheet_.click(button);
  refresh();
}

void SheetBinding::refresh() {
  const QScopedValueRollback guard(pushing_, true);
  for (int i = 1; i <= kFieldCount; ++i) pushText(static_cast<Field>(i));

  // Boxes appear before the focus moves and disappear after it, so that Qt never has to move
  // the focus off a box that vanishes.
  for (int i = 1; i <= kFieldCount; ++i) {
    const auto f = static_cast<Field>(i);
    QWidget* w = view(f).widget;
    if (sheet_.isVisible(f) && w->isHidden()) w->show();
    if (sheet_.isEnabled(f) && !w->isEnabled()) w->setEnabled(true);
  }

  const std::optional<Field> holder = sheet_.focus();
  if (holder) {
    QWidget* w = view(*holder).widget;
    if (w->window()->focusWidget() != w) w->setFocus(Qt::OtherFocusReason);
    pushSelection(*holder);
  }

  for (int i = 1; i <= kFieldCount; ++i) {
    const auto f = static_cast<Field>(i);
    QWidget* w = view(f).widget;
    const bool leaving =
        (!sheet_.isVisible(f) && !w->isHidden()) || (!sheet_.isEnabled(f) && w->isEnabled());
    if (!leaving) continue;
    // Only a box the sheet no longer focuses can get here; take Qt's focus off it first so
    // that Qt does not pass it on to the next box by itself.
    if (w->window()->focusWidget() == w) w->clearFocus();
    if (!sheet_.isVisible(f)) w->hide();
    if (!sheet_.isEnabled(f)) w->setEnabled(false);
  }
}

void SheetBinding::pushText(Field f) {
  const View& v = view(f);
  const QString text = QString::fromStdString(sheet_.text(f));
  if (v.note) {
    if (v.note->toPlainText() != text) v.note->setPlainText(text);
    return;
  }
  // setText with an unchanged text would still drop the selection and the undo history.
  if (v.edit->wholeText() == text) return;
  v.edit->showWhole(text);
  pushSelection(f);
}

void SheetBinding::pushSelection(Field f) {
  FieldEdit* edit = view(f).edit;
  if (!edit) return;
  const QString text = edit->wholeText();
  const int start = toUtf16(text, sheet_.selStart(f));
  const int end = toUtf16(text, sheet_.selStart(f) + sheet_.selLength(f));
  if (edit->wholeAnchor() == start && edit->wholeCursor() == end) return;
  edit->selectWhole(start, end);
}

}  // namespace quorvel
