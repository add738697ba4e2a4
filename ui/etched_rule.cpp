#include "ui/etched_rule.h"

#include <QPainter>

namespace quorvel {

EtchedRule::EtchedRule(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EtchedRule::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(0, 0, width(), 1, QColor(128, 128, 128));
  painter.fillRect(1, 1, width() - 1, 2, Qt::white);
}

}  // namespace quorvel
