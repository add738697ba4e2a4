#pragma once

#include <string>
#include <string_view>

#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/twips.h"

// HTML text, written the way the page's elements are made: Form1 once at build time, the dialogs
// when they open. The page takes it as it is, with no call into the DOM for each element.
namespace quorvel::web {

class Html {
 public:
  // Opens an element; attributes follow until its content or its end.
  Html& open(std::string_view tag);
  Html& attribute(std::string_view name, std::string_view value);
  Html& attribute(std::string_view name);  // a flag: disabled, hidden, readonly
  // A control's designed place (CSS pixels, 15 twips to the pixel) and face's size and weight, and
  // its area's name in the compact arrangement, as the style sheet reads them; `style` adds to
  // them. The family is the window's, which its controls inherit (dialogFaces).
  Html& place(const forms::Place& p, forms::Face face, std::string_view area,
              std::string_view style = {});
  Html& text(std::string_view text);
  Html& close(std::string_view tag);  // content, if any, comes first
  Html& end();                        // an element without content or end tag (input, img)

  [[nodiscard]] const std::string& str() const { return out_; }

 private:
  void content();  // ends the open tag, if one is open
  void escaped(std::string_view text);
  std::string out_;
  bool inTag_ = false;
};

[[nodiscard]] std::string cssColour(forms::Rgb c);
// The dialog face's family and its stand-ins, as a window's style gives them to its controls.
[[nodiscard]] std::string dialogFaces();

}  // namespace quorvel::web
