#include "sheet/octet_conversions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "sheet/float_text.h"

namespace quorvel {
namespace {

// The floating-point conversions of the standard library where it has them (a test builds the
// stand-ins natively too, with QUORVEL_FLOAT_TEXT_FALLBACK).
#if __cpp_lib_to_chars >= 201611L && !defined(QUORVEL_FLOAT_TEXT_FALLBACK)
// Nothing where the number lies beyond the doubles, above or below.
std::optional<double> nearestDouble(const std::string& scientific) {
  double value = 0.0;
  const auto [end, ec] =
      std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
  if (ec == std::errc::result_out_of_range) return std::nullopt;
  return value;
}
std::string fixedText(double value) {
  char buffer[1100];  // the longest plain form of a double is 767 digits and a sign
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return ec == std::errc{} ? std::string(buffer, end) : "0";
}
#else
std::optional<double> nearestDouble(const std::string& scientific) {
  return float_text::nearest(scientific);
}
std::string fixedText(double value) {
  return float_text::shortestFixed(value);
}
#endif

bool isSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Walks the text as ToNumber sees it: blanks, tabs and line feeds do not exist.
class NumberScanner {
 public:
  explicit NumberScanner(std::string_view text) : text_(text) { skip(); }
  [[nodiscard]] char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void next() {
    ++at_;
    skip();
  }
  [[nodiscard]] std::size_t position() const { return at_; }
  void rewind(std::size_t position) { at_ = position; }
  // The next eight characters as one word, when all eight are digits; a pasted megabyte of
  // digits is then read a word at a time.
  [[nodiscard]] bool eightDigits(std::uint64_t& word) const {
    if (text_.size() - at_ < 8) return false;
    std::memcpy(&word, text_.data() + at_, 8);
    // Each byte 0x30..0x39: its high half is 3, and adding 6 leaves it 3.
    constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0;
    return ((word & kHigh) | (((word + 0x0606060606060606) & kHigh) >> 4)) == 0x3333333333333333;
  }
  void skipEight() {
    at_ += 8;
    skip();
  }

 private:
  void skip() {
    while (at_ < text_.size() && isSkipped(text_[at_])) ++at_;
  }
  std::string_view text_;
  std::size_t at_ = 0;
};

// Enough significant digits to round any decimal number correctly to a double; the digits
// dropped beyond them only matter through whether one of them is not zero.
constexpr std::size_t kSignificantDigits = 800;
constexpr long long kExponentLimit = 1'000'000'000;

}  // namespace

double ToNumber(std::string_view text) {
  NumberScanner scan(text);
  std::string digits;  // significant digits, without leading zeros
  bool droppedNonzero = false;
  long long exponent = 0;  // power of ten to apply to `digits` read as a whole number

  auto takeDigit = [&](char c, bool fraction) {
    if (digits.empty() && c == '0') {
      if (fraction) --exponent;
      return;
    }
    if (digits.size() < kSignificantDigits) {
      digits.push_back(c);
      if (fraction) --exponent;
    } else {
      droppedNonzero = droppedNonzero || c != '0';
      if (!fraction) ++exponent;
    }
  };

  // Eight digits at once where they only count: leading zeros, or digits past the significant
  // ones.
  auto takeEight = [&](bool fraction) {
    std::uint64_t word = 0;
    if (!scan.eightDigits(word)) return false;
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    if (digits.empty() && word == kZeros) {
      if (fraction) exponent -= 8;
    } else if (digits.size() >= kSignificantDigits) {
      droppedNonzero = droppedNonzero || word != kZeros;
      if (!fraction) exponent += 8;
    } else {
      return false;
    }
    scan.skipEight();
    return true;
  };

  while (isDigit(scan.peek())) {
    if (takeEight(false)) continue;
    takeDigit(scan.peek(), false);
    scan.next();
  }
  if (scan.peek() == '.') {
    scan.next();
    while (isDigit(scan.peek())) {
      if (takeEight(true)) continue;
      takeDigit(scan.peek(), true);
      scan.next();
    }
  }
  if (scan.peek() == 'E' || scan.peek() == 'e') {
    const std::size_t mark = scan.position();
    scan.next();
    bool negative = false;
    if (scan.peek() == '+' || scan.peek() == '-') {
      negative = scan.peek() == '-';
      scan.next();
    }
    if (isDigit(scan.peek())) {
      long long value = 0;
      while (isDigit(scan.peek())) {
        value = std::min(kExponentLimit, value * 10 + (scan.peek() - '0'));
        scan.next();
      }
      exponent += negative ? -value : value;
    } else {
      scan.rewind(mark);  // an exponent letter with no digits is not part of the number
    }
  }

  if (digits.empty()) return 0.0;
  if (droppedNonzero) {
    digits.push_back('1');
    --exponent;
  }
  const auto magnitude = static_cast<long long>(digits.size()) + exponent;
  if (magnitude > 400) return std::numeric_limits<double>::infinity();
  if (magnitude < -400) return 0.0;
  digits.push_back('e');
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, exponent);
  digits.append(buffer, end);

  if (const std::optional<double> value = nearestDouble(digits)) return *value;
  return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

std::string ToDecimalText(double value) {
  if (value == 0.0) return "0";  // also for -0, which no user means
  return fixedText(value);
}

std::string ToSignedText(double value) {
  if (!(value >= 0.0)) return ToDecimalText(value);
  std::string text(1, ' ');
  text += ToDecimalText(value);
  return text;
}

std::string ToHexPair(double value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (!std::isfinite(value)) return "00";
  double low = std::fmod(std::floor(value), 256.0);
  if (low < 0) low += 256.0;
  const int byte = static_cast<int>(low);
  return {kDigits[byte / 16], kDigits[byte % 16]};
}

std::optional<std::string_view> lookUpNibble(char digit) {
  for (const NibbleEntry& entry : NibbleTable) {
    if (entry.key == digit) return entry.bits;
  }
  return std::nullopt;
}

std::string ToBitString(std::string_view hex) {
  std::string bits;
  if (hex.empty()) return bits;
  if (auto first = lookUpNibble(hex.front())) bits = *first;
  if (auto last = lookUpNibble(hex.back())) bits += *last;
  return bits;
}

}  // namespace quorvel
