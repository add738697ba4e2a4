#include "ui/sheet_binding.h"

#include <QPlainTextEdit>

#include "ui/caption_button.h"
#include "ui/field_edit.h"
#include "ui/text.h"

namespace quorvel {
namespace {

bool isWindowSwitch(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// What every box shares: shown, enabled, and the focus of its window.
template <typename Widget>
class WidgetBox : public forms::BoxView {
 public:
  explicit WidgetBox(Widget* widget) : widget_(widget) {}

  [[nodiscard]] bool isShown() const override { return !widget_->isHidden(); }
  void setShown(bool shown) override { widget_->setVisible(shown); }
  [[nodiscard]] bool isEnabled() const override { return widget_->isEnabled(); }
  void setEnabled(bool enabled) override { widget_->setEnabled(enabled); }
  [[nodiscard]] bool hasFocus() const override {
    return widget_->window()->focusWidget() == widget_;
  }
  void takeFocus() override { widget_->setFocus(Qt::OtherFocusReason); }
  void dropFocus() override { widget_->clearFocus(); }

 protected:
  Widget* widget_;
};

class EditBox : public WidgetBox<FieldEdit> {
 public:
  using WidgetBox::WidgetBox;
  void showText(std::u16string_view text) override { widget_->editor().show(text); }
  [[nodiscard]] int anchor() const override { return widget_->editor().anchor(); }
  [[nodiscard]] int cursor() const override { return widget_->editor().cursor(); }
  void select(int anchor, int cursor) override { widget_->editor().select(anchor, cursor); }
};

// The note wraps and is never edited: it has no selection of the sheet's to show.
class NoteBox : public WidgetBox<QPlainTextEdit> {
 public:
  using WidgetBox::WidgetBox;
  void showText(std::u16string_view text) override { widget_->setPlainText(fromUnits(text)); }
  [[nodiscard]] int anchor() const override { return 0; }
  [[nodiscard]] int cursor() const override { return 0; }
  void select(int /*anchor*/, int /*cursor*/) override {}
};

}  // namespace

SheetBinding::SheetBinding(AddressSheet& sheet, QObject* parent)
    : QObject(parent), presenter_(sheet) {}

SheetBinding::~SheetBinding() = default;

void SheetBinding::bindField(FieldEdit* edit) {
  auto& box = boxes_[indexOf(edit->field())];
  box = std::make_unique<EditBox>(edit);
  presenter_.bind(edit->field(), *box);
  connect(edit, &FieldEdit::edited, this, &SheetBinding::onEdited);
  connect(edit, &FieldEdit::focusEntered, this, &SheetBinding::onFieldFocus);
  connect(edit, &FieldEdit::clickSettled, this,
          [this](Field field) { presenter_.clickSettled(field); });
}

void SheetBinding::bindNote(Field field, QPlainTextEdit* note) {
  auto& box = boxes_[indexOf(field)];
  box = std::make_unique<NoteBox>(note);
  presenter_.bind(field, *box);
}

void SheetBinding::bindButton(Button button, CaptionButton* widget) {
  connect(widget, &CaptionButton::focusEntered, this,
          [this](Qt::FocusReason reason) { presenter_.buttonFocused(isWindowSwitch(reason)); });
  connect(widget, &CaptionButton::clicked, this,
          [this, button] { presenter_.buttonClicked(button); });
}

void SheetBinding::onEdited(Field field, const QString& text, int cursor) {
  presenter_.edited(field, units(text), cursor);
}

void SheetBinding::onFieldFocus(Field field, Qt::FocusReason reason) {
  // Switching windows is no focus move of the sheet; Qt keeps the selection meanwhile.
  presenter_.focusEntered(field, isWindowSwitch(reason));
}

}  // namespace quorvel
