#include "ui/design_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace quorvel {

void registerFontSubstitutes() {
  static const bool registered = [] {
    if (!QFontDatabase::families().contains(QLatin1String(kDialogFamily))) {
      // The narrow face matches the old bitmap face's widths best: the two-line headings and
      // the eight binary digits fit their boxes with it. The others are fallbacks.
      QFont::insertSubstitutions(
          QLatin1String(kDialogFamily),
          {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
           QStringLiteral("DejaVu Sans")});
    }
    return true;
  }();
  (void)registered;
}

void useDialogFontThroughout() {
  registerFontSubstitutes();
  QApplication::setFont(dialogFont());
}

QFont designFont(const char* family, double points, bool bold) {
  QFont font{QLatin1String(family)};
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

QFont dialogFont() {
  return designFont(kDialogFamily, 8.25);
}

}  // namespace quorvel
