#pragma once

#include <QFont>

#include "forms/fonts.h"

namespace quorvel {

// The faces the windows were laid out with.
using forms::kDialogFamily;
using forms::kSymbolFamily;

// Maps the dialog face to a narrow sans-serif face where it is not installed, so captions keep
// the widths the layout was drawn for. Safe to call more than once; registers only the first time.
void registerFontSubstitutes();

// Makes the dialog face the whole program's, substitutes included: message boxes and menus then
// share it, and Qt lays out each new box in it from the start instead of first loading the
// system face for nothing. Call once the application exists, before the first window.
void useDialogFontThroughout();

// A font by the layout's name, size in points (fractions allowed) and weight.
[[nodiscard]] QFont designFont(const char* family, double points, bool bold = false);

// The window default: the dialog face at 8.25 points, regular.
[[nodiscard]] QFont dialogFont();

}  // namespace quorvel
