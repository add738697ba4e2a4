#pragma once

#include "sheet/address_sheet.h"
#include "ui/long_line_edit.h"

namespace quorvel {

// A one-line text box that stands for one sheet field. It reports the user's edits and the
// moments at which the field's selection must be re-applied: after Qt's own focus handling
// (which selects all on Tab) and after the press of the click that brought the focus (which
// moves the caret and deselects).
class FieldEdit : public LongLineEdit {
  Q_OBJECT

 public:
  FieldEdit(Field field, QWidget* parent);

  [[nodiscard]] Field field() const { return field_; }

 signals:
  void edited(quorvel::Field field, const QString& text, int cursor);
  void focusEntered(quorvel::Field field, Qt::FocusReason reason);
  void clickSettled(quorvel::Field field);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Field field_;
  bool focusByClick_ = false;
};

}  // namespace quorvel
