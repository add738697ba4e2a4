#pragma once

#include <cstdint>

// Colours and the rules that keep text readable on them, for every window alike.
namespace quorvel::forms {

struct Rgb {
  std::uint8_t red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The contrast ratio of two colours as accessibility guidelines define it: 1 to 21.
[[nodiscard]] double contrastRatio(Rgb a, Rgb b);

// The least contrast that keeps small text readable.
inline constexpr double kReadableContrast = 4.5;

// A fixed text colour where it reads on the background; else the theme's own text colour.
[[nodiscard]] Rgb readableOr(Rgb wanted, Rgb own, Rgb background);

// Black or white, whichever stands out more on the background.
[[nodiscard]] Rgb strongestInk(Rgb background);

// The colour of a disabled box's text: the theme's disabled grey where it reads on the box,
// else the colour nearest to it on the way to the normal text colour that does. Small text is
// drawn antialiased and its thin strokes come out lighter than their colour, so the colour aims
// at 8:1: that leaves the darkest pixels of the dialog face's strokes above 4.5:1 as drawn.
[[nodiscard]] Rgb readableDisabledText(Rgb background, Rgb grey, Rgb text);

}  // namespace quorvel::forms
