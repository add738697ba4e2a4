#pragma once

#include <QRect>

#include "forms/twips.h"

namespace quorvel {

using forms::kTwipsPerPixel;
using forms::twipsToPixels;

constexpr QRect twipsRect(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QRect twipsRect(const forms::Place& place) {
  return twipsRect(place.left, place.top, place.width, place.height);
}

}  // namespace quorvel
