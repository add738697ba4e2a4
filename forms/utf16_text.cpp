#include "forms/utf16_text.h"

#include <algorithm>
#include <climits>

#include "sheet/utf8_text.h"

namespace quorvel::forms {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHigh(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool isLow(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point of one well-formed UTF-8 sequence of `length` bytes.
char32_t decode(std::string_view text, std::size_t at, std::size_t length) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  switch (length) {
    case 1:
      return byte(0);
    case 2:
      return ((byte(0) & 0x1FU) << 6) | (byte(1) & 0x3FU);
    case 3:
      return ((byte(0) & 0x0FU) << 12) | ((byte(1) & 0x3FU) << 6) | (byte(2) & 0x3FU);
    default:
      return ((byte(0) & 0x07U) << 18) | ((byte(1) & 0x3FU) << 12) | ((byte(2) & 0x3FU) << 6) |
             (byte(3) & 0x3FU);
  }
}

bool wellFormed(std::string_view text, std::size_t at, std::size_t length) {
  return length > 1 || static_cast<unsigned char>(text[at]) < 0x80;
}

}  // namespace

std::string toUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (isHigh(u) && i + 1 < text.size() && isLow(text[i + 1])) {
      appendUtf8(out,
                 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else {
      appendUtf8(out, isHigh(u) || isLow(u) ? kReplacement : u);
    }
  }
  return out;
}

std::u16string toUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = utf8::charLength(text, at);
    char32_t c = wellFormed(text, at, length) ? decode(text, at, length) : kReplacement;
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    at += length;
  }
  return out;
}

namespace {

// A walk over a UTF-8 text until `characters` characters or `units` UTF-16 units lie behind it,
// whichever comes first (a pair is one character of two units); both counts where it stopped.
struct Walked {
  int characters = 0;
  int units = 0;
};
Walked walk(std::string_view text, int characters, int units) {
  Walked w;
  std::size_t at = 0;
  while (w.characters < characters && w.units < units && at < text.size()) {
    // A run of ASCII is a unit a character.
    const std::size_t room =
        static_cast<std::size_t>(std::min(characters - w.characters, units - w.units));
    const int ascii = static_cast<int>(std::min(utf8::asciiRun(text, at), room));
    w.characters += ascii;
    w.units += ascii;
    at += static_cast<std::size_t>(ascii);
    if (w.characters == characters || w.units == units || at == text.size()) break;
    const std::size_t length = utf8::charLength(text, at);
    ++w.characters;
    w.units += length == 4 ? 2 : 1;
    at += length;
  }
  return w;
}

}  // namespace

int unitsBefore(std::string_view text, int characters) {
  return walk(text, characters, INT_MAX).units;
}

int charactersBefore(std::string_view text, int units) {
  return walk(text, INT_MAX, units).characters;
}

}  // namespace quorvel::forms
