#pragma once

#include <optional>

namespace quorvel::forms {

// The button Enter presses: the focused one; with the focus in a text box or on nothing that
// presses, the window's default button. The About box's is OK; the main window has none, so
// Enter in one of its boxes presses nothing.
template <typename ButtonId>
[[nodiscard]] constexpr std::optional<ButtonId> enterPresses(std::optional<ButtonId> focused,
                                                             std::optional<ButtonId> byDefault) {
  return focused ? focused : byDefault;
}

}  // namespace quorvel::forms
