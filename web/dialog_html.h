#pragma once

#include <string>

namespace quorvel::web {

// The About box as HTML from its table (the etched rule included), as a modal dialog named by its
// caption, with the texts its load rule writes. Its picture takes the page's icon.
[[nodiscard]] std::string aboutHtml();
// A message with OK, as a modal dialog over the About box.
[[nodiscard]] std::string messageHtml(const std::string& text, const std::string& caption);
// What the page says once EXIT has ended the program.
[[nodiscard]] std::string endedHtml();

}  // namespace quorvel::web
