#include "sheet/utf8_text.h"

#include <gtest/gtest.h>

namespace quorvel::utf8 {
namespace {

TEST(Utf8Text, CountsAndCutsWholeCharacters) {
  const struct {
    std::string text;
    std::size_t count;
    std::string first3;
    std::string last3;
  } cases[] = {
      {"", 0, "", ""},
      {"1234", 4, "123", "234"},
      {"\xC3\xA9"
       "12\xE2\x82\xAC",
       4,
       "\xC3\xA9"
       "12",
       "12\xE2\x82\xAC"},  // é12€
      {"\xF0\x9F\x98\x80"
       "ab",
       3,
       "\xF0\x9F\x98\x80"
       "ab",
       "\xF0\x9F\x98\x80"
       "ab"},
      {"\xE2\x82"
       "12",
       4,
       "\xE2\x82"
       "1",
       "\x82"
       "12"},  // a cut-off sequence: bytes alone
      {"\x80\xFF"
       "9",
       3,
       "\x80\xFF"
       "9",
       "\x80\xFF"
       "9"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CharCount(c.text), c.count) << c.text;
    EXPECT_EQ(FirstChars(c.text, 3), c.first3) << c.text;
    EXPECT_EQ(LastChars(c.text, 3), c.last3) << c.text;
  }
}

TEST(Utf8Text, TrimsSpacesOnlyAtBothEnds) {
  EXPECT_EQ(TrimSpaces("  1 2  "), "1 2");
  EXPECT_EQ(TrimSpaces("\t1 "), "\t1");
  EXPECT_EQ(TrimSpaces("   "), "");
}

}  // namespace
}  // namespace quorvel::utf8
