#include "forms/text_part.h"

#include <algorithm>

namespace quorvel::forms {
namespace {

bool splitsPair(std::u16string_view text, int at) {
  if (at <= 0 || at >= static_cast<int>(text.size())) return false;
  const char16_t before = text[static_cast<std::size_t>(at) - 1];
  const char16_t after = text[static_cast<std::size_t>(at)];
  return before >= 0xD800 && before <= 0xDBFF && after >= 0xDC00 && after <= 0xDFFF;
}

}  // namespace

bool TextPart::holds(int cursor, int wholeSize) const {
  return offset_ >= 0 && cursor >= offset_ && cursor <= tail_ &&
         (offset_ == 0 || cursor - offset_ >= kMargin) &&
         (tail_ == wholeSize || tail_ - cursor >= kMargin);
}

bool TextPart::follow(std::u16string_view whole, int cursor) {
  const int size = static_cast<int>(whole.size());
  if (holds(cursor, size)) return false;
  offset_ = std::max(0, cursor - kReach);
  tail_ = std::min(size, cursor + kReach);
  if (splitsPair(whole, offset_)) --offset_;
  if (splitsPair(whole, tail_)) ++tail_;
  return true;
}

int TextPart::toLocal(int whole) const {
  return std::clamp(whole, offset_, tail_) - offset_;
}

int TextPart::wholeAnchor(int local, int partSize, int beyond) const {
  if (local == 0 && beyond < offset_) return beyond;
  if (local == partSize && beyond > tail_) return beyond;
  return offset_ + local;
}

}  // namespace quorvel::forms
