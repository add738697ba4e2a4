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
  return std::strtod(scientific.c_str(), nullptr);
}

std::string shortestFixed(double value) {
  // A whole number: every digit of it, as printf gives them exactly. Below 2^53 no fewer digits
  // read back as it; from there on every double is whole.
  if (value == std::trunc(value)) {
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
