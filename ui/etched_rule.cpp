#include "ui/etched_rule.h"

#include <QPainter>

#include "forms/about_layout.h"

namespace quorvel {

EtchedRule::EtchedRule(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EtchedRule::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const auto colour = [](const forms::RuleLine& line) {
    return QColor(line.colour.red, line.colour.green, line.colour.blue);
  };
  // The light line starts one pixel further right and lies just below the shade.
  const forms::RuleLine& shade = forms::kLine1Shade;
  const forms::RuleLine& light = forms::kLine1Light;
  painter.fillRect(0, 0, width(), shade.pixels, colour(shade));
  painter.fillRect(1, shade.pixels, width() - 1, light.pixels, colour(light));
}

}  // namespace quorvel
