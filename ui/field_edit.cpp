#include "ui/field_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <limits>

namespace quorvel {

FieldEdit::FieldEdit(Field field, QWidget* parent) : QLineEdit(parent), field_(field) {
  // The fields have no length limit of their own; the octet rules cut what they must.
  setMaxLength(std::numeric_limits<int>::max());
  // The sheet sees what the user typed, never the texts it pushes itself.
  connect(this, &QLineEdit::textEdited, this, &FieldEdit::reportEdit);
}

void FieldEdit::reportEdit(const QString& text) {
  emit edited(field_, text, cursorPosition());
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  focusByClick_ = event->reason() == Qt::MouseFocusReason;
  emit focusEntered(field_, event->reason());
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
  focusByClick_ = false;
  QLineEdit::focusOutEvent(event);
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (focusByClick_) {
    focusByClick_ = false;
    emit clickSettled(field_);
  }
}

}  // namespace quorvel
