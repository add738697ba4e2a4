#include <gtest/gtest.h>

#include <string>

#include "sheet/address_sheet.h"
#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

struct ClassRow {
  const char* letter;
  const char* prefix;
  const char* mask;     // Text26, Text25, Text24, Text23 joined by "."
  const char* hexMask;  // Text22 to Text19 joined by "."
  const char* binMask;  // Text18 to Text15 joined by "."
  bool open2, open3, open4;
  const char* bits;  // Text29, Text28, Text27 joined by "|"
  const char* usableHosts;
};

const ClassRow kA{
    "A",  "/8", "255.000.000.000", "FF.00.00.00", "11111111.00000000.00000000.00000000", true,
    true, true, "  8|  0| 24",     "16777214"};
const ClassRow kB{
    "B",  "/16", "255.255.000.000", "FF.FF.00.00", "11111111.11111111.00000000.00000000", false,
    true, true,  " 16|  0| 16",     "65534"};
const ClassRow kC{
    "C",   "/24", "255.255.255.000", "FF.FF.FF.00", "11111111.11111111.11111111.00000000", false,
    false, true,  " 24|  0|  8",     "254"};
const ClassRow kD{"D",
                  "??",
                  "   .   .   .   ",
                  "  .  .  .  ",
                  "        .        .        .        ",
                  false,
                  false,
                  false,
                  "   |   |   ",
                  "0"};
const ClassRow kE = [] {
  ClassRow e = kD;
  e.letter = "E";
  return e;
}();

struct ClassCase {
  const char* firstOctet;
  const ClassRow* row;
};

std::string Joined(const AddressSheet& sheet, std::initializer_list<Field> fields, char sep) {
  std::string joined;
  for (Field f : fields) joined += (joined.empty() ? "" : std::string(1, sep)) + sheet.text(f);
  return joined;
}

class FirstOctetClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(FirstOctetClassTest, WritesTheWholeClassRow) {
  const ClassRow& c = *GetParam().row;
  const AddressSheet sheet = SheetWithFirstOctet(GetParam().firstOctet);
  EXPECT_EQ(sheet.text(F::Text13), c.letter);
  EXPECT_EQ(sheet.text(F::Text14), c.prefix);
  EXPECT_EQ(Joined(sheet, {F::Text26, F::Text25, F::Text24, F::Text23}, '.'), c.mask);
  EXPECT_EQ(Joined(sheet, {F::Text22, F::Text21, F::Text20, F::Text19}, '.'), c.hexMask);
  EXPECT_EQ(Joined(sheet, {F::Text18, F::Text17, F::Text16, F::Text15}, '.'), c.binMask);
  EXPECT_EQ(sheet.isEnabled(F::Text25), c.open2);
  EXPECT_EQ(sheet.isEnabled(F::Text24), c.open3);
  EXPECT_EQ(sheet.isEnabled(F::Text23), c.open4);
  EXPECT_EQ(Joined(sheet, {F::Text29, F::Text28, F::Text27}, '|'), c.bits);
  // The totals come from the class's own counts: the host-bits rule ran last.
  EXPECT_EQ(sheet.text(F::Text33), "1");
  EXPECT_EQ(sheet.text(F::Text34), c.usableHosts);
  EXPECT_FALSE(sheet.isVisible(F::Text35));
}

INSTANTIATE_TEST_SUITE_P(Classes, FirstOctetClassTest,
                         ::testing::Values(ClassCase{"0", &kA}, ClassCase{"127", &kA},
                                           ClassCase{"", &kA}, ClassCase{"1.5", &kA},
                                           ClassCase{"128", &kB}, ClassCase{"191", &kB},
                                           ClassCase{"192", &kC}, ClassCase{"223", &kC},
                                           ClassCase{"224", &kD}, ClassCase{"240", &kD},
                                           ClassCase{"254", &kD}, ClassCase{"255", &kE},
                                           ClassCase{"999", &kE}),
                         NamedAfter<&ClassCase::firstOctet>{});

TEST(FirstOctetRule, RoadOfOneKeystroke) {
  AddressSheet sheet;
  sheet.setFocus(F::Text1);
  EXPECT_EQ(sheet.selLength(F::Text1), 3);
  sheet.edit(F::Text1, "1", 1);
  ExpectTexts(sheet, {{F::Text1, "1"},
                      {F::Text5, "01"},
                      {F::Text9, "00000001"},
                      {F::Text31, "16777216"},
                      {F::Text13, "A"},
                      {F::Text33, "1"},
                      {F::Text34, "16777214"},
                      {F::Text35,
                       "Note: an additional 33554428 hosts can be defined if you use "
                       "subnet 0 and the last (all 1's) subnet)"}});
  EXPECT_FALSE(sheet.isVisible(F::Text35));
}

TEST(FirstOctetRule, EveryRunPutsAnEditedMaskBackToTheClassDefault) {
  AddressSheet sheet = SheetWithFirstOctet("10");
  Enter(sheet, F::Text24, "255");
  Enter(sheet, F::Text23, "192");
  ASSERT_EQ(sheet.text(F::Text28), " 2");
  sheet.edit(F::Text1, "100", 3);  // the class stays A
  ExpectTexts(sheet, {{F::Text24, "000"},
                      {F::Text23, "000"},
                      {F::Text20, "00"},
                      {F::Text16, "00000000"},
                      {F::Text15, "00000000"},
                      {F::Text29, "  8"},
                      {F::Text28, "  0"},
                      {F::Text27, " 24"},
                      {F::Text33, "1"},
                      {F::Text34, "16777214"}});
  EXPECT_FALSE(sheet.isVisible(F::Text35));
}

}  // namespace
}  // namespace quorvel::testing
