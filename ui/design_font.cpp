#include "ui/design_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace quorvel {

namespace {

// The installed face that stands in for the dialog face; empty where that face is installed.
const QString& standIn() {
  static const QString face = [] {
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QLatin1String(kDialogFamily))) return QString();
    for (const char* candidate : forms::kDialogStandIns) {
      if (installed.contains(QLatin1String(candidate))) return QString::fromLatin1(candidate);
    }
    return QString();
  }();
  return face;
}

}  // namespace

void registerFontSubstitutes() {
  static const bool registered = [] {
    if (!standIn().isEmpty()) QFont::insertSubstitution(QLatin1String(kDialogFamily), standIn());
    return true;
  }();
  (void)registered;
}

void useDialogFontThroughout() {
  registerFontSubstitutes();
  QApplication::setFont(dialogFont());
}

QFont designFont(const char* family, double points, bool bold) {
  // The stand-in is asked for by its own name: a face that is not installed sends every font
  // through Qt's search for a substitute, which costs start-up time for each of the six faces.
  const bool substituted = qstrcmp(family, kDialogFamily) == 0 && !standIn().isEmpty();
  QFont font{substituted ? standIn() : QLatin1String(family)};
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

QFont dialogFont() {
  return designFont(kDialogFamily, 8.25);
}

}  // namespace quorvel
