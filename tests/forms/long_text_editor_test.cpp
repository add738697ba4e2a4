// A box holding a long text lets its control hold only a part of it; every operation must still
// act on the whole text, as a plain editor holding all of it would.
#include "forms/long_text_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

namespace quorvel::forms {
namespace {

bool isPair(std::u16string_view text, int at) {  // whether a pair starts at `at`
  return at >= 0 && at + 1 < static_cast<int>(text.size()) && text[at] >= 0xD800 &&
         text[at] <= 0xDBFF && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
}

// A text with its selection, edited naively: the reference, and what a fake control holds.
struct Plain {
  std::u16string text;
  int anchor = 0;
  int cursor = 0;

  [[nodiscard]] int start() const { return std::min(anchor, cursor); }
  [[nodiscard]] std::u16string selected() const {
    return text.substr(start(), std::abs(cursor - anchor));
  }
  [[nodiscard]] int size() const { return static_cast<int>(text.size()); }
  void replace(std::u16string_view with) {
    text.replace(start(), std::abs(cursor - anchor), with);
    anchor = cursor = start() + static_cast<int>(with.size());
  }
  void moveTo(int to, bool extend) {
    cursor = to;
    if (!extend) anchor = to;
  }
  [[nodiscard]] int step(int by) const {  // a pair is one step
    if (by < 0) return cursor == 0 ? 0 : cursor - (isPair(text, cursor - 2) ? 2 : 1);
    return cursor == size() ? cursor : cursor + (isPair(text, cursor) ? 2 : 1);
  }
  void erase(int by) {
    if (anchor == cursor) anchor = step(by);
    replace({});
  }
};

// A control that edits its own text plainly, and echoes the texts written to it as a change.
class FakeControl final : public TextControl {
 public:
  Plain local;
  std::u16string clipboard;
  std::u16string heard;
  int heardCursor = -1;
  int reports = 0;
  LongTextEditor* editor = nullptr;

