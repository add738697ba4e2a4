#include "ui/separator_mark.h"

#include <QFontDatabase>
#include <QPainter>

#include "ui/design_font.h"

namespace quorvel {

SeparatorMark::SeparatorMark(QWidget* parent)
    : QLabel(QStringLiteral("$"), parent),
      ownMark_(!QFontDatabase::families().contains(QLatin1String(kSymbolFamily))) {
  setFont(designFont(kSymbolFamily, 18));
  setAccessibleName(QStringLiteral("dot"));
}

void SeparatorMark::paintEvent(QPaintEvent* event) {
  if (!ownMark_) {
    QLabel::paintEvent(event);
    return;
  }
  // A dot the size of a full stop, on the baseline of the neighbouring boxes' digits.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(foregroundRole()));
  const qreal diameter = 3.0;
  const QPointF centre(width() / 2.0, height() * 0.68);
  painter.drawEllipse(centre, diameter / 2, diameter / 2);
}

}  // namespace quorvel
