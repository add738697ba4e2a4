#include "ui/separator_mark.h"

#include <QFontDatabase>
#include <QPainter>

#include "ui/design_font.h"

namespace quorvel {
namespace {

// Asked once: the answer does not change while the program runs, and there are 18 marks.
bool symbolFaceInstalled() {
  static const bool installed = QFontDatabase::families().contains(QLatin1String(kSymbolFamily));
  return installed;
}

}  // namespace

SeparatorMark::SeparatorMark(QWidget* parent)
    : QLabel(QStringLiteral("$"), parent), ownMark_(!symbolFaceInstalled()) {
  // The face only matters where it draws the caption; loading it for nothing costs start-up.
  if (!ownMark_) setFont(designFont(kSymbolFamily, 18));
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
