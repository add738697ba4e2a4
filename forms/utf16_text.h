#pragma once

#include <string>
#include <string_view>

// Between the sheet, which keeps UTF-8 and counts characters (code points), and the toolkits,
// which keep UTF-16 and count its units.
namespace quorvel::forms {

// A lone surrogate becomes U+FFFD.
[[nodiscard]] std::string toUtf8(std::u16string_view text);
// Each byte that starts no well-formed sequence becomes one U+FFFD, as the sheet counts it as
// one character.
[[nodiscard]] std::u16string toUtf16(std::string_view text);

// UTF-16 units before character `characters` of a UTF-8 text (its whole length if beyond).
[[nodiscard]] int unitsBefore(std::string_view text, int characters);
// Characters in the first `units` UTF-16 units of a UTF-8 text; a pair is one character.
[[nodiscard]] int charactersBefore(std::string_view text, int units);

}  // namespace quorvel::forms
