#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-wise operations on UTF-8 text. A character is one well-formed UTF-8 sequence; a byte
// that starts no well-formed sequence counts as a character of its own, so any byte string can be
// measured and cut without splitting a character.
namespace quorvel::utf8 {

// Number of bytes of the character that starts at byte `at` (at < text.size()).
[[nodiscard]] std::size_t CharLength(std::string_view text, std::size_t at);

[[nodiscard]] std::size_t CharCount(std::string_view text);

// Byte offset of character `index`; the text's size when index is at or past its end.
[[nodiscard]] std::size_t ByteOffset(std::string_view text, std::size_t index);

[[nodiscard]] std::string FirstChars(std::string_view text, std::size_t count);
[[nodiscard]] std::string LastChars(std::string_view text, std::size_t count);

// Removes space characters (only those) at both ends.
[[nodiscard]] std::string TrimSpaces(std::string_view text);

}  // namespace quorvel::utf8
