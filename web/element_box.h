#pragma once

#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "forms/box_view.h"
#include "forms/utf16_text.h"
#include "web/dom.h"

namespace quorvel::web {

// A field's box: an <input>, or a read-only <textarea> for the note, which wraps.
class ElementBox final : public forms::BoxView {
 public:
  explicit ElementBox(val element) : element_(std::move(element)) {}

  [[nodiscard]] std::u16string text() const {
    return forms::toUtf16(element_["value"].as<std::string>());
  }
  void showText(std::u16string_view text) override {
    element_.set("value", val(std::u16string(text)));
  }
  [[nodiscard]] int anchor() const override {
    return element_[backward() ? "selectionEnd" : "selectionStart"].as<int>();
  }
  [[nodiscard]] int cursor() const override {
    return element_[backward() ? "selectionStart" : "selectionEnd"].as<int>();
  }
  void select(int anchor, int cursor) override {
    element_.call<void>("setSelectionRange", std::min(anchor, cursor), std::max(anchor, cursor),
                        std::string(cursor < anchor ? "backward" : "forward"));
  }
  // Only the presenter shows, hides, enables and disables boxes: what it set is known here,
  // without a call into the page for each box on every keystroke.
  [[nodiscard]] bool isShown() const override { return shown_; }
  void setShown(bool shown) override {
    shown_ = shown;
    element_.set("hidden", !shown);
  }
  [[nodiscard]] bool isEnabled() const override { return enabled_; }
  void setEnabled(bool enabled) override {
    enabled_ = enabled;
    element_.set("disabled", !enabled);
  }
  [[nodiscard]] bool hasFocus() const override {
    return document()["activeElement"].strictlyEquals(element_);
  }
  void takeFocus() override { element_.call<void>("focus"); }
  void dropFocus() override { element_.call<void>("blur"); }

 private:
  [[nodiscard]] bool backward() const {
    return element_["selectionDirection"].as<std::string>() == "backward";
  }
  val element_;
  bool shown_ = true;
  bool enabled_ = true;
};

}  // namespace quorvel::web
