// Greyed text reads on every theme, as near the theme's grey as it can; a fixed colour stays only
// where it reads.
#include "forms/colours.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorvel::forms {
namespace {

TEST(Colours, DisabledTextReadsAsNearTheGreyAsItCan) {
  const Rgb black{0, 0, 0}, white{255, 255, 255}, light{0xEF, 0xEF, 0xEF}, dark{0x35, 0x35, 0x35};
  const Rgb grey{0xBE, 0xBE, 0xBE}, faint{0x90, 0x90, 0x90}, deep{0x30, 0x30, 0x30};
  const struct {
    Rgb background, grey, text;
    std::optional<Rgb> drawn;  // none: a colour between the grey and the text, just reading
  } themes[] = {{light, grey, black, {}},
                {light, grey, faint, black},   // only the text differs: nothing between reads
                {light, deep, faint, deep},    // only the grey: it reads already
                {light, faint, white, black},  // neither reads on the light face: black
                {dark, faint, white, {}}};     // only the background differs
  for (const auto& t : themes) {
    const Rgb drawn = readableDisabledText(t.background, t.grey, t.text);
    EXPECT_GE(contrastRatio(drawn, t.background), 8.0);
    EXPECT_TRUE(t.drawn ? drawn == *t.drawn : contrastRatio(drawn, t.background) < 8.2);
  }
  EXPECT_DOUBLE_EQ(contrastRatio(black, white), 21.0);
  EXPECT_TRUE(readableOr(black, white, light) == black && readableOr(black, white, dark) == white);
}

}  // namespace
}  // namespace quorvel::forms
