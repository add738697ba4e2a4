#include "sheet/float_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorvel::float_text {
namespace {

// A decimal number as digits × 10^exponent.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

double valueOf(const Decimal& d) {
  return nearest(d.digits + 'e' + std::to_string(d.exponent));
}

// The next number of as many digits up.
Decimal stepUp(Decimal d) {
  auto i = d.digits.size();
  for (; i > 0 && d.digits[i - 1] == '9'; --i) d.digits[i - 1] = '0';
  if (i > 0) {
    ++d.digits[i - 1];
  } else {  // 99 + 1: 10 a place further left
    d.digits.insert(0, 1, '1');
    d.digits.pop_back();
    ++d.exponent;
  }
  return d;
}

// The fewest significant digits that read back as the positive value; of two, the nearer. With
// p digits that is the nearest p-digit number, except at a power of two: the rounding interval
// below it is half as wide as the one above, so the nearest may lie below and outside it while
// the next one up lies inside.
Decimal shortest(double value) {
  Decimal nearestOne;
  for (int precision = 1; precision <= 17; ++precision) {  // 17 digits always read back
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    nearestOne.digits.clear();
    const char* c = buffer;
    for (; *c != 'e'; ++c) {
      if (*c != '.') nearestOne.digits += *c;
    }
    nearestOne.exponent = std::atoi(c + 1) - (precision - 1);
    for (const Decimal& each : {nearestOne, stepUp(nearestOne)}) {
      if (valueOf(each) == value) return each;
    }
  }
  return nearestOne;
}

}  // namespace

double nearest(const std::string& scientific) {
  // Up to 15 digits are a whole double exactly, and so are the powers of ten up to 10^22: one
  // multiplication or division of the two rounds once, to the nearest. The library's reading
  // is exact too, but slow where it computes in a wider type in software (the browser's).
  constexpr int kExactDigits = 15;
  constexpr int kExactPower = 22;
  const std::size_t e = scientific.find('e');
  if (e > 0 && e <= kExactDigits && e + 1 < scientific.size() && scientific.size() - e <= 4) {
    double whole = 0.0;
    std::size_t i = 0;
    for (; i < e && scientific[i] >= '0' && scientific[i] <= '9'; ++i) {
      whole = whole * 10 + (scientific[i] - '0');
    }
    char* end = nullptr;
    const long power = std::strtol(scientific.c_str() + e + 1, &end, 10);
    if (i == e && *end == '\0' && power >= -kExactPower && power <= kExactPower) {
      double ten = 1.0;
      for (long p = 0; p < std::labs(power); ++p) ten *= 10;  // exact up to 10^22
      return power < 0 ? whole / ten : whole * ten;
    }
  }
  return std::strtod(scientific.c_str(), nullptr);
}

std::string shortestFixed(double value) {
  // A whole number: every digit of it, as printf gives them exactly. Below 2^53 no fewer digits
  // read back as it; from there on every double is whole.
  if (value == std::trunc(value)) {
    // Within a 64-bit integer the integer's own digits, without the slow printing of doubles.
    if (std::fabs(value) < 0x1p63 && !(value == 0 && std::signbit(value))) {
      return std::to_string(static_cast<long long>(value));
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
  }
  const Decimal d = shortest(std::fabs(value));
  const std::string sign = value < 0 ? "-" : "";
  const auto point = static_cast<int>(d.digits.size()) + d.exponent;  // digits before the point
  if (point <= 0) return sign + "0." + std::string(-point, '0') + d.digits;
  return sign + d.digits.substr(0, point) + '.' + d.digits.substr(point);
}

}  // namespace quorvel::float_text
