// The sheet counts characters in UTF-8, the toolkits UTF-16 units: both ways must agree on
// every text a user can type or paste, the malformed ones included.
#include "forms/utf16_text.h"

#include <gtest/gtest.h>

namespace quorvel::forms {
namespace {

struct Row {
  const char* name;
  std::u16string utf16;
  std::string utf8;
  int units;       // a position in the UTF-16 text
  int characters;  // the same position in characters
};

class Utf16TextTest : public ::testing::TestWithParam<Row> {};

TEST_P(Utf16TextTest, PositionsAndTextsAgree) {
  const Row& row = GetParam();
  EXPECT_EQ(toUtf8(row.utf16), row.utf8);
  EXPECT_EQ(toUtf16(row.utf8), row.utf16);
  EXPECT_EQ(charactersIn(row.utf16, row.units), row.characters);
  EXPECT_EQ(unitsBefore(row.utf8, row.characters), row.units);
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf16TextTest,
                         ::testing::Values(Row{"Digits", u"192", "192", 2, 2},
                                           Row{"TwoByteAndThreeByte", u"\u00e9\u20ac1",
                                               "\xc3\xa9\xe2\x82\xac"
                                               "1",
                                               2, 2},
                                           Row{"PairCountsOnce",
                                               u"1\U0001F600"
                                               "2",
                                               "1\xf0\x9f\x98\x80"
                                               "2",
                                               3, 2},
                                           Row{"PositionPastTheEnd", u"\U0001F600",
                                               "\xf0\x9f\x98\x80", 2, 1},
                                           Row{"EmptyText", u"", "", 0, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Utf16TextTest, MalformedTextBecomesReplacementCharacters) {
  // A lone surrogate from the toolkit, and each stray byte of the sheet's, is one character.
  EXPECT_EQ(toUtf8(u"1\xD800"
                   "2"),
            "1\xef\xbf\xbd"
            "2");
  EXPECT_EQ(toUtf16("1\xff\xfe"
                    "2"),
            u"1\uFFFD\uFFFD2");
  EXPECT_EQ(unitsBefore("\xff\xf0\x9f\x98\x80"
                        "1",
                        2),
            3);
  EXPECT_EQ(toUtf16("\xed\xa0\x80"), u"\uFFFD");  // an encoded surrogate is no character
}

}  // namespace
}  // namespace quorvel::forms
