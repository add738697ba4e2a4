#include "forms/colours.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quorvel::forms {
namespace {

constexpr double kDisabledAim = 8.0;

double luminance(Rgb c) {
  const auto linear = [](std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

Rgb blend(Rgb from, Rgb to, double t) {
  const auto mix = [t](std::uint8_t a, std::uint8_t b) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
  };
  return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

Rgb searchReadable(Rgb background, Rgb from, Rgb to) {
  if (contrastRatio(from, background) >= kDisabledAim) return from;
  if (contrastRatio(to, background) < kDisabledAim) return strongestInk(background);
  double low = 0.0;
  double high = 1.0;
  for (int i = 0; i < 16; ++i) {
    const double mid = (low + high) / 2;
    (contrastRatio(blend(from, to, mid), background) >= kDisabledAim ? high : low) = mid;
  }
  return blend(from, to, high);
}

}  // namespace

double contrastRatio(Rgb a, Rgb b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableOr(Rgb wanted, Rgb own, Rgb background) {
  return contrastRatio(wanted, background) >= kReadableContrast ? wanted : own;
}

Rgb strongestInk(Rgb background) {
  // Black and white stand out equally on a luminance of about 0.18.
  return luminance(background) > 0.18 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

Rgb readableDisabledText(Rgb background, Rgb grey, Rgb text) {
  // Every box asks with the same three colours, and the search costs some hundred pow() calls:
  // the last answer is kept.
  struct Answer {
    Rgb background, grey, text, readable;
  };
  static std::optional<Answer> last;
  if (!last || last->background != background || last->grey != grey || last->text != text) {
    last = Answer{background, grey, text, searchReadable(background, grey, text)};
  }
  return last->readable;
}

}  // namespace quorvel::forms
