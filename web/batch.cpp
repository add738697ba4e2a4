#include "web/batch.h"

#include <algorithm>
#include <climits>

namespace quorvel::web {

void Batch::clear() {
  words_.clear();
  bytes_.clear();
}

void Batch::add(Op op, std::initializer_list<std::int32_t> arguments) {
  words_.push_back(static_cast<std::int32_t>(op));
  words_.insert(words_.end(), arguments);
}

void Batch::add(Op op, std::optional<std::int32_t> box, std::string_view text) {
  words_.push_back(static_cast<std::int32_t>(op));
  if (box) words_.push_back(*box);
  words_.push_back(static_cast<std::int32_t>(bytes_.size()));
  words_.push_back(static_cast<std::int32_t>(text.size()));
  bytes_.append(text);
}

const Batch::Outbox* Batch::outbox() {
  outbox_ = {words_.data(), static_cast<std::int32_t>(words_.size()), bytes_.data()};
  return &outbox_;
}

BatchBox::BatchBox(Field field, Batch& batch, Focus& focus, const AddressSheet& initial)
    : field_(field),
      batch_(batch),
      focus_(focus),
      end_(forms::unitsBefore(initial.text(field), INT_MAX)),
      shown_(initial.isVisible(field)),
      enabled_(initial.isEnabled(field)) {}

void BatchBox::showUtf8(std::string_view text) {
  batch_.add(Op::Text, number(), text);
  end_ = forms::unitsBefore(text, INT_MAX);
  if (held()) focus_.anchor = focus_.cursor = end_;
}

// Only the box with the focus shows a selection: another's is written when the focus arrives.
void BatchBox::select(int anchor, int cursor) {
  if (!held()) return;
  focus_.anchor = anchor;
  focus_.cursor = cursor;
  batch_.add(Op::Select,
             {number(), std::min(anchor, cursor), std::max(anchor, cursor), cursor < anchor});
}

void BatchBox::setShown(bool shown) {
  shown_ = shown;
  batch_.add(Op::Show, {number(), shown});
}

void BatchBox::setEnabled(bool enabled) {
  enabled_ = enabled;
  batch_.add(Op::Enable, {number(), enabled});
}

void BatchBox::takeFocus() {
  // Where the page puts the caret of a box it focuses is its own affair: the selection that
  // follows is always written.
  focus_ = {field_, -1, -1};
  batch_.add(Op::Focus, {number()});
}

void BatchBox::dropFocus() {
  focus_.holder.reset();
  batch_.add(Op::Blur, {number()});
}

}  // namespace quorvel::web
