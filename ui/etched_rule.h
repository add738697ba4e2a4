#pragma once

#include <QWidget>

namespace quorvel {

// A horizontal etched rule: a grey line one pixel wide with a white line two pixels wide below
// it, starting one pixel further right.
class EtchedRule : public QWidget {
  Q_OBJECT

 public:
  explicit EtchedRule(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel
