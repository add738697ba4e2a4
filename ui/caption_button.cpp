#include "ui/caption_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvel {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CaptionButton::focusInEvent(QFocusEvent* event) {
  QPushButton::focusInEvent(event);
  emit focusEntered(event->reason());
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !event->isAutoRepeat() &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void CaptionButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  const QRect label = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
  painter.drawItemText(label, flags, option.palette, isEnabled(), text(), QPalette::ButtonText);

  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace quorvel
