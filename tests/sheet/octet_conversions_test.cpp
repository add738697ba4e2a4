#include "sheet/octet_conversions.h"
#include "sheet/utf8_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

TEST(ToNumber, ReadsTheNumberTheTextBeginsWith) {
  const Row<const char*, double> cases[] = {{"", 0},        {"   ", 0},       {" 24", 24},
                                            {"007", 7},     {"12a", 12},      {"a12", 0},
                                            {"1 2", 12},    {"1\t2\n3", 123}, {"1\r2", 1},
                                            {"-5", 0},      {"1.5", 1.5},     {".5", 0.5},
                                            {"1.2.3", 1.2}, {"1e2", 100},     {"1E+2", 100},
                                            {"25e-1", 2.5}, {"1 e 2", 100},   {"1e", 1},
                                            {"1e+", 1},     {"1e-999", 0},    {"1e999", INFINITY}};
  for (const auto& c : cases) EXPECT_EQ(ToNumber(c.in), c.out) << '"' << c.in << '"';
  EXPECT_EQ(ToNumber("1e99999999999999999999"), INFINITY);  // an exponent beyond any integer
}

TEST(ToNumber, RoundsLongNumbersOnAllTheirDigits) {
  const std::string sevens(1000, '7');
  for (const std::string& text : std::vector<std::string>{
           "123456789012345678901234567890", "0.1", "3.0000000000000001", "9007199254740993",
           "0." + sevens, sevens.substr(0, 300) + "e-10",
           // Halfway between two doubles, and just above it by a digit far beyond the others.
           "9007199254740993." + std::string(900, '0'),
           "9007199254740993." + std::string(900, '0') + "1",
           // Runs of zeros and digits read eight at a time: leading, and past the kept digits.
           std::string(1000, '0') + "12.5", "0." + std::string(330, '0') + "5",
           "9007199254740993" + std::string(900, '0') + "1" + std::string(16, '0') + "e-917",
           "1" + std::string(800, '0') + ":000000e-700"}) {
    EXPECT_EQ(ToNumber(text), std::strtod(text.c_str(), nullptr)) << text.substr(0, 40);
  }
  EXPECT_EQ(ToNumber(std::string(1 << 20, '9')), INFINITY);
}

TEST(DecimalText, WritesPlainDigitsNeverAnExponent) {
  const Row<double, const char*> cases[] = {{0, "0"},
                                            {-0.0, "0"},
                                            {-2, "-2"},
                                            {4294967295.0, "4294967295"},
                                            {1e20, "100000000000000000000"},
                                            {255.998046875, "255.998046875"}};
  for (const auto& c : cases) EXPECT_EQ(ToDecimalText(c.in), c.out);
  EXPECT_EQ(ToSignedText(0), " 0");
  EXPECT_EQ(ToSignedText(24), " 24");
  EXPECT_EQ(ToSignedText(-2), "-2");
}

TEST(HexPair, KeepsTheLowByteOfTheWholePartInTwoUpperCaseDigits) {
  const Row<double, const char*> cases[] = {{0, "00"},
                                            {9, "09"},
                                            {10, "0A"},
                                            {171, "AB"},
                                            {255, "FF"},
                                            {256, "00"},
                                            {300, "2C"},
                                            {2147483647.0, "FF"},
                                            {4294967296.0 + 19, "13"},
                                            {1.9, "01"},
                                            {INFINITY, "00"},
                                            {-1, "FF"}};
  for (const auto& c : cases) EXPECT_EQ(ToHexPair(c.in), c.out) << c.in;
}

TEST(BitString, TurnsTheFirstAndLastDigitIntoNibbles) {
  const Row<const char*, const char*> cases[] = {
      {"0A", "00001010"}, {"C0", "11000000"}, {"fa", "11111010"},
      {"G1", "0001"},     {"1G", "0001"},     {"GG", ""},
      {"F", "11111111"},  {"", ""},           {"1x2", "00010010"}};
  for (const auto& c : cases) EXPECT_EQ(ToBitString(c.in), c.out) << c.in;
}

// Cuts and carets count characters: a well-formed sequence of two to four bytes is one, at
// either end of each lead byte's range; any other byte counts alone.
TEST(Utf8Text, CountsCharacters) {
  const Row<const char*, std::size_t> cases[] = {
      {"\xC2\x80\xDF\xBF", 2},
      {"\xE0\xA0\x80\xEF\xBF\xBF", 2},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", 2},
      {"\xC1\x80\xF5\x80\x80\x80", 6},  // leads no sequence starts with
      {"\xE2\x82", 2},                  // cut short
      {"\xE2\x82z\xE2z\x82", 6}};       // broken by a character that continues nothing
  for (const auto& c : cases) EXPECT_EQ(utf8::charCount(c.in), c.out) << c.in;
}

// The captions' build check: each lead's edges pass; overlong forms, surrogates, values past
// U+10FFFF and cut sequences fail it.
static_assert(utf8::isWellFormed(
    "a\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"));
static_assert(!utf8::isWellFormed("\xC1\xBF") && !utf8::isWellFormed("\xE0\x9F\xBF") &&
              !utf8::isWellFormed("\xED\xA0\x80") && !utf8::isWellFormed("\xF0\x8F\xBF\xBF") &&
              !utf8::isWellFormed("\xF4\x90\x80\x80") && !utf8::isWellFormed("\xE2\x82") &&
              !utf8::isWellFormed("\xE2\x82z"));

}  // namespace
}  // namespace quorvel::testing
