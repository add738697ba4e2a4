#include "ui/field_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace quorvel {

FieldEdit::FieldEdit(Field field, QWidget* parent) : LongLineEdit(parent), field_(field) {
  connect(this, &LongLineEdit::wholeEdited, this,
          [this](const QString& text, int cursor) { emit edited(field_, text, cursor); });
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
  LongLineEdit::focusInEvent(event);
  focusByClick_ = event->reason() == Qt::MouseFocusReason;
  emit focusEntered(field_, event->reason());
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
  focusByClick_ = false;
  LongLineEdit::focusOutEvent(event);
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
  LongLineEdit::mousePressEvent(event);
  if (focusByClick_) {
    focusByClick_ = false;
    emit clickSettled(field_);
  }
}

}  // namespace quorvel
