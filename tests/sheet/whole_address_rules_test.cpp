// The whole address as one number: the swap of the two boxes and the split into octets.
#include <gtest/gtest.h>

#include <string>

#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

TEST(WholeAddress, TheSplitWritesTheFourBytesOfTheNumber) {
  // Typed; then octets 1 to 4 and what Text31 shows once the focus has left. Above 32 bits only
  // the low 32 count, beyond 2^55 as below it; a fraction runs the byte steps unchanged and the
  // octets cut what they get.
  const Row<const char*, const char*> cases[] = {{"3232235777", "192|168|1|1|3232235777"},
                                                 {"4294967295", "255|255|255|255|4294967295"},
                                                 {"4294967296", "0|0|0|0|0"},
                                                 {"4294967297", "0|0|0|1|1"},
                                                 {"00012", "0|0|0|12|12"},
                                                 {"12abc", "0|0|0|12|12"},
                                                 {"-1", "0|0|0|0|0"},
                                                 {"36028797018963976", "0|0|0|8|8"},
                                                 {"1e20", "99|16|0|0|1661992960"},
                                                 {"1.5", "255|255|255|2|4294967042"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    AddressSheet sheet;
    sheet.setFocus(F::Text31);
    enter(sheet, F::Text32, c.in);
    sheet.setFocus(F::Text3);
    EXPECT_EQ(texts(sheet, {F::Text1, F::Text2, F::Text3, F::Text4, F::Text31}), c.out);
    EXPECT_EQ(sheet.text(F::Text32), c.in);
  }
}

TEST(WholeAddress, AClickSwapsInTheEntryWithTheNumberSelected) {
  AddressSheet sheet;
  enter(sheet, F::Text1, "010");
  enter(sheet, F::Text4, "001");
  sheet.setFocus(F::Text31);
  EXPECT_EQ(sheet.focus(), F::Text32);
  EXPECT_FALSE(sheet.isVisible(F::Text31));
  EXPECT_TRUE(sheet.isVisible(F::Text32));
  EXPECT_EQ(sheet.selStart(F::Text32), 0);
  EXPECT_EQ(sheet.selLength(F::Text32), 9);
  // The copy alone rewrites each octet in its shortest form.
  EXPECT_EQ(texts(sheet, {F::Text1, F::Text2, F::Text3, F::Text4, F::Text31, F::Text32}),
            "10|0|0|1|167772161|167772161");
}

TEST(WholeAddress, EveryKeystrokeSplitsAndReappliesTheClass) {
  AddressSheet sheet = sheetWithFirstOctet("10");
  enter(sheet, F::Text24, "255");
  sheet.setFocus(F::Text31);
  const std::string number = "3232235777";
  for (std::size_t i = 1; i <= number.size(); ++i)
    sheet.edit(F::Text32, number.substr(0, i), static_cast<int>(i));
  EXPECT_EQ(texts(sheet, {F::Text1, F::Text13, F::Text24, F::Text28}), "192|C|255|  0");
  sheet.edit(F::Text32, "323", 3);
  EXPECT_EQ(texts(sheet, {F::Text1, F::Text3, F::Text4, F::Text13, F::Text24}), "0|1|67|A|000");
}

TEST(WholeAddress, ANumberBeyondADoubleLeavesTheOctetsAlone) {
  AddressSheet sheet;
  enter(sheet, F::Text2, "7");
  sheet.setFocus(F::Text31);
  enter(sheet, F::Text32, "9e999");
  EXPECT_EQ(texts(sheet, {F::Text2, F::Text31}), "7|458752");
}

}  // namespace
}  // namespace quorvel::testing
