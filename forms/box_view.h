#pragma once

#include <string_view>

#include "forms/utf16_text.h"

namespace quorvel::forms {

// One text box of a window, as the presenter drives it. Texts and positions are in UTF-16 units
// of the box's whole text (a box that shows only part of a long text maps them itself).
class BoxView {
 public:
  BoxView() = default;
  BoxView(const BoxView&) = delete;
  BoxView& operator=(const BoxView&) = delete;
  virtual ~BoxView() = default;

  virtual void showText(std::u16string_view text) = 0;
  // The same text as the sheet keeps it; a box whose toolkit takes UTF-8 spares the conversion.
  virtual void showUtf8(std::string_view text) { showText(toUtf16(text)); }
  [[nodiscard]] virtual int anchor() const = 0;  // the selection's fixed end; the cursor if none
  [[nodiscard]] virtual int cursor() const = 0;
  virtual void select(int anchor, int cursor) = 0;

  [[nodiscard]] virtual bool isShown() const = 0;
  virtual void setShown(bool shown) = 0;
  [[nodiscard]] virtual bool isEnabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;

  // Whether the box is its window's focus holder, whether that window is active or not.
  [[nodiscard]] virtual bool hasFocus() const = 0;
  virtual void takeFocus() = 0;
  virtual void dropFocus() = 0;  // the window is left with no focus holder
};

}  // namespace quorvel::forms
