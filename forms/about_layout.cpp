#include "forms/about_layout.h"

#include "forms/program_identity.h"
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

AboutLoad aboutLoad() {
  const std::string title = kTitle;
  std::string version = "Version " + std::to_string(kVersionMajor) + "." +
                        std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
  return {"About " + title, {{{&kLblTitle, title}, {&kLblVersion, std::move(version)}}}};
}

}  // namespace quorvel::forms
