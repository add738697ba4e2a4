#include "ui/program_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <array>

namespace quorvel {
namespace {

constexpr std::array kSizes{16, 32, 48, 64, 128, 256};

QString imagePath(int size) {
  return QStringLiteral(":/icons/png/quorvel-%1.png").arg(size);
}

// Decodes the images only when the icon is first drawn. Giving a window its icon then costs
// nothing at start-up: X11 asks for the images when the window is mapped, offscreen and Wayland
// never do. The format is named, so that no image plugin is loaded to guess it.
class ProgramIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return loaded().pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal /*scale: size is in device pixels already*/) override {
    return loaded().pixmap(size, 1.0, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return loaded().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    QList<QSize> sizes;
    if (mode != QIcon::Normal || state != QIcon::Off) return sizes;
    for (const int size : kSizes) sizes << QSize(size, size);
    return sizes;
  }
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("quorvel-program-icon"); }
  QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

 private:
  const QIcon& loaded() {
    if (icon_.isNull()) {
      for (const int size : kSizes) icon_.addPixmap(QPixmap(imagePath(size), "PNG"));
    }
    return icon_;
  }

  QIcon icon_;
};

}  // namespace

QIcon programIcon() {
  return QIcon(new ProgramIconEngine);
}

QPixmap programIconImage() {
  return QPixmap(imagePath(32), "PNG");
}

}  // namespace quorvel
