// Prints what the sheet makes of a large seeded set of numbers and typed texts: the numbers as it
// writes them (ToDecimalText), the texts as it reads them (ToNumber, to 17 digits). The browser
// build, without the floating-point std::to_chars and std::from_chars, must print the very same
// lines as the native one (scripts/web compares them).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "sheet/octet_conversions.h"

int main() {
  std::mt19937_64 random(20261206);
  const auto ofBits = [](std::uint64_t bits) {  // the browser's library has no std::bit_cast
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  };
  // Powers of two and their neighbours, where the rounding interval is lopsided; fractions of few
  // bits; whole numbers; any bit pattern.
  for (int i = 0; i < 10'000; ++i) {
    const auto bits = static_cast<std::int64_t>(random() >> 11);
    const int scale = static_cast<int>(random() % 2098) - 1074;
    const double values[] = {
        std::ldexp(1.0, scale), std::ldexp(static_cast<double>(bits % 4096), scale / 27),
        static_cast<double>(bits >> (random() % 53)), ofBits(random() & 0x7FFF'FFFF'FFFF'FFFFU)};
    for (const double value : values) {
      for (const double each :
           {value, std::nextafter(value, 0.0), std::nextafter(value, INFINITY)}) {
        if (std::isfinite(each)) std::printf("%s\n", quorvel::ToDecimalText(each).c_str());
      }
    }
  }
  // Typed numbers: up to 40 digits, a point anywhere, and any exponent, beyond the doubles both
  // ways.
  for (int i = 0; i < 100'000; ++i) {
    std::string text(1 + random() % 40, '0');
    for (char& digit : text) digit = static_cast<char>('0' + random() % 10);
    text.insert(random() % text.size(), 1, '.');
    text += "e" + std::to_string(static_cast<int>(random() % 760) - 380);
    std::printf("%s %.17g\n", text.c_str(), quorvel::ToNumber(text));
  }
}
