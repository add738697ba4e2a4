#include "sheet/utf8_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quorvel::utf8 {
namespace {

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0U) == 0x80U;
}

}  // namespace

std::size_t charLength(std::string_view text, std::size_t at) {
  // A byte that starts no sequence stands alone.
  const std::size_t expected = leadLength(static_cast<unsigned char>(text[at]));
  if (expected <= 1 || at + expected > text.size()) return 1;
  for (std::size_t i = 1; i < expected; ++i) {
    if (!isContinuation(static_cast<unsigned char>(text[at + i]))) return 1;
  }
  return expected;
}

std::size_t asciiRun(std::string_view text, std::size_t at) {
  std::size_t end = at;
  for (std::uint64_t word = 0; end + sizeof word <= text.size(); end += sizeof word) {
    std::memcpy(&word, text.data() + end, sizeof word);
    if ((word & 0x8080808080808080ULL) != 0) break;
  }
  while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80U) ++end;
  return end - at;
}

std::size_t charCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t ascii = asciiRun(text, at);
    count += ascii;
    at += ascii;
    if (at < text.size()) {
      at += charLength(text, at);
      ++count;
    }
  }
  return count;
}

std::size_t byteOffset(std::string_view text, std::size_t index) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < index && at < text.size();) {
    const std::size_t ascii = std::min(asciiRun(text, at), index - i);
    i += ascii;
    at += ascii;
    if (i < index && at < text.size()) {
      at += charLength(text, at);
      ++i;
    }
  }
  return at;
}

std::string firstChars(std::string_view text, std::size_t count) {
  return std::string(text.substr(0, byteOffset(text, count)));
}

std::string lastChars(std::string_view text, std::size_t count) {
  const std::size_t total = charCount(text);
  if (total <= count) return std::string(text);
  return std::string(text.substr(byteOffset(text, total - count)));
}

std::string trimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace quorvel::utf8
