#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/twips.h"
#include "sheet/address_sheet.h"

// The main window as the designer drew it: every control with its place, font, colours and tab
// index, for any toolkit to build. The fields' tab stops, tab indexes and wrapping come with the
// sheet (AddressSheet::traits).
namespace quorvel::forms {

inline constexpr char kForm1Caption[] = "Form1";
inline constexpr Place kForm1ClientArea{0, 0, 6510, 6555};

// A text box: the view of the sheet field of the same name.
struct FieldControl {
  Field field;
  Place place;
  Face face;
  bool centred;
  const char* accessibleName;  // what the box shows, for screen readers
};

// The two banners have fixed back colours and the system's highlight-text colour for their text.
enum class Banner : std::uint8_t { None, Blue, Teal };

// A label; a caption of nullptr is a separator mark between two octet boxes.
struct LabelControl {
  const char* name;
  Place place;
  const char* caption;
  Face face;
  bool centred;
  Banner banner;
  int tabIndex;
};

struct ButtonControl {
  Button button;
  const char* name;
  Place place;
  const char* caption;
  Face face;
  int tabIndex;
  bool tabStop;
};

[[nodiscard]] std::span<const FieldControl> form1Fields();
[[nodiscard]] std::span<const LabelControl> form1Labels();
[[nodiscard]] std::span<const ButtonControl> form1Buttons();

[[nodiscard]] const FieldControl& form1Field(Field field);
[[nodiscard]] const ButtonControl& form1Button(Button button);

// The designer's name of a field's box: "Text1" to "Text35".
[[nodiscard]] std::string fieldName(Field field);

// The separator mark's caption, drawn in the symbol face; where that face is missing, the
// toolkit draws a dot the size of a full stop instead, on the baseline of the neighbouring
// boxes' digits: its diameter in pixels at 96 dpi, its centre's height in the mark's box.
inline constexpr char kSeparatorCaption[] = "$";
inline constexpr char kSeparatorAccessibleName[] = "dot";
inline constexpr int kSeparatorDotPixels = 3;
inline constexpr int kSeparatorDotCentrePercent = 68;

[[nodiscard]] Rgb bannerColour(Banner banner);

// The controls that can take the focus, in ascending tab index: the order of the Tab key, and
// the order in which a toolkit that follows creation order must create them.
using Focusable = std::variant<Field, Button>;
[[nodiscard]] std::vector<Focusable> form1TabChain();

}  // namespace quorvel::forms
