#pragma once

#include <cstdint>

namespace quorvel::forms {

// The faces the windows were laid out with.
inline constexpr char kDialogFamily[] = "MS Sans Serif";
inline constexpr char kSymbolFamily[] = "Lucida Stars";

// Where the dialog face is not installed, the first of these that is draws it. The narrow face
// matches the old bitmap face's widths best: the two-line headings and the eight binary digits
// fit their boxes with it. The others are fallbacks.
inline constexpr const char* kDialogStandIns[] = {"Microsoft Sans Serif", "Liberation Sans Narrow",
                                                  "Liberation Sans", "DejaVu Sans"};

// Dialog is every window's default; F1 to F5 are the bold headings and boxes; Symbol draws the
// separator marks between octets.
enum class Face : std::uint8_t { Dialog, F1, F2, F3, F4, F5, Symbol };

struct DesignedFont {
  const char* family;
  double points;
  bool bold;
};

constexpr DesignedFont fontOf(Face face) {
  switch (face) {
    case Face::F1:
      return {kDialogFamily, 18, true};
    case Face::F2:
      return {kDialogFamily, 12, true};
    case Face::F3:
      return {kDialogFamily, 9.75, true};
    case Face::F4:
      return {kDialogFamily, 8.25, true};
    case Face::F5:
      return {kDialogFamily, 13.5, true};
    case Face::Symbol:
      return {kSymbolFamily, 18, false};
    case Face::Dialog:
      break;
  }
  return {kDialogFamily, 8.25, false};
}

}  // namespace quorvel::forms
