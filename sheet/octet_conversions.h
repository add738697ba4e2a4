#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The conversions every rule uses to read numbers from field texts and to write numbers,
// hexadecimal pairs and bit strings back. Pure functions, no state.
namespace quorvel {

// The number the text begins with, read after a "0" is put in front of it and every blank, tab
// and line feed is removed: digits, an optional "." with digits, an optional exponent. Never
// negative. A number too large for a double reads as infinity, one too small as 0.
[[nodiscard]] double ToNumber(std::string_view text);

// Decimal digits, "-" in front when negative, never an exponent form. A fraction is written in
// the shortest plain form that reads back as the same double ("1.5", "0.001953125").
[[nodiscard]] std::string ToDecimalText(double value);

// ToDecimalText with one blank in front of a number that is not negative (" 0", " 24", "-2").
[[nodiscard]] std::string ToSignedText(double value);

// Two upper-case hexadecimal digits: the whole part of the value modulo 256. For whole numbers
// that is the last two digits of the value in hexadecimal ("2C" for 300); a value with no
// defined last digits (infinity) gives "00".
[[nodiscard]] std::string ToHexPair(double value);

struct NibbleEntry {
  char key;
  std::string_view bits;
};

// Hexadecimal digit to four binary digits, in the order the lookup compares the keys.
inline constexpr std::array<NibbleEntry, 22> NibbleTable{{
    {'0', "0000"}, {'1', "0001"}, {'2', "0010"}, {'3', "0011"}, {'4', "0100"}, {'5', "0101"},
    {'6', "0110"}, {'7', "0111"}, {'8', "1000"}, {'9', "1001"}, {'A', "1010"}, {'a', "1010"},
    {'B', "1011"}, {'b', "1011"}, {'C', "1100"}, {'c', "1100"}, {'D', "1101"}, {'d', "1101"},
    {'E', "1110"}, {'e', "1110"}, {'F', "1111"}, {'f', "1111"},
}};

// The bits of the first equal key, or nothing for a character that is not a key.
[[nodiscard]] std::optional<std::string_view> lookUpNibble(char digit);

// The bits of the text's first and last character, joined; a character that is not a key adds
// nothing, so "G1" gives "0001" and the empty text gives the empty text.
[[nodiscard]] std::string ToBitString(std::string_view hex);

}  // namespace quorvel
