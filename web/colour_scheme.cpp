#include "web/colour_scheme.h"

#include <string>

#include "forms/colours.h"
#include "web/dom.h"

namespace quorvel::web {

void followColourScheme(const val& /*event*/) {
  val form1 = byId("Form1");
  if (form1.isNull()) return;
  val probe = create("span", form1);
  probe["style"].set("color", std::string("GrayText"));
  val window = val::global("window");
  const auto colour = [&window](const val& element, const char* property) {
    return rgbOf(window.call<val>("getComputedStyle", element)[property].as<std::string>());
  };
  const forms::Rgb grey = colour(probe, "color");
  probe.call<void>("remove");
  const forms::Rgb text =
      forms::readableDisabledText(colour(form1, "backgroundColor"), grey, colour(form1, "color"));
  setStyleProperty(form1, "--disabled-text", cssColour(text));
}

}  // namespace quorvel::web
