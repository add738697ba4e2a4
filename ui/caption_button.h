#pragma once

#include <QPushButton>

namespace quorvel {

// A push button whose caption wraps onto further lines when it is wider than the button, which
// Enter presses when it holds the focus (the main window has no default button to take Enter),
// and which reports when it receives the focus, after Qt's own handling.
class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  CaptionButton(const QString& caption, QWidget* parent);

 signals:
  void focusEntered(Qt::FocusReason reason);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel
