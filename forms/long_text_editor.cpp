#include "forms/long_text_editor.h"

#include <algorithm>
#include <cstdlib>

#include "forms/raised.h"

namespace quorvel::forms {

std::u16string LongTextEditor::text() const {
  return partial_ ? whole_ : control_.localText();
}

int LongTextEditor::anchor() const {
  const int local = control_.localSelection().first;
  if (!partial_) return local;
  return part_.wholeAnchor(local, part_.tail() - part_.offset(), anchor_);
}

int LongTextEditor::cursor() const {
  return offset() + control_.localSelection().second;
}

std::u16string LongTextEditor::selectedText() const {
  const int from = anchor();
  const int to = cursor();
  return text().substr(static_cast<std::size_t>(std::min(from, to)),
                       static_cast<std::size_t>(std::abs(to - from)));
}

bool LongTextEditor::insertsLong(std::u16string_view inserted) const {
  return partial_ || TextPart::isLong(control_.localText().size() + inserted.size());
}

void LongTextEditor::show(std::u16string_view text) {
  if (TextPart::isLong(text.size())) {
    hold(std::u16string(text));
    const int end = static_cast<int>(whole_.size());
    place(end, end);
    return;
  }
  const Raised guard(placing_);
  partial_ = false;
  whole_.clear();
  local_ = text;
  control_.setLocalText(text);
}

void LongTextEditor::hold(std::u16string text) {
  partial_ = true;
  whole_ = std::move(text);
  part_.forget();  // nothing of it is in the control yet
}

void LongTextEditor::select(int anchor, int cursor) {
  if (partial_) {
    place(anchor, cursor);
  } else {
    control_.setLocalSelection(anchor, cursor);
  }
}

// Shows the selection, moving the part only when the cursor is not well inside it.
void LongTextEditor::place(int anchor, int cursor) {
  const Raised guard(placing_);
  if (part_.follow(whole_, cursor)) control_.setLocalPart(held());
  anchor_ = anchor;
  control_.setLocalSelection(part_.toLocal(anchor), cursor - part_.offset());
}

void LongTextEditor::cursorMoved() {
  if (!partial_ || placing_) return;
  anchor_ = anchor();
  const int at = cursor();
  if (!part_.holds(at, static_cast<int>(whole_.size()))) place(anchor_, at);
}

std::u16string_view LongTextEditor::held() const {
  if (!partial_) return local_;
  return std::u16string_view(whole_).substr(
      static_cast<std::size_t>(part_.offset()),
      static_cast<std::size_t>(part_.tail() - part_.offset()));
}

void LongTextEditor::controlEdited() {
  if (placing_) return;
  const std::u16string local = control_.localText();
  // Some controls report a change for keys that change nothing (Wine's on select-all): no edit.
  if (local == held()) return;
  if (!partial_) local_ = local;
  const auto [localAnchor, localCursor] = control_.localSelection();
  if (partial_) {
    // The control changed its part only; the rest of the text stands as it was.
    whole_.replace(static_cast<std::size_t>(part_.offset()),
                   static_cast<std::size_t>(part_.tail() - part_.offset()), local);
    part_.resize(static_cast<int>(local.size()));
    anchor_ = part_.offset() + localAnchor;
  }
  control_.userEdited(partial_ ? whole_ : local, offset() + localCursor);
  // The control took a long text in by itself (from an input method, say) and the sheet kept
  // it: from now on it holds a part of it.
  if (!TextPart::isLong(local.size()) || !TextPart::isLong(control_.localText().size())) return;
  const int anchorNow = anchor();
  const int cursorNow = cursor();
  hold(text());
  place(anchorNow, cursorNow);
}

void LongTextEditor::replaceSelection(std::u16string_view with) {
  std::u16string changed = text();
  const int from = anchor();
  const int to = cursor();
  const int start = std::min(from, to);
  changed.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(std::abs(to - from)),
                  with);
  const int after = start + static_cast<int>(with.size());
  show(changed);
  select(after, after);
  control_.userEdited(text(), after);
}

bool LongTextEditor::insert(std::u16string_view typed) {
  // Inside the part the control types by itself, unless it would then hold a long text.
  if (!spills() && !TextPart::isLong(control_.localText().size() + typed.size())) return false;
  replaceSelection(typed);
  return true;
}

bool LongTextEditor::paste(std::u16string_view clip, std::optional<int> at) {
  if (!insertsLong(clip)) return false;
  if (at) select(offset() + *at, offset() + *at);
  if (!clip.empty() || anchor() != cursor()) replaceSelection(clip);
  return true;
}

bool LongTextEditor::erase() {
  if (!spills()) return false;
  replaceSelection({});
  return true;
}

bool LongTextEditor::copy() {
  if (!spills()) return false;
  control_.toClipboard(selectedText());
  return true;
}

bool LongTextEditor::cut() {
  if (!copy()) return false;
  replaceSelection({});
  return true;
}

bool LongTextEditor::home(bool extend) {
  if (!partial_) return false;
  place(extend ? anchor() : 0, 0);
  return true;
}

bool LongTextEditor::end(bool extend) {
  if (!partial_) return false;
  const int size = static_cast<int>(whole_.size());
  place(extend ? anchor() : size, size);
  return true;
}

bool LongTextEditor::selectAll() {
  if (!partial_) return false;
  place(0, static_cast<int>(whole_.size()));
  return true;
}

}  // namespace quorvel::forms
