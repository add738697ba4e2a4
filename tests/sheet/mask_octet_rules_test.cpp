#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "sheet/address_sheet.h"
#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

struct MaskCase {
  const char* typed;
  const char* hex;
  const char* binary;
  const char* subnetBits;
  const char* hostBits;
};

struct CountedMask {
  const char* firstOctet;  // sets the class, and so the network bits the rule reads
  Field entry, hex, binary;
  int networkBits;
};

class CountedMaskRuleTest : public ::testing::TestWithParam<std::tuple<CountedMask, MaskCase>> {};

// Shown for class C (24 network bits); other classes shift the host bits only.
TEST_P(CountedMaskRuleTest, CountsTheOneBitsOfItsOwnOctet) {
  const auto& [mask, c] = GetParam();
  AddressSheet sheet = SheetWithFirstOctet(mask.firstOctet);
  Enter(sheet, mask.entry, c.typed);
  EXPECT_EQ(sheet.text(mask.hex), c.hex);
  EXPECT_EQ(sheet.text(mask.binary), c.binary);
  EXPECT_EQ(sheet.text(F::Text28), c.subnetBits);
  const int hostBits = std::stoi(c.hostBits) + 24 - mask.networkBits;
  EXPECT_EQ(sheet.text(F::Text27), " " + std::to_string(hostBits));
}

INSTANTIATE_TEST_SUITE_P(
    OctetsThreeAndFour, CountedMaskRuleTest,
    ::testing::Combine(::testing::Values(CountedMask{"200", F::Text23, F::Text19, F::Text15, 24},
                                         CountedMask{"150", F::Text23, F::Text19, F::Text15, 16},
                                         CountedMask{"150", F::Text24, F::Text20, F::Text16, 16},
                                         CountedMask{"10", F::Text24, F::Text20, F::Text16, 8}),
                       ::testing::Values(MaskCase{"", "00", "00000000", " 0", " 8"},
                                         MaskCase{"0", "00", "00000000", " 0", " 8"},
                                         MaskCase{"1", "01", "00000001", " 1", " 7"},
                                         MaskCase{"192", "C0", "11000000", " 2", " 6"},
                                         MaskCase{"254", "FE", "11111110", " 7", " 1"},
                                         MaskCase{"255", "FF", "11111111", " 8", " 0"},
                                         MaskCase{"19", "13", "00010011", " 3", " 5"},
                                         MaskCase{"256", "00", "00000000", " 0", " 8"},
                                         MaskCase{"300", "2C", "00101100", " 3", " 5"},
                                         MaskCase{"999", "E7", "11100111", " 6", " 2"},
                                         MaskCase{"4294967296", "00", "00000000", " 0", " 8"},
                                         MaskCase{"1e999", "00", "00000000", " 0", " 8"},
                                         MaskCase{"12abc", "0C", "00001100", " 2", " 6"})),
    [](const auto& row) {
      return std::to_string(row.index) + "_" + Name(std::get<0>(row.param).entry) + "_" +
             Identifier(std::get<1>(row.param).typed);
    });

TEST(MaskRules, OnlyTheLastChangedOctetCounts) {
  AddressSheet sheet = SheetWithFirstOctet("150");  // class B
  Enter(sheet, F::Text24, "255");
  ExpectTexts(sheet, {{F::Text20, "FF"}, {F::Text28, " 8"}, {F::Text27, " 8"}});
  Enter(sheet, F::Text23, "192");
  ExpectTexts(sheet, {{F::Text19, "C0"}, {F::Text28, " 2"}, {F::Text27, " 14"}});
}

TEST(MaskRules, OctetTwoShowsItsFormsAndLeavesTheCountsAlone) {
  AddressSheet sheet = SheetWithFirstOctet("10");
  Enter(sheet, F::Text24, "255");
  Enter(sheet, F::Text25, "255");
  ExpectTexts(sheet, {{F::Text21, "FF"},
                      {F::Text17, "11111111"},
                      {F::Text28, " 8"},
                      {F::Text27, " 16"},
                      {F::Text33, "256"}});
  Enter(sheet, F::Text25, "300");
  ExpectTexts(sheet, {{F::Text21, "2C"}, {F::Text17, "00101100"}, {F::Text28, " 8"}});
}

}  // namespace
}  // namespace quorvel::testing
