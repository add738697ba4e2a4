#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-wise operations on UTF-8 text. A character is one well-formed UTF-8 sequence; a byte
// that starts no well-formed sequence counts as a character of its own, so any byte string can be
// measured and cut without splitting a character.
namespace quorvel::utf8 {

// Number of bytes of the character that starts at byte `at` (at < text.size()).
[[nodiscard]] std::size_t charLength(std::string_view text, std::size_t at);

[[nodiscard]] std::size_t charCount(std::string_view text);
// How many bytes from `at` on are below 0x80, each a character of its own. Long texts are mostly
// digits: the walks over them skip such runs eight bytes at a time.
[[nodiscard]] std::size_t asciiRun(std::string_view text, std::size_t at);

// Byte offset of character `index`; the text's size when index is at or past its end.
[[nodiscard]] std::size_t byteOffset(std::string_view text, std::size_t index);

[[nodiscard]] std::string firstChars(std::string_view text, std::size_t count);
[[nodiscard]] std::string lastChars(std::string_view text, std::size_t count);

// Removes space characters (only those) at both ends.
[[nodiscard]] std::string trimSpaces(std::string_view text);

// The length of the sequence a lead byte starts; 0 for a byte that starts none (a continuation
// byte, or a lead that only overlong or out-of-range forms would use).
[[nodiscard]] constexpr std::size_t leadLength(unsigned char lead) {
  if (lead < 0x80U) return 1;
  if (lead >= 0xC2U && lead <= 0xDFU) return 2;
  if (lead >= 0xE0U && lead <= 0xEFU) return 3;
  if (lead >= 0xF0U && lead <= 0xF4U) return 4;
  return 0;
}

// Whether every byte belongs to a well-formed sequence: no overlong form, surrogate, value past
// U+10FFFF or cut sequence. The windows' captions are checked with it when they are compiled,
// so that every toolkit decodes them alike.
[[nodiscard]] constexpr bool isWellFormed(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = leadLength(lead);
    if (length == 0 || at + length > text.size()) return false;
    // The second byte's range is narrower after E0 (overlong), ED (surrogates), F0 (overlong)
    // and F4 (past U+10FFFF).
    const unsigned low = lead == 0xE0U ? 0xA0U : lead == 0xF0U ? 0x90U : 0x80U;
    const unsigned high = lead == 0xEDU ? 0x9FU : lead == 0xF4U ? 0x8FU : 0xBFU;
    for (std::size_t i = 1; i < length; ++i) {
      const auto byte = static_cast<unsigned char>(text[at + i]);
      if (byte < (i == 1 ? low : 0x80U) || byte > (i == 1 ? high : 0xBFU)) return false;
    }
    at += length;
  }
  return true;
}

}  // namespace quorvel::utf8
