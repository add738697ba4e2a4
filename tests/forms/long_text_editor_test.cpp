// A box holding a long text lets its control hold only a part of it; every operation must still
// act on the whole text, as a plain editor holding all of it would.
#include "forms/long_text_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <tuple>

namespace quorvel::forms {
namespace {

bool isPair(std::u16string_view text, int at) {  // whether a pair starts at `at`
  return at >= 0 && at + 1 < static_cast<int>(text.size()) && text[at] >= 0xD800 &&
         text[at] <= 0xDBFF && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
}

// A text with its selection, edited naively: the reference, and what the fake control holds.
struct Plain {
  std::u16string text;
  int anchor = 0;
  int cursor = 0;

  [[nodiscard]] int size() const { return static_cast<int>(text.size()); }
  [[nodiscard]] int start() const { return std::min(anchor, cursor); }
  [[nodiscard]] std::u16string selected() const {
    return text.substr(start(), std::abs(cursor - anchor));
  }
  [[nodiscard]] int step(int by) const {  // a pair is one step
    if (by < 0) return cursor == 0 ? 0 : cursor - (isPair(text, cursor - 2) ? 2 : 1);
    return cursor == size() ? cursor : cursor + (isPair(text, cursor) ? 2 : 1);
  }
  void moveTo(int to, bool extend) {
    cursor = to;
    if (!extend) anchor = to;
  }
  void replace(std::u16string_view with) {
    text.replace(start(), std::abs(cursor - anchor), with);
    anchor = cursor = start() + static_cast<int>(with.size());
  }
};

// A control that edits its own text plainly, and reports the texts written to it as changed.
class FakeControl final : public TextControl {
 public:
  Plain local;
  std::u16string clipboard;
  Plain heard;  // what the sheet heard: the text and the cursor
  int reports = 0;
  LongTextEditor* editor = nullptr;

  [[nodiscard]] std::u16string localText() const override { return local.text; }
  void setLocalText(std::u16string_view text) override {
    local = {std::u16string(text), static_cast<int>(text.size()), static_cast<int>(text.size())};
    editor->controlEdited();
  }
  [[nodiscard]] std::pair<int, int> localSelection() const override {
    return {local.anchor, local.cursor};
  }
  void setLocalSelection(int anchor, int cursor) override { local = {local.text, anchor, cursor}; }
  void toClipboard(std::u16string_view text) override { clipboard = text; }
  void userEdited(std::u16string_view whole, int cursor) override {
    heard = {std::u16string(whole), cursor, cursor};
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
    std::u16string piece;
    bool extend = false;
    int by = 1;  // Backspace or Delete, a step left or right
    int spilled = 0;
    // What the editor did unless `taken` is false: then the control does it by itself.
    const auto act = [&](bool taken, auto change, bool edits = true) {
      change(plain);
      if (taken) return;
      change(control.local);
      if (edits) editor.controlEdited();
    };
    const auto walk = [&](bool taken, auto change) { act(taken, change, false); };
    const auto put = [&piece](Plain& p) { p.replace(piece); };
    const auto snap = [&](int at) { return isPair(plain.text, at - 1) ? at - 1 : at; };
    const std::function<void()> ops[] = {
        // a step of the caret, which the control takes by itself
        [&] { walk(false, [&](Plain& p) { p.moveTo(p.step(by), extend); }); },
        [&] { act(editor.insert(piece), put); },
        [&] {
          act(editor.erase(), [&](Plain& p) {
            if (p.anchor == p.cursor) p.anchor = p.step(by);
            p.replace({});
          });
        },
        [&] {  // by a key, or at a place in the control (a drop, a middle click)
          const int offset = plain.cursor - control.local.cursor;
          std::optional<int> at;
          if (extend) at = snap(offset + below(control.local.size() + 1)) - offset;
          act(editor.paste(piece, at), [&](Plain& p) {
            if (at) p.moveTo(*at + (&p == &plain ? offset : 0), false);
            p.replace(piece);
          });
        },
        // an input method's text, which reaches the control alone; over a selection beyond the
        // part it would replace only what the control holds
        [&] {
          if (!editor.spills()) act(false, put);
        },
        [&] {
          if (plain.anchor != plain.cursor) clipboard = plain.selected();
          act(extend ? editor.cut() : editor.copy(), [&](Plain& p) {
            if (&p == &control.local && p.anchor != p.cursor) control.clipboard = p.selected();
            if (extend) p.replace({});
          });
        },
        [&] { walk(editor.home(extend), [&](Plain& p) { p.moveTo(0, extend); }); },
        [&] { walk(editor.end(extend), [&](Plain& p) { p.moveTo(p.size(), extend); }); },
        [&] { walk(editor.selectAll(), [](Plain& p) {
                p = {p.text, 0, p.size()};
              }); },
        [&] {  // the sheet's selection
          plain = {plain.text, snap(below(plain.size() + 1)), snap(below(plain.size() + 1))};
          editor.select(plain.anchor, plain.cursor);
        },
        [&] {  // a new text from the sheet, long or short, which it does not hear back
          std::u16string text;
          for (int n = below(4) == 0 ? 3 : 1500; n > 0; --n) text += pieces[below(3)];
          plain = {text, static_cast<int>(text.size()), static_cast<int>(text.size())};
          editor.show(text);
          control.heard = plain;
        }};
    for (int round = 0; round < 1500; ++round) {
      piece = pieces[below(3) + (below(8) == 0 ? 1 : 0)];
      extend = below(2) == 0;
      by = below(2) == 0 ? -1 : 1;
      const int op = below(int(std::size(ops)) + 2) % int(std::size(ops));  // more new texts
      const int reports = control.reports;
      for (int i = op == 0 ? below(900) : 0; i >= 0; --i) {
        ops[op]();
        editor.cursorMoved();
      }
      SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round << ", op " << op);
      ASSERT_EQ(std::tuple(editor.text(), editor.anchor(), editor.cursor(), control.clipboard),
                std::tie(plain.text, plain.anchor, plain.cursor, clipboard));
      ASSERT_EQ(control.heard.text, plain.text);
      ASSERT_TRUE(control.reports == reports || (op < 9 && control.heard.cursor == plain.cursor));
      // The control holds a window onto the whole text at the caret, never cut through a pair,
      // and never a long text.
      const Plain& local = control.local;
      const int offset = plain.cursor - local.cursor;
      ASSERT_GE(offset, 0);
      ASSERT_EQ(plain.text.substr(offset, local.text.size()), local.text);
      ASSERT_FALSE(isPair(plain.text, offset - 1) || isPair(plain.text, offset + local.size() - 1));
      ASSERT_EQ(local.anchor, std::clamp(plain.anchor - offset, 0, local.size()));
      ASSERT_FALSE(TextPart::isLong(local.text.size()));
      spilled += editor.spills() ? 1 : 0;
    }
    EXPECT_GT(spilled, 80);  // the sequence goes where the part matters
  }
}

}  // namespace
}  // namespace quorvel::forms
