#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/box_view.h"
#include "sheet/address_sheet.h"

namespace quorvel::web {

// What the page must do after an event: written here while the program handles the event, and
// carried out by the page's script in one go with plain DOM calls. Words, and the UTF-8 texts
// they point into. Boxes are named by their field's number.
enum class Op : std::int32_t {
  Text = 1,  // box, offset, length: the box's text
  Select,    // box, start, end, backward
  Show,      // box, shown
  Enable,    // box, enabled
  Focus,     // box
  Blur,      // box
  Dialog,    // offset, length: a modal dialog's HTML, opened over the page
  End,       // offset, length: the page's HTML once the program has ended
};

class Batch {
 public:
  // Where the page reads a batch: its words, their count and the texts.
  struct Outbox {
    const std::int32_t* words;
    std::int32_t count;
    const char* bytes;
  };

  void clear();
  void add(Op op, std::initializer_list<std::int32_t> arguments);
  void add(Op op, std::optional<std::int32_t> box, std::string_view text);
  [[nodiscard]] const Outbox* outbox();

 private:
  std::vector<std::int32_t> words_;
  std::string bytes_;
  Outbox outbox_{};
};

// A field's box as the page shows it. Only the program writes the boxes, so what it wrote is known
// here without asking the page; the page tells which box holds the focus and its selection before
// every event (focus_).
class BatchBox final : public forms::BoxView {
 public:
  struct Focus {
    std::optional<Field> holder;
    int anchor = 0;
    int cursor = 0;
  };
  BatchBox(Field field, Batch& batch, Focus& focus, const AddressSheet& initial);

  void showText(std::u16string_view text) override { showUtf8(forms::toUtf8(text)); }
  void showUtf8(std::string_view text) override;
  [[nodiscard]] int anchor() const override { return held() ? focus_.anchor : end_; }
  [[nodiscard]] int cursor() const override { return held() ? focus_.cursor : end_; }
  void select(int anchor, int cursor) override;
  [[nodiscard]] bool isShown() const override { return shown_; }
  void setShown(bool shown) override;
  [[nodiscard]] bool isEnabled() const override { return enabled_; }
  void setEnabled(bool enabled) override;
  [[nodiscard]] bool hasFocus() const override { return held(); }
  void takeFocus() override;
  void dropFocus() override;

 private:
  [[nodiscard]] bool held() const { return focus_.holder == field_; }
  [[nodiscard]] std::int32_t number() const { return static_cast<std::int32_t>(field_); }
  Field field_;
  Batch& batch_;
  Focus& focus_;
  int end_;  // the text's length in UTF-16 units: a written text leaves the caret there
  bool shown_;
  bool enabled_;
};

}  // namespace quorvel::web
