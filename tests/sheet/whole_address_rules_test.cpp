#include <gtest/gtest.h>

#include <string>

#include "sheet/address_sheet.h"
#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

struct SplitCase {
  const char* typed;
  const char* o1;
  const char* o2;
  const char* o3;
  const char* o4;
  const char* shown;  // Text31 once the focus has left
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, WritesTheFourBytes) {
  const SplitCase& c = GetParam();
  AddressSheet sheet;
  sheet.setFocus(F::Text31);
  Enter(sheet, F::Text32, c.typed);
  sheet.setFocus(F::Text3);
  ExpectTexts(sheet, {{F::Text1, c.o1},
                      {F::Text2, c.o2},
                      {F::Text3, c.o3},
                      {F::Text4, c.o4},
                      {F::Text31, c.shown},
                      {F::Text32, c.typed}});
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, SplitTest,
    ::testing::Values(SplitCase{"3232235777", "192", "168", "1", "1", "3232235777"},
                      SplitCase{"4294967295", "255", "255", "255", "255", "4294967295"},
                      SplitCase{"4294967296", "0", "0", "0", "0", "0"},
                      SplitCase{"4294967297", "0", "0", "0", "1", "1"},
                      SplitCase{"00012", "0", "0", "0", "12", "12"},
                      SplitCase{"12abc", "0", "0", "0", "12", "12"},
                      SplitCase{"-1", "0", "0", "0", "0", "0"},
                      SplitCase{"", "0", "0", "0", "0", "0"},
                      // Beyond 2^55 the low 32 bits are kept, as below it.
                      SplitCase{"36028797018963976", "0", "0", "0", "8", "8"},
                      SplitCase{"1e20", "99", "16", "0", "0", "1661992960"},
                      // A fraction runs the byte steps unchanged; the octets cut what they get.
                      SplitCase{"1.5", "255", "255", "255", "2", "4294967042"}),
    NamedAfter<&SplitCase::typed>{});

TEST(WholeAddress, ClickSwapsInTheEntryWithTheNumberSelected) {
  AddressSheet sheet;
  Enter(sheet, F::Text1, "010");
  Enter(sheet, F::Text4, "001");
  ASSERT_EQ(sheet.text(F::Text31), "167772161");
  sheet.setFocus(F::Text31);
  EXPECT_EQ(sheet.focus(), F::Text32);
  EXPECT_FALSE(sheet.isVisible(F::Text31));
  EXPECT_TRUE(sheet.isVisible(F::Text32));
  EXPECT_EQ(sheet.selStart(F::Text32), 0);
  EXPECT_EQ(sheet.selLength(F::Text32), 9);
  // The copy alone rewrites each octet in its shortest form.
  ExpectTexts(sheet, {{F::Text1, "10"},
                      {F::Text2, "0"},
                      {F::Text3, "0"},
                      {F::Text4, "1"},
                      {F::Text31, "167772161"},
                      {F::Text32, "167772161"}});
}

TEST(WholeAddress, EveryKeystrokeSplitsAndReappliesTheClass) {
  AddressSheet sheet = SheetWithFirstOctet("10");
  Enter(sheet, F::Text24, "255");
  sheet.setFocus(F::Text31);
  const std::string number = "3232235777";
  for (std::size_t i = 1; i <= number.size(); ++i)
    sheet.edit(F::Text32, number.substr(0, i), static_cast<int>(i));
  ExpectTexts(sheet, {{F::Text1, "192"}, {F::Text13, "C"}, {F::Text24, "255"}, {F::Text28, "  0"}});
  sheet.edit(F::Text32, "323", 3);
  ExpectTexts(
      sheet,
      {{F::Text1, "0"}, {F::Text3, "1"}, {F::Text4, "67"}, {F::Text13, "A"}, {F::Text24, "000"}});
}

TEST(WholeAddress, LeavingTheEntryAlwaysEndsInTheFirstOctet) {
  struct Leave {
    const char* how;
    void (*act)(AddressSheet&);
  } const leaves[] = {
      {"tab or click to another box", [](AddressSheet& s) { s.setFocus(F::Text3); }},
      {"click on a button", [](AddressSheet& s) { s.clearFocus(); }},
      {"a button click after focus left", [](AddressSheet& s) {
         s.clearFocus();
         s.click(Button::Command3);
       }}};
  for (const Leave& leave : leaves) {
    AddressSheet sheet;
    Enter(sheet, F::Text1, "19");
    sheet.setFocus(F::Text31);
    Enter(sheet, F::Text32, "1234567");
    leave.act(sheet);
    EXPECT_EQ(sheet.focus(), F::Text1) << leave.how;
    EXPECT_TRUE(sheet.isVisible(F::Text31)) << leave.how;
    EXPECT_FALSE(sheet.isVisible(F::Text32)) << leave.how;
    EXPECT_EQ(sheet.text(F::Text31), "1234567") << leave.how;
    EXPECT_EQ(sheet.selLength(F::Text1), 1) << leave.how;  // the whole "0" selected
  }
}

TEST(WholeAddress, NumbersBeyondADoubleLeaveTheOctetsAlone) {
  AddressSheet sheet;
  Enter(sheet, F::Text2, "7");
  sheet.setFocus(F::Text31);
  Enter(sheet, F::Text32, "9e999");
  ExpectTexts(sheet, {{F::Text2, "7"}, {F::Text31, "458752"}});
}

}  // namespace
}  // namespace quorvel::testing
