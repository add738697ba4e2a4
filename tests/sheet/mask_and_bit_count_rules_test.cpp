// The mask octets' rules and the totals that follow from the bit counts.
#include <gtest/gtest.h>

#include <string>

#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

TEST(MaskRules, OctetsThreeAndFourCountTheOneBitsOfTheirOwnOctet) {
  const struct {
    const char* firstOctet;  // sets the class, and so the network bits the rule reads
    Field entry, hex, binary;
    int networkBits;
  } masks[] = {{"200", F::Text23, F::Text19, F::Text15, 24},
               {"150", F::Text23, F::Text19, F::Text15, 16},
               {"150", F::Text24, F::Text20, F::Text16, 16},
               {"10", F::Text24, F::Text20, F::Text16, 8}};
  // Typed text; then hexadecimal|binary|subnet bits.
  const Row<const char*, const char*> cases[] = {
      {"", "00|00000000| 0"},      {"1", "01|00000001| 1"},    {"192", "C0|11000000| 2"},
      {"254", "FE|11111110| 7"},   {"255", "FF|11111111| 8"},  {"19", "13|00010011| 3"},
      {"256", "00|00000000| 0"},   {"300", "2C|00101100| 3"},  {"999", "E7|11100111| 6"},
      {"1e999", "00|00000000| 0"}, {"12abc", "0C|00001100| 2"}};
  for (const auto& m : masks) {
    for (const auto& c : cases) {
      SCOPED_TRACE(name(m.entry) + " \"" + c.in + "\" after " + m.firstOctet);
      AddressSheet sheet = sheetWithFirstOctet(m.firstOctet);
      enter(sheet, m.entry, c.in);
      EXPECT_EQ(texts(sheet, {m.hex, m.binary, F::Text28}), c.out);
      const int ones = std::stoi(sheet.text(F::Text28));
      EXPECT_EQ(sheet.text(F::Text27), " " + std::to_string(32 - m.networkBits - ones));
    }
  }
}

TEST(MaskRules, OnlyTheLastChangedOctetCounts) {
  AddressSheet sheet = sheetWithFirstOctet("150");  // class B
  enter(sheet, F::Text24, "255");
  EXPECT_EQ(texts(sheet, {F::Text20, F::Text28, F::Text27}), "FF| 8| 8");
  enter(sheet, F::Text23, "192");
  EXPECT_EQ(texts(sheet, {F::Text19, F::Text28, F::Text27}), "C0| 2| 14");
}

TEST(MaskRules, OctetTwoShowsItsFormsAndLeavesTheCountsAlone) {
  AddressSheet sheet = sheetWithFirstOctet("10");
  enter(sheet, F::Text24, "255");
  enter(sheet, F::Text25, "255");
  EXPECT_EQ(texts(sheet, {F::Text21, F::Text17, F::Text28, F::Text27, F::Text33}),
            "FF|11111111| 8| 16|256");
  enter(sheet, F::Text25, "300");
  EXPECT_EQ(texts(sheet, {F::Text21, F::Text17, F::Text28}), "2C|00101100| 8");
}

TEST(BitCountRules, TotalsFollowTheMask) {
  const struct {
    const char* firstOctet;
    Field mask;
    const char* typed;
    const char* totals;  // subnets|usable hosts
    const char* noteNumber;
    bool noteShown;
  } cases[] = {{"200", F::Text23, "128", "2|0", "252", true},
               {"200", F::Text23, "192", "4|124", "124", true},
               {"200", F::Text23, "224", "8|180", "60", true},
               {"200", F::Text23, "252", "64|124", "4", true},
               {"200", F::Text23, "254", "128|0", "0", true},
               {"150", F::Text23, "255", "256|64516", "508", true},
               {"10", F::Text24, "224", "8|12582900", "4194300", true},
               // No host bits left: no usable host, never a negative count.
               {"200", F::Text23, "255", "256|0", "0", true},
               // No subnet bits: one network with all its hosts.
               {"200", F::Text23, "0", "1|254", "508", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " after " + c.firstOctet);
    AddressSheet sheet = sheetWithFirstOctet(c.firstOctet);
    enter(sheet, c.mask, c.typed);
    EXPECT_EQ(texts(sheet, {F::Text33, F::Text34}), c.totals);
    EXPECT_EQ(sheet.text(F::Text35), std::string("Note: an additional ") + c.noteNumber +
                                         " hosts can be defined if you use subnet 0 and the "
                                         "last (all 1's) subnet)");
    EXPECT_EQ(sheet.isVisible(F::Text35), c.noteShown);
  }
  // Counts no rule writes, a fraction and one beyond a double, still give a number of hosts.
  AddressSheet odd;
  odd.setText(F::Text28, "0.5");
  odd.setText(F::Text27, "1e999");
  EXPECT_EQ(odd.text(F::Text34), "0");
}

}  // namespace
}  // namespace quorvel::testing
