// The rules of the four address octets, and the class the first octet sets.
#include <gtest/gtest.h>

#include <string>

#include "sheet_test_support.h"

namespace quorvel::testing {
namespace {

struct Keystroke {
  const char* typed;  // the field's text right after the keystroke
  int caret;          // the caret right after it
  const char* shown;  // what the rules leave: entry|hexadecimal|binary
};

const Keystroke kKeystrokes[] = {
    {"007", 3, "007|07|00000111"},  // leading zeros stay
    {"", 0, "|00|00000000"},        // an emptied box stays empty
    {"255", 3, "255|FF|11111111"},
    {"256", 3, "255|FF|11111111"},
    {"1234", 4, "234|EA|11101010"},  // a fourth digit at the end keeps the last three,
    {"4123", 1, "255|FF|11111111"},  // at the start the first three (412, then clamped),
    {"1200", 2, "200|C8|11001000"},  // after the first digit the last three
    {"1123", 0, "112|70|01110000"},  // as a rule's write leaves the caret
    {"5234", 1, "255|FF|11111111"},  // a key right after a cut goes in front: 523, then 255
    {"  2 ", 4, "2|02|00000010"},    // cut, then trimmed of blanks
    {" 12 4", 5, "2 4|18|00011000"},
    {"\t\t\t\t5", 5, "\t\t5|05|00000101"},  // a tab is no blank
    {"\u00e9123", 4, "123|7B|01111011"},    // characters are cut, not bytes
};

TEST(OctetRules, CutClampAndShowEveryAddressOctet) {
  for (const auto& [entry, hex, binary] : kAddressOctets) {
    for (const Keystroke& k : kKeystrokes) {
      SCOPED_TRACE(name(entry) + " \"" + k.typed + "\"");
      AddressSheet sheet;
      sheet.edit(entry, k.typed, k.caret);
      EXPECT_EQ(texts(sheet, {entry, hex, binary}), k.shown);
      // A rewrite leaves the caret at the start.
      EXPECT_EQ(sheet.selStart(entry), sheet.text(entry) == k.typed ? k.caret : 0);
    }
  }
}

TEST(OctetRules, EveryOctetRecomputesTheWholeAddressNumber) {
  AddressSheet sheet;
  enter(sheet, F::Text1, "10");
  enter(sheet, F::Text3, "5");
  EXPECT_EQ(sheet.text(F::Text31), "167773440");
  enter(sheet, F::Text2, "168");
  enter(sheet, F::Text4, "1");
  enter(sheet, F::Text3, "1");
  enter(sheet, F::Text1, "192");
  EXPECT_EQ(sheet.text(F::Text31), "3232235777");
  enter(sheet, F::Text4, "0.5");
  EXPECT_EQ(sheet.text(F::Text31), "3232235776.5");
}

// What the first octet's class shows: letter and prefix; mask octets 1 to 4 in decimal,
// hexadecimal and binary; network, subnet and host bits; subnets and usable hosts, computed last
// from the class's own counts; and which of mask octets 2 to 4 are open.
const std::string kA =
    "A|/8|255|000|000|000|FF|00|00|00|11111111|00000000|00000000|00000000|"
    "  8|  0| 24|1|16777214|+++";
const std::string kB =
    "B|/16|255|255|000|000|FF|FF|00|00|11111111|11111111|00000000|00000000|"
    " 16|  0| 16|1|65534|-++";
const std::string kC =
    "C|/24|255|255|255|000|FF|FF|FF|00|11111111|11111111|11111111|00000000|"
    " 24|  0|  8|1|254|--+";
// No mask: blanks as wide as the texts they replace.
const std::string kNoMask =
    "   |   |   |   |  |  |  |  |        |        |        |        |   |   |   |1|0|---";
const std::string kD = "D|??|" + kNoMask;
const std::string kE = "E|??|" + kNoMask;

// Typed one after another, so that each class also follows others.
TEST(FirstOctetRule, SetsTheClassOnEitherSideOfEveryBoundary) {
  const Row<const char*, const std::string*> cases[] = {
      {"0", &kA},   {"128", &kB}, {"127", &kA}, {"192", &kC}, {"191", &kB},
      {"224", &kD}, {"223", &kC}, {"255", &kE}, {"254", &kD}, {"240", &kD},
      {"239", &kD}, {"999", &kE}, {"1.5", &kA}, {"", &kA}};
  AddressSheet sheet;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    enter(sheet, F::Text1, c.in);
    EXPECT_EQ(
        texts(sheet, {F::Text13, F::Text14, F::Text26, F::Text25, F::Text24, F::Text23, F::Text22,
                      F::Text21, F::Text20, F::Text19, F::Text18, F::Text17, F::Text16, F::Text15,
                      F::Text29, F::Text28, F::Text27, F::Text33, F::Text34}) +
            "|" + enabled(sheet, {F::Text25, F::Text24, F::Text23}),
        *c.out);
    EXPECT_FALSE(sheet.isVisible(F::Text35));
  }
}

TEST(FirstOctetRule, EveryRunPutsAnEditedMaskBackToTheClassDefault) {
  AddressSheet sheet = sheetWithFirstOctet("10");
  enter(sheet, F::Text24, "255");
  enter(sheet, F::Text23, "192");
  ASSERT_EQ(sheet.text(F::Text28), " 2");
  sheet.edit(F::Text1, "100", 3);  // the class stays A
  EXPECT_EQ(texts(sheet, {F::Text24, F::Text23, F::Text20, F::Text16, F::Text15, F::Text29,
                          F::Text28, F::Text27, F::Text33, F::Text34}),
            "000|000|00|00000000|00000000|  8|  0| 24|1|16777214");
  EXPECT_FALSE(sheet.isVisible(F::Text35));
  EXPECT_EQ(sheet.text(F::Text35),
            "Note: an additional 33554428 hosts can be defined if you use subnet 0 and the last "
            "(all 1's) subnet)");
}

}  // namespace
}  // namespace quorvel::testing
