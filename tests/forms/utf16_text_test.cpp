// The sheet counts characters in UTF-8, the toolkits UTF-16 units: both ways must agree on
// every text a user can type or paste, the malformed ones included.
#include "forms/utf16_text.h"

#include <gtest/gtest.h>

namespace quorvel::forms {
namespace {

TEST(Utf16Text, PositionsAndTextsAgree) {
  const struct {
    std::u16string utf16;
    std::string utf8;
    int units;       // a position in the UTF-16 text
    int characters;  // the same position in characters
  } cases[] = {{u"192", "192", 2, 2},
               {u"é€1", "é€1", 2, 2},
               {u"1😀2", "1😀2", 3, 2},  // a pair counts once
               {u"😀", "😀", 2, 1},
               {u"", "", 0, 0},
               // each side of every length's edge, and of the surrogates
               {u"\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF",
                "\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF", 9, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(toUtf8(c.utf16), c.utf8);
    EXPECT_EQ(toUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(charactersBefore(c.utf8, c.units), c.characters) << c.utf8;
    EXPECT_EQ(unitsBefore(c.utf8, c.characters), c.units) << c.utf8;
  }
}

TEST(Utf16Text, MalformedTextBecomesReplacementCharacters) {
  // A lone surrogate from the toolkit, and each stray byte of the sheet's, is one character.
  EXPECT_EQ(toUtf8(u"1\xD800z\xDC00\xDC00"), "1\uFFFDz\uFFFD\uFFFD");
  EXPECT_EQ(toUtf16("1\xff\xfez"), u"1\uFFFD\uFFFDz");
  EXPECT_EQ(unitsBefore("\xff😀1", 2), 3);
  EXPECT_EQ(toUtf16("\xed\xa0\x80"), u"\uFFFD");  // an encoded surrogate is no character
}

}  // namespace
}  // namespace quorvel::forms
