#pragma once

#include <string>

// Decimal texts of doubles for a standard library without the floating-point std::to_chars and
// std::from_chars (the one the browser build uses). Both give exactly what those give.
namespace quorvel::float_text {

// The double nearest to a number written as digits, 'e' and a decimal exponent ("125e-2"):
// infinity above the largest double, 0 below the smallest.
[[nodiscard]] double nearest(const std::string& scientific);

// A finite double as std::to_chars writes it in fixed notation: a whole number with every digit,
// any other with the fewest digits that read back as it (of two, the nearer).
[[nodiscard]] std::string shortestFixed(double value);

}  // namespace quorvel::float_text
