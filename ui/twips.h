#pragma once

#include <QRect>

namespace quorvel {

// The windows' layouts are given in twips: 1440 to the inch, 15 to the pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace quorvel
