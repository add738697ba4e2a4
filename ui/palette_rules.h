#pragma once

#include <QColor>

class QWidget;

namespace quorvel {

// The contrast ratio of two colours as accessibility guidelines define it: 1 to 21.
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// Disabled boxes keep their greyed look, but their text stays readable: where the palette's
// disabled text is too faint on a disabled box's background, the window's boxes get the nearest
// colour between that grey and the normal text that is. It follows every change of the palette.
void keepDisabledTextReadable(QWidget* window);

// A banner: a fixed back colour with the palette's highlight-text colour for its text.
void showAsBanner(QWidget* label, const QColor& back);

// A fixed text colour where it is readable on the widget's background; otherwise the palette's
// own text colour (a dark desktop theme, say). Follows every change of the palette.
void preferTextColour(QWidget* label, const QColor& colour);

}  // namespace quorvel
