#include "ui/program_icon.h"

namespace quorvel {

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/png/quorvel-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

QPixmap programIconImage() {
  return QPixmap(QStringLiteral(":/icons/png/quorvel-32.png"));
}

}  // namespace quorvel
