#include "forms/about_layout.h"

#include "sheet/utf8_text.h"

namespace quorvel::forms {

constexpr bool textsAreUtf8() {
  for (const AboutControl* control : kAboutControls) {
    for (const char* text : {control->caption, control->accessibleName}) {
      if (text && !utf8::isWellFormed(text)) return false;
    }
  }
  return true;
}
static_assert(textsAreUtf8(), "every text of the About box must be well-formed UTF-8");

constexpr bool inTabOrder() {
  for (std::size_t i = 1; i < kAboutControls.size(); ++i) {
    if (kAboutControls[i - 1]->tabIndex >= kAboutControls[i]->tabIndex) return false;
  }
  return true;
}
static_assert(inTabOrder(), "the About box's controls are listed in tab order");

std::string aboutCaption(const std::string& title) {
  return "About " + title;
}

std::string versionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

}  // namespace quorvel::forms
