#include <gtest/gtest.h>

#include <string>

#include "sheet/address_sheet.h"
#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

void ExpectResetState(const AddressSheet& sheet) {
  ExpectTexts(sheet, {{F::Text1, "0"},        {F::Text2, "0"},         {F::Text3, "0"},
                      {F::Text4, "0"},        {F::Text5, "00"},        {F::Text8, "00"},
                      {F::Text9, "00000000"}, {F::Text12, "00000000"}, {F::Text13, "A"},
                      {F::Text14, "/8"},      {F::Text26, "255"},      {F::Text25, "000"},
                      {F::Text24, "000"},     {F::Text23, "000"},      {F::Text22, "FF"},
                      {F::Text19, "00"},      {F::Text18, "11111111"}, {F::Text15, "00000000"},
                      {F::Text29, "  8"},     {F::Text28, "  0"},      {F::Text27, " 24"},
                      {F::Text31, "0"},       {F::Text32, "0"},        {F::Text33, "1"},
                      {F::Text34, "16777214"}});
  for (Field f : {F::Text25, F::Text24, F::Text23}) EXPECT_TRUE(sheet.isEnabled(f)) << Name(f);
  EXPECT_TRUE(sheet.isVisible(F::Text31));
  EXPECT_FALSE(sheet.isVisible(F::Text32));
  EXPECT_FALSE(sheet.isVisible(F::Text35));
}

TEST(Reset, FromAnyStateTwiceInARow) {
  struct Start {
    const char* name;
    void (*make)(AddressSheet&);
  } const starts[] = {
      {"fresh", [](AddressSheet&) {}},
      {"class C with a subnet mask",
       [](AddressSheet& s) {
         Enter(s, F::Text1, "200");
         Enter(s, F::Text2, "17");
         Enter(s, F::Text23, "224");
       }},
      {"class E", [](AddressSheet& s) { Enter(s, F::Text1, "255"); }},
      {"whole address already 0, octets typed as 000",
       [](AddressSheet& s) {
         Enter(s, F::Text24, "255");
         s.setText(F::Text32, "0");
       }},
      {"editing the whole address",
       [](AddressSheet& s) {
         s.setFocus(F::Text31);
         Enter(s, F::Text32, "3232235777");
       }},
  };
  for (const Start& start : starts) {
    SCOPED_TRACE(start.name);
    AddressSheet sheet;
    start.make(sheet);
    sheet.click(Button::Command2);
    ExpectResetState(sheet);
    sheet.click(Button::Command2);
    ExpectResetState(sheet);
  }
}

TEST(Reset, MovesNoFocusAndLeavesSelectionsToTheAssignments) {
  AddressSheet sheet;
  sheet.setFocus(F::Text23);
  sheet.click(Button::Command2);
  EXPECT_EQ(sheet.focus(), F::Text23);
  EXPECT_EQ(sheet.selLength(F::Text1), 0);
}

TEST(Commands, ExitAndAboutCallWhatTheWindowInstalled) {
  AddressSheet sheet;
  int exits = 0;
  int abouts = 0;
  sheet.click(Button::Command1);  // nothing installed: nothing happens
  sheet.setCommandHandler(Button::Command1, [&] { ++exits; });
  sheet.setCommandHandler(Button::Command3, [&] { ++abouts; });
  sheet.click(Button::Command3);
  sheet.click(Button::Command3);
  sheet.click(Button::Command1);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(abouts, 2);
  EXPECT_EQ(sheet.text(F::Text1), "000");  // neither touches the fields
}

TEST(SelectOnFocus, SelectsAtMostFiveCharactersFromTheStart) {
  const struct {
    Field field;
    const char* text;
    int selected;
  } cases[] = {{F::Text2, "12", 2},
               {F::Text1, "000", 3},
               {F::Text23, "1234567", 5},
               {F::Text24, "", 0},
               {F::Text25, "\xC3\xA9\xC3\xA9\xC3\xA9", 3},
               {F::Text3, "9", 1},
               {F::Text4, "255", 3}};
  for (const auto& c : cases) {
    AddressSheet sheet;
    sheet.setText(c.field, c.text);
    sheet.setSelStart(c.field, 1);
    sheet.setFocus(c.field);
    EXPECT_EQ(sheet.focus(), c.field);
    EXPECT_EQ(sheet.selStart(c.field), 0) << Name(c.field);
    EXPECT_EQ(sheet.selLength(c.field), c.selected) << Name(c.field);
  }
}

TEST(SelectOnFocus, RefocusingTheHolderRunsNothing) {
  AddressSheet sheet;
  sheet.setFocus(F::Text2);
  sheet.edit(F::Text2, "7", 1);
  sheet.setFocus(F::Text2);
  EXPECT_EQ(sheet.selStart(F::Text2), 1);
  EXPECT_EQ(sheet.selLength(F::Text2), 0);
}

}  // namespace
}  // namespace quorvel::testing
