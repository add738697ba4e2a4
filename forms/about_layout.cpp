#include "forms/about_layout.h"

#include "sheet/utf8_text.h"

namespace quorvel::forms {

static_assert(utf8::IsWellFormed(kDescription) && utf8::IsWellFormed(kDisclaimer) &&
                  utf8::IsWellFormed(kOkCaption) && utf8::IsWellFormed(kSysInfoCaption) &&
                  utf8::IsWellFormed(kSysInfoAccessibleName),
              "every text of the About box must be well-formed UTF-8");

std::string aboutCaption(const std::string& title) {
  return "About " + title;
}

std::string versionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

}  // namespace quorvel::forms
