#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "sheet/address_sheet.h"
#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

struct OctetFields {
  Field entry, hex, binary;
};

struct KeystrokeCase {
  const char* name;
  const char* before;  // what the field holds before the keystroke
  const char* typed;   // the field's text right after the keystroke
  int caret;           // the caret right after the keystroke
  const char* entry;   // what the rules leave
  const char* hex;
  const char* binary;
};

const KeystrokeCase kKeystrokes[] = {
    {"OneOverSelection", "000", "1", 1, "1", "01", "00000001"},
    {"LeadingZerosStay", "00", "007", 3, "007", "07", "00000111"},
    {"EmptiedStaysEmpty", "1", "", 0, "", "00", "00000000"},
    {"AtMost255Stays", "25", "255", 3, "255", "FF", "11111111"},
    {"Above255Clamps", "25", "256", 3, "255", "FF", "11111111"},
    {"FourthDigitAtEndKeepsLastThree", "123", "1234", 4, "234", "EA", "11101010"},
    {"FourthDigitAtStartKeepsFirstThree", "123", "4123", 1, "255", "FF", "11111111"},
    {"FourthDigitInMiddleKeepsLastThree", "100", "1200", 2, "200", "C8", "11001000"},
    {"CutKeepsFirstThreeAtCaretZero", "123", "1123", 0, "112", "70", "01110000"},
    {"KeyAfterCutGoesInFront", "234", "5234", 1, "255", "FF", "11111111"},
    {"PasteLosesBlanksAfterCut", "1", "12  ", 4, "2", "02", "00000010"},
    {"InnerBlankStays", "1", " 12 4", 5, "2 4", "18", "00011000"},
    {"TabIsNoBlankToTrim", "1", "\t\t\t\t5", 5, "\t\t5", "05", "00000101"},
    {"FractionUsesItsWholePart", "1", "1.9", 3, "1.9", "01", "00000001"},
    {"ExponentIsANumber", "1", "2e2", 3, "2e2", "C8", "11001000"},
    {"LetterReadsAsZero", "1", "x7", 2, "x7", "00", "00000000"},
    {"CharactersNotBytes", "1",
     "\xC3\xA9"
     "123",
     4, "123", "7B", "01111011"},
};

class OctetRuleTest : public ::testing::TestWithParam<std::tuple<OctetFields, KeystrokeCase>> {};

TEST_P(OctetRuleTest, CutsClampsAndShowsTheOctet) {
  const auto& [fields, c] = GetParam();
  AddressSheet sheet;
  sheet.setText(fields.entry, c.before);
  sheet.edit(fields.entry, c.typed, c.caret);
  EXPECT_EQ(sheet.text(fields.entry), c.entry);
  EXPECT_EQ(sheet.text(fields.hex), c.hex);
  EXPECT_EQ(sheet.text(fields.binary), c.binary);
  EXPECT_EQ(sheet.selStart(fields.entry), sheet.text(fields.entry) == c.typed ? c.caret : 0)
      << "a rewrite leaves the caret at the start";
}

INSTANTIATE_TEST_SUITE_P(
    EveryAddressOctet, OctetRuleTest,
    ::testing::Combine(::testing::Values(OctetFields{F::Text1, F::Text5, F::Text9},
                                         OctetFields{F::Text2, F::Text6, F::Text10},
                                         OctetFields{F::Text3, F::Text7, F::Text11},
                                         OctetFields{F::Text4, F::Text8, F::Text12}),
                       ::testing::ValuesIn(kKeystrokes)),
    [](const auto& row) {
      return Name(std::get<0>(row.param).entry) + "_" + std::get<1>(row.param).name;
    });

TEST(WholeAddressNumber, FollowsEveryOctetRule) {
  AddressSheet sheet;
  Enter(sheet, F::Text1, "10");
  Enter(sheet, F::Text3, "5");
  EXPECT_EQ(sheet.text(F::Text31), "167773440");  // the third octet's rule reads all four

  Enter(sheet, F::Text2, "168");
  Enter(sheet, F::Text4, "1");
  Enter(sheet, F::Text3, "1");
  Enter(sheet, F::Text1, "192");
  EXPECT_EQ(sheet.text(F::Text31), "3232235777");

  for (Field f : {F::Text1, F::Text2, F::Text3, F::Text4}) Enter(sheet, f, "999");
  EXPECT_EQ(sheet.text(F::Text31), "4294967295");

  Enter(sheet, F::Text4, "0.5");
  EXPECT_EQ(sheet.text(F::Text31), "4294967040.5");
}

}  // namespace
}  // namespace quorvel::testing
