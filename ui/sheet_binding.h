#pragma once

#include <QObject>
#include <array>

#include "sheet/address_sheet.h"

class QAbstractButton;
class QPlainTextEdit;
class QWidget;

namespace quorvel {

class CaptionButton;
class FieldEdit;

// The one place where the widgets and the sheet meet. The user's edits, focus moves and clicks
// go into the sheet; after each of them every widget is brought up to date from the sheet. The
// focus and selection changes that this update causes in Qt are never fed back.
class SheetBinding : public QObject {
  Q_OBJECT

 public:
  SheetBinding(AddressSheet& sheet, QObject* parent);

  void bindField(FieldEdit* edit);
  void bindNote(Field field, QPlainTextEdit* note);
  void bindButton(Button button, CaptionButton* widget);

  // The window has opened: the focus goes to the first tab stop, as if the user had entered it.
  void enterFirstField();

  // Brings every widget's text, flags, the focus and the holder's selection up to date.
  void refresh();

 private:
  struct View {
    QWidget* widget = nullptr;
    FieldEdit* edit = nullptr;
    QPlainTextEdit* note = nullptr;
  };

  void onEdited(Field field, const QString& text, int cursor);
  void onFieldFocus(Field field, Qt::FocusReason reason);
  void onClickSettled(Field field);
  void onButtonFocus(Qt::FocusReason reason);
  void onButtonClicked(Button button);

  View& view(Field f) { return views_[static_cast<std::size_t>(f) - 1]; }
  void pushText(Field f);
  void pushSelection(Field f);

  AddressSheet& sheet_;
  std::array<View, kFieldCount> views_{};
  bool pushing_ = false;  // set while the widgets are being updated from the sheet
};

}  // namespace quorvel
