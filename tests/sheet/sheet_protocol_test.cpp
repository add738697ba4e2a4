#include <gtest/gtest.h>

#include "sheet/address_sheet.h"
#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

TEST(SheetProtocol, StartsInTheStoredStateWithoutRunningRules) {
  const AddressSheet sheet;
  ExpectTexts(sheet, {{F::Text1, "000"},
                      {F::Text5, "00"},
                      {F::Text9, "00000000"},
                      {F::Text13, "A"},
                      {F::Text14, "/8"},
                      {F::Text18, "11111111"},
                      {F::Text22, "FF"},
                      {F::Text26, "255"},
                      {F::Text27, " 24"},
                      {F::Text28, "  0"},
                      {F::Text29, "  8"},
                      {F::Text30, "= 32"},
                      {F::Text31, "0"},
                      {F::Text32, "0"},
                      {F::Text33, "0"},
                      {F::Text34, "0"},
                      {F::Text35, ""}});
  EXPECT_TRUE(sheet.isVisible(F::Text35));  // no subnet-bits rule has hidden the note yet
  EXPECT_FALSE(sheet.isVisible(F::Text32));
  EXPECT_FALSE(sheet.focus().has_value());
  for (Field f : {F::Text1, F::Text2, F::Text3, F::Text4, F::Text23, F::Text24, F::Text25}) {
    EXPECT_TRUE(sheet.isEnabled(f) && AddressSheet::traits(f).tabStop) << Name(f);
  }
  EXPECT_FALSE(sheet.isEnabled(F::Text26));
  EXPECT_TRUE(AddressSheet::traits(F::Text35).multiLine);
  EXPECT_EQ(AddressSheet::traits(F::Text25).tabIndex, 4);
}

TEST(SheetProtocol, AssignmentRunsTheChangeRuleBeforeReturning) {
  AddressSheet sheet;
  sheet.setText(F::Text29, "0");  // no rule: nothing else moves
  EXPECT_EQ(sheet.text(F::Text33), "0");
  sheet.setText(F::Text28, " 3");
  EXPECT_EQ(sheet.text(F::Text33), "8");
  sheet.setText(F::Text32, "3232235777");  // hidden, yet its rule runs
  ExpectTexts(sheet, {{F::Text1, "192"}, {F::Text2, "168"}, {F::Text3, "1"}, {F::Text4, "1"}});
}

TEST(SheetProtocol, AssignmentResetsTheCaretAndSelectionIsClamped) {
  AddressSheet sheet;
  sheet.setSelStart(F::Text2, 2);
  sheet.setSelLength(F::Text2, 1);
  sheet.setText(F::Text2, "12");
  EXPECT_EQ(sheet.selStart(F::Text2), 0);
  EXPECT_EQ(sheet.selLength(F::Text2), 0);
  sheet.setSelLength(F::Text2, 5);
  EXPECT_EQ(sheet.selLength(F::Text2), 2);
  sheet.setSelStart(F::Text2, 9);
  EXPECT_EQ(sheet.selStart(F::Text2), 2);
  sheet.setSelStart(F::Text2, -4);
  sheet.setSelLength(F::Text2, -1);
  EXPECT_EQ(sheet.selStart(F::Text2), 0);
  EXPECT_EQ(sheet.selLength(F::Text2), 0);
}

TEST(SheetProtocol, AnEditThatChangesNothingOnlyMovesTheCaret) {
  AddressSheet sheet;
  sheet.setText(F::Text24, "255");  // sets the counts from octet 3
  sheet.setText(F::Text28, "  0");  // so that a rerun of octet 3 would be visible
  sheet.edit(F::Text24, "255", 1);
  EXPECT_EQ(sheet.text(F::Text28), "  0");
  EXPECT_EQ(sheet.selStart(F::Text24), 1);
}

TEST(SheetProtocol, DisabledAndHiddenFieldsTakeNoKeystrokesNorFocus) {
  AddressSheet sheet;
  sheet.edit(F::Text5, "FF", 2);
  sheet.edit(F::Text32, "77", 2);
  EXPECT_EQ(sheet.text(F::Text5), "00");
  EXPECT_EQ(sheet.text(F::Text32), "0");
  sheet.setFocus(F::Text5);
  sheet.setFocus(F::Text32);
  EXPECT_FALSE(sheet.focus().has_value());
}

TEST(SheetProtocol, FocusLeavesAFieldThatIsDisabledUnderIt) {
  AddressSheet sheet;
  sheet.setFocus(F::Text25);
  sheet.setText(F::Text1, "200");  // class C closes mask octet 2
  EXPECT_FALSE(sheet.focus().has_value());
}

}  // namespace
}  // namespace quorvel::testing
