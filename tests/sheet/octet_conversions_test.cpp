#include "sheet/octet_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "sheet_test_support.h"

namespace quorvel {
namespace {

using testing::NamedAfter;

struct NumberCase {
  std::string text;
  double expected;
};

class ToNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ToNumberTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(ToNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToNumberTest,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"000", 0}, NumberCase{"007", 7},
                      NumberCase{"255", 255}, NumberCase{"12a", 12}, NumberCase{"a12", 0},
                      NumberCase{"1 2", 12}, NumberCase{"1\t2\n3", 123}, NumberCase{"-5", 0},
                      NumberCase{"+5", 0}, NumberCase{"1.5", 1.5}, NumberCase{".5", 0.5},
                      NumberCase{"1.2.3", 1.2}, NumberCase{"1e2", 100}, NumberCase{"1E+2", 100},
                      NumberCase{"25e-1", 2.5}, NumberCase{"1e", 1}, NumberCase{"1e+", 1},
                      NumberCase{"   ", 0}, NumberCase{" 24", 24}, NumberCase{"1 e 2", 100},
                      NumberCase{"4294967295", 4294967295.0}, NumberCase{"1\r2", 1},
                      NumberCase{"1e999", INFINITY}, NumberCase{"1e-999", 0},
                      NumberCase{"1e99999999999999999999", INFINITY}),
    NamedAfter<&NumberCase::text>{});

TEST(ToNumber, AgreesWithCorrectRoundingOnLongNumbers) {
  const std::string digits(1000, '7');
  for (const std::string& text : std::vector<std::string>{
           "123456789012345678901234567890", "0.1", "3.0000000000000001", "9007199254740993",
           ("0." + digits), (digits.substr(0, 300) + "e-10"), std::string("36028797018963969")}) {
    EXPECT_EQ(ToNumber(text), std::strtod(text.c_str(), nullptr)) << text.substr(0, 40);
  }
  // A number with more digits than a double can tell apart still rounds on all of them.
  const std::string halfway = "9007199254740993" + std::string(900, '0') + "1";
  EXPECT_EQ(ToNumber(halfway), std::strtod(halfway.c_str(), nullptr));
  EXPECT_EQ(ToNumber(std::string(1 << 20, '9')), INFINITY);
}

TEST(DecimalText, WritesPlainDigitsNeverExponents) {
  const struct {
    double value;
    const char* decimal;
    const char* signedText;
  } cases[] = {{0, "0", " 0"},
               {-0.0, "0", " 0"},
               {24, "24", " 24"},
               {-2, "-2", "-2"},
               {3232235777.0, "3232235777", " 3232235777"},
               {4294967295.0, "4294967295", " 4294967295"},
               {1e20, "100000000000000000000", " 100000000000000000000"},
               {1.5, "1.5", " 1.5"},
               {255.998046875, "255.998046875", " 255.998046875"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ToDecimalText(c.value), c.decimal);
    EXPECT_EQ(ToSignedText(c.value), c.signedText);
  }
}

TEST(HexPair, KeepsTheLowByteInTwoUpperCaseDigits) {
  const struct {
    double value;
    const char* hex;
  } cases[] = {{0, "00"},
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
  for (const auto& c : cases) EXPECT_EQ(ToHexPair(c.value), c.hex) << c.value;
}

TEST(BitString, TurnsFirstAndLastDigitIntoNibbles) {
  const struct {
    const char* hex;
    const char* bits;
  } cases[] = {{"00", "00000000"}, {"0A", "00001010"}, {"C0", "11000000"}, {"FF", "11111111"},
               {"fa", "11111010"}, {"G1", "0001"},     {"1G", "0001"},     {"GG", ""},
               {"F", "11111111"},  {"", ""},           {"1x2", "00010010"}};
  for (const auto& c : cases) EXPECT_EQ(ToBitString(c.hex), c.bits) << c.hex;
}

}  // namespace
}  // namespace quorvel
