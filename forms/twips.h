#pragma once

namespace quorvel::forms {

// The windows are laid out in twips: 1440 to the inch, 15 to the pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kBaseDpi = kTwipsPerInch / kTwipsPerPixel;

// Whole pixels at the given resolution, rounded down as the layout was drawn at 96 dpi.
constexpr int twipsToPixels(int twips, int dpi = kBaseDpi) {
  return twips * dpi / kTwipsPerInch;
}

// A rectangle in twips from the top-left corner of a window's client area.
struct Place {
  int left, top, width, height;
  friend constexpr bool operator==(const Place&, const Place&) = default;
};

}  // namespace quorvel::forms