  [[nodiscard]] std::u16string localText() const override { return local.text; }
  void setLocalText(std::u16string_view text) override {
    local.text = text;
    local.anchor = local.cursor = local.size();
    editor->controlEdited();
  }
  [[nodiscard]] std::pair<int, int> localSelection() const override {
    return {local.anchor, local.cursor};
  }
  void setLocalSelection(int anchor, int cursor) override {
    local.anchor = anchor;
    local.cursor = cursor;
  }
  void toClipboard(std::u16string_view text) override { clipboard = text; }
  void userEdited(std::u16string_view whole, int cursor) override {
    heard = whole;
    heardCursor = cursor;
    ++reports;
  }
};

TEST(LongTextEditor, ActsOnTheWholeTextAsAPlainEditor) {
  const std::u16string pieces[] = {u"7", u"\U0001F600", u"12 \U0001F600 45",
                                   std::u16string(5000, u'9')};
  for (const unsigned seed : {1U, 2U, 3U, 4U}) {
    std::mt19937 random(seed);
    const auto below = [&random](int n) { return static_cast<int>(random() % unsigned(n)); };
    FakeControl control;
    LongTextEditor editor(control);
    control.editor = &editor;
    Plain plain;
    std::u16string clipboard;
    int partial = 0;
    int spilled = 0;
    const auto snap = [&](int at) { return isPair(plain.text, at - 1) ? at - 1 : at; };
    const auto own = [&](auto edit) {  // what the control does by itself
      edit(control.local);
      editor.controlEdited();
    };
    for (int round = 0; round < 1500; ++round) {
      const std::u16string& piece = pieces[below(3) + (below(8) == 0 ? 1 : 0)];
      const bool extend = below(2) == 0;
      const int op = below(14);
      const int times = op == 0 ? 1 + below(900) : 1;
      const std::u16string before = plain.text;
      for (int i = 0; i < times; ++i) {
        switch (op) {
          case 0:  // a walk of the caret, which the control does by itself
          case 1: {
            const int by = below(2) == 0 ? -1 : 1;
            plain.moveTo(plain.step(by), extend);
            control.local.moveTo(control.local.step(by), extend);
            break;
          }
          case 2:
            plain.replace(piece);
            if (!editor.insert(piece)) own([&](Plain& p) { p.replace(piece); });
            break;
          case 3:
          case 4: {
            const int by = op == 3 ? -1 : 1;
            plain.erase(by);
            if (!editor.erase()) own([by](Plain& p) { p.erase(by); });
            break;
          }
          case 5: {  // by a key, or at a place in the control (a drop, a middle click)
            std::optional<int> at;
            if (below(2) == 0) {
              at = snap(plain.cursor - control.local.cursor + below(control.local.size() + 1)) -
                   (plain.cursor - control.local.cursor);
              plain.moveTo(plain.cursor - control.local.cursor + *at, false);
            }
            plain.replace(piece);
            if (!editor.paste(piece, at)) {
              own([&](Plain& p) {
                if (at) p.moveTo(*at, false);
                p.replace(piece);
              });
            }
            break;
          }
          case 12:                       // an input method's text, which reaches the control alone
            if (editor.spills()) break;  // it would replace only what the control holds
            plain.replace(piece);
            own([&](Plain& p) { p.replace(piece); });
            break;
          case 6:
          case 7: {
            if (plain.anchor != plain.cursor) clipboard = plain.selected();
            if (op == 7) plain.replace({});
            if (!(op == 7 ? editor.cut() : editor.copy()) &&
                control.local.anchor != control.local.cursor) {
              control.clipboard = control.local.selected();
              if (op == 7) own([](Plain& p) { p.replace({}); });
            }
            break;
          }
          case 8:
            plain.moveTo(0, extend);
            if (!editor.home(extend)) control.local.moveTo(0, extend);
            break;
          case 9:
            plain.moveTo(plain.size(), extend);
            if (!editor.end(extend)) control.local.moveTo(control.local.size(), extend);
            break;
          case 10:
            plain.moveTo(0, false);
            plain.moveTo(plain.size(), true);
            if (!editor.selectAll()) control.local = {control.local.text, 0, control.local.size()};
            break;
          case 11: {  // the sheet's selection
            const int anchor = snap(below(plain.size() + 1));
            const int cursor = snap(below(plain.size() + 1));
            plain.moveTo(anchor, false);
            plain.moveTo(cursor, true);
            editor.select(anchor, cursor);
            break;
          }
          default: {  // a new text from the sheet, long or short
            std::u16string text;
            for (int n = below(4) == 0 ? 3 : 1500; n > 0; --n) text += pieces[below(3)];
            plain = {text, static_cast<int>(text.size()), static_cast<int>(text.size())};
            const int reports = control.reports;
            editor.show(text);
            EXPECT_EQ(control.reports, reports);  // the sheet never hears its own text back
            control.heard = text;
          }
        }
        editor.cursorMoved();
      }
      SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round << ", op " << op);
      ASSERT_EQ(editor.text(), plain.text);
      ASSERT_EQ(editor.cursor(), plain.cursor);
      ASSERT_EQ(editor.anchor(), plain.anchor);
      ASSERT_EQ(editor.selectedText(), plain.selected());
      ASSERT_EQ(control.clipboard, clipboard);
      ASSERT_EQ(control.heard, plain.text);
      if (op >= 2 && op <= 7 && plain.text != before) {
        ASSERT_EQ(control.heardCursor, plain.cursor);
      }
      // The control holds a window onto the whole text at the caret, never cut through a pair,
      // and never a long text.
      const Plain& local = control.local;
      const int offset = plain.cursor - local.cursor;
      ASSERT_GE(offset, 0);
      ASSERT_EQ(plain.text.substr(offset, local.text.size()), local.text);
      ASSERT_FALSE(isPair(plain.text, offset - 1));
      ASSERT_FALSE(isPair(plain.text, offset + local.size() - 1));
      ASSERT_EQ(local.anchor, std::clamp(plain.anchor - offset, 0, local.size()));
      ASSERT_FALSE(TextPart::isLong(local.text.size()));
      partial += editor.holdsPart() ? 1 : 0;
      spilled += editor.spills() ? 1 : 0;
    }
    EXPECT_GT(partial, 400);  // the sequence goes where the part matters
    EXPECT_GT(spilled, 80);
  }
}

}  // namespace
}  // namespace quorvel::forms
