#include <gtest/gtest.h>

#include <string>

#include "sheet/address_sheet.h"
#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

struct TotalsCase {
  const char* firstOctet;
  Field maskField;
  const char* typed;
  const char* subnets;
  const char* usableHosts;
  const char* noteNumber;
  bool noteShown;
};

class TotalsTest : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(TotalsTest, FollowTheMask) {
  const TotalsCase& c = GetParam();
  AddressSheet sheet = SheetWithFirstOctet(c.firstOctet);
  Enter(sheet, c.maskField, c.typed);
  EXPECT_EQ(sheet.text(F::Text33), c.subnets);
  EXPECT_EQ(sheet.text(F::Text34), c.usableHosts);
  EXPECT_EQ(sheet.text(F::Text35), std::string("Note: an additional ") + c.noteNumber +
                                       " hosts can be defined if you use subnet 0 and the last "
                                       "(all 1's) subnet)");
  EXPECT_EQ(sheet.isVisible(F::Text35), c.noteShown);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, TotalsTest,
    ::testing::Values(TotalsCase{"200", F::Text23, "128", "2", "0", "252", true},
                      TotalsCase{"200", F::Text23, "192", "4", "124", "124", true},
                      TotalsCase{"200", F::Text23, "224", "8", "180", "60", true},
                      TotalsCase{"200", F::Text23, "252", "64", "124", "4", true},
                      TotalsCase{"200", F::Text23, "254", "128", "0", "0", true},
                      TotalsCase{"150", F::Text23, "255", "256", "64516", "508", true},
                      TotalsCase{"10", F::Text24, "224", "8", "12582900", "4194300", true},
                      // No host bits left: no usable host, never a negative count.
                      TotalsCase{"200", F::Text23, "255", "256", "0", "0", true},
                      // No subnet bits: one network with all its hosts.
                      TotalsCase{"200", F::Text23, "0", "1", "254", "508", false}),
    NamedAfter<&TotalsCase::typed>{});

TEST(BitCountRules, AnyZeroSpellingHidesTheNote) {
  for (const char* zero : {" 0", "  0", "   ", "0", "000", ""}) {
    AddressSheet sheet;
    sheet.setText(F::Text28, " 3");
    ASSERT_TRUE(sheet.isVisible(F::Text35));
    sheet.setText(F::Text28, zero);
    EXPECT_EQ(sheet.text(F::Text33), "1") << '"' << zero << '"';
    EXPECT_FALSE(sheet.isVisible(F::Text35)) << '"' << zero << '"';
  }
}

TEST(BitCountRules, ArbitraryCountsGiveNoNegativeOrUndefinedTotals) {
  AddressSheet sheet;
  sheet.setText(F::Text28, "0.5");
  sheet.setText(F::Text27, "1e999");
  EXPECT_EQ(sheet.text(F::Text34), "0");
  sheet.setText(F::Text28, "0");
  EXPECT_EQ(sheet.text(F::Text33), "1");
}

}  // namespace
}  // namespace quorvel::testing
