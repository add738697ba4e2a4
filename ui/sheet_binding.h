#pragma once

#include <QObject>
#include <array>
#include <memory>

#include "forms/sheet_presenter.h"
#include "sheet/address_sheet.h"

class QPlainTextEdit;

namespace quorvel {

class CaptionButton;
class FieldEdit;

// Qt's side of the binding between the window's widgets and the sheet: it turns the widgets'
// edits, focus moves and clicks into the presenter's events, and lets the presenter write the
// widgets through their box views.
class SheetBinding : public QObject {
  Q_OBJECT

 public:
  SheetBinding(AddressSheet& sheet, QObject* parent);
  ~SheetBinding() override;

  void bindField(FieldEdit* edit);
  void bindNote(Field field, QPlainTextEdit* note);
  void bindButton(Button button, CaptionButton* widget);

  // The window has opened: the focus goes to the first tab stop, as if the user had entered it.
  void enterFirstField() { presenter_.enterFirstField(); }
  // Brings every widget's text, flags, the focus and the holder's selection up to date.
  void refresh() { presenter_.refresh(); }

 private:
  void onEdited(Field field, const QString& text, int cursor);
  void onFieldFocus(Field field, Qt::FocusReason reason);

  forms::SheetPresenter presenter_;
  std::array<std::unique_ptr<forms::BoxView>, kFieldCount> boxes_;
};

}  // namespace quorvel
