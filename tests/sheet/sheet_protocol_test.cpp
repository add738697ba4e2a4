// The sheet's event protocol, its buttons and the select-on-focus rule.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

TEST(SheetProtocol, StartsInTheStoredStateWithoutRunningRules) {
  const AddressSheet sheet;
  // The totals keep their texts and the note is shown: no subnet-bits rule has run.
  EXPECT_EQ(texts(sheet, {F::Text1, F::Text28, F::Text31, F::Text33, F::Text34, F::Text35}),
            "000|  0|0|0|0|");
  EXPECT_FALSE(sheet.focus().has_value());
  // Per field, Text1 to Text35: only the entry fields and the whole address take input, all but
  // Text32 are shown, and only the note wraps. The Tab key walks the address octets, then mask
  // octets 2 to 4.
  std::string enabled, visible, multiLine, tabOrder;
  std::map<int, int> tabStops;  // field number by tab index
  for (const Field f : kAllFields) {
    enabled += sheet.isEnabled(f) ? '+' : '-';
    visible += sheet.isVisible(f) ? '+' : '-';
    multiLine += AddressSheet::traits(f).multiLine ? '+' : '-';
    if (AddressSheet::traits(f).tabStop)
      tabStops[AddressSheet::traits(f).tabIndex] = static_cast<int>(f);
  }
  for (const auto& [index, field] : tabStops) tabOrder += std::to_string(field) + " ";
  EXPECT_EQ(enabled, "++++------------------+++-----++---");
  EXPECT_EQ(visible, "+++++++++++++++++++++++++++++++-+++");
  EXPECT_EQ(multiLine, "----------------------------------+");
  EXPECT_EQ(tabOrder, "1 2 3 4 25 24 23 ");
}

TEST(SheetProtocol, AssignmentRunsTheChangeRuleBeforeReturning) {
  AddressSheet sheet;
  sheet.setText(F::Text29, "0");  // no rule: nothing else moves
  EXPECT_EQ(sheet.text(F::Text33), "0");
  sheet.setText(F::Text28, " 3");
  EXPECT_EQ(sheet.text(F::Text33), "8");
  sheet.setText(F::Text32, "3232235777");  // hidden, yet its rule runs
  EXPECT_EQ(texts(sheet, {F::Text1, F::Text2, F::Text3, F::Text4}), "192|168|1|1");
}

TEST(SheetProtocol, AssignmentResetsTheCaretAndSelectionsStayInTheText) {
  AddressSheet sheet;
  sheet.setSelStart(F::Text24, 2);
  sheet.setSelLength(F::Text24, 1);
  sheet.setText(F::Text24, "\u00e9\u00e9");  // two characters of two bytes each
  EXPECT_EQ(sheet.selStart(F::Text24), 0);
  EXPECT_EQ(sheet.selLength(F::Text24), 0);
  sheet.setSelLength(F::Text24, 5);
  EXPECT_EQ(sheet.selLength(F::Text24), 2);
  sheet.setSelStart(F::Text24, 1);  // a new start drops the selection
  EXPECT_EQ(sheet.selLength(F::Text24), 0);
  sheet.setSelLength(F::Text24, 5);
  EXPECT_EQ(sheet.selLength(F::Text24), 1);  // up to the end of the text
  sheet.setSelStart(F::Text24, 9);
  EXPECT_EQ(sheet.selStart(F::Text24), 2);
  sheet.setSelStart(F::Text24, -4);
  sheet.setSelLength(F::Text24, -1);
  EXPECT_EQ(sheet.selStart(F::Text24), 0);
  EXPECT_EQ(sheet.selLength(F::Text24), 0);
}

TEST(SheetProtocol, AnEditThatChangesNothingOnlyMovesTheCaret) {
  AddressSheet sheet;
  sheet.setText(F::Text24, "255");
  sheet.setText(F::Text28, "  0");  // so that a rerun of octet 3's rule would show
  sheet.edit(F::Text24, "255", 1);
  EXPECT_EQ(sheet.text(F::Text28), "  0");
  EXPECT_EQ(sheet.selStart(F::Text24), 1);
}

