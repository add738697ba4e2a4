#include "forms/about_layout.h"

namespace quorvel::forms {

std::string aboutCaption(const std::string& title) {
  return "About " + title;
}

std::string versionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

}  // namespace quorvel::forms
