#include "ui/separator_mark.h"

#include <QFontDatabase>
#include <QPainter>

#include "forms/form1_layout.h"
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
    : QLabel(QString::fromUtf8(forms::kSeparatorCaption), parent),
      ownMark_(!symbolFaceInstalled()) {
  // The face only matters where it draws the caption; loading it for nothing costs start-up.
  if (!ownMark_) setFont(designFont(kSymbolFamily, 18));
  setAccessibleName(QString::fromUtf8(forms::kSeparatorAccessibleName));
}

void SeparatorMark::paintEvent(QPaintEvent* event) {
  if (!ownMark_) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(foregroundRole()));
  const qreal diameter = forms::kSeparatorDotPixels;
  const QPointF centre(width() / 2.0, height() * forms::kSeparatorDotCentrePercent / 100.0);
  painter.drawEllipse(centre, diameter / 2, diameter / 2);
}

}  // namespace quorvel