TEST(SheetProtocol, DisabledAndHiddenFieldsTakeNoKeystrokesNorFocus) {
  AddressSheet sheet;
  sheet.edit(F::Text5, "FF", 2);
  sheet.edit(F::Text32, "77", 2);
  EXPECT_EQ(texts(sheet, {F::Text5, F::Text32}), "00|0");
  sheet.setFocus(F::Text5);
  sheet.setFocus(F::Text32);
  EXPECT_FALSE(sheet.focus().has_value());
  // A field disabled under the focus loses it.
  sheet.setFocus(F::Text25);
  sheet.setText(F::Text1, "200");  // class C closes mask octet 2
  EXPECT_FALSE(sheet.focus().has_value());
}

TEST(Reset, PutsTheSheetBackFromAnyStateTwiceInARow) {
  AddressSheet sheet;
  auto resetTwice = [&sheet](const char* from) {
    SCOPED_TRACE(from);
    for (int times = 1; times <= 2; ++times) {
      sheet.click(Button::Command2);
      EXPECT_EQ(texts(sheet, {F::Text1, F::Text2, F::Text3, F::Text4, F::Text5, F::Text8, F::Text9,
                              F::Text12, F::Text13, F::Text14}),
                "0|0|0|0|00|00|00000000|00000000|A|/8");
      EXPECT_EQ(texts(sheet, {F::Text26, F::Text25, F::Text24, F::Text23, F::Text22, F::Text19,
                              F::Text18, F::Text15}),
                "255|000|000|000|FF|00|11111111|00000000");
      EXPECT_EQ(texts(sheet, {F::Text29, F::Text28, F::Text27, F::Text31, F::Text32, F::Text33,
                              F::Text34}),
                "  8|  0| 24|0|0|1|16777214");
      EXPECT_EQ(enabled(sheet, {F::Text25, F::Text24, F::Text23}), "+++");
      EXPECT_TRUE(sheet.isVisible(F::Text31));
      EXPECT_FALSE(sheet.isVisible(F::Text32) || sheet.isVisible(F::Text35));
    }
  };
  // The whole address already "0": only the first step puts the mask back.
  enter(sheet, F::Text24, "255");
  resetTwice("octets typed as 000");
  enter(sheet, F::Text1, "200");
  enter(sheet, F::Text2, "17");
  enter(sheet, F::Text23, "224");
  resetTwice("class C with a subnet mask");
  sheet.setFocus(F::Text31);
  enter(sheet, F::Text32, "3232235777");
  resetTwice("while the whole address is edited");
}

TEST(SelectOnFocus, SelectsAtMostFiveCharactersFromTheStart) {
  for (const Field f : {F::Text1, F::Text2, F::Text3, F::Text4, F::Text25, F::Text24, F::Text23}) {
    SCOPED_TRACE(name(f));
    const bool mask = f >= F::Text23;  // only a mask octet holds more than three characters
    AddressSheet sheet;
    sheet.setText(f, mask ? "1234567" : "12");
    sheet.setSelStart(f, 1);
    sheet.setFocus(f);
    EXPECT_EQ(sheet.selStart(f), 0);
    EXPECT_EQ(sheet.selLength(f), mask ? 5 : 2);
  }
  // Focusing the field that holds the focus runs nothing.
  AddressSheet sheet;
  sheet.setFocus(F::Text2);
  sheet.edit(F::Text2, "7", 1);
  sheet.setFocus(F::Text2);
  EXPECT_EQ(sheet.selStart(F::Text2), 1);
  EXPECT_EQ(sheet.selLength(F::Text2), 0);
}

}  // namespace
}  // namespace quorvel::testing
