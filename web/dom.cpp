#include "web/dom.h"

#include <cstdio>

namespace quorvel::web {

val document() {
  return val::global("document");
}

val create(const char* tag, const val& parent) {
  val element = document().call<val>("createElement", std::string(tag));
  parent.call<void>("appendChild", element);
  return element;
}

val byId(const std::string& id) {
  return document().call<val>("getElementById", id);
}

void listen(const val& target, const char* event, const char* handler) {
  target.call<void>("addEventListener", std::string(event), val::module_property(handler));
}

void setAttribute(const val& element, const char* name, const std::string& value) {
  element.call<void>("setAttribute", std::string(name), value);
}

void setStyleProperty(const val& element, const char* name, const std::string& value) {
  element["style"].call<void>("setProperty", std::string(name), value);
}

std::string cssColour(forms::Rgb c) {
  return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
         std::to_string(c.blue) + ")";
}

forms::Rgb rgbOf(const std::string& css) {
  int parts[3] = {0, 0, 0};
  std::sscanf(css.c_str(), "rgb%*[a(] %d , %d , %d", &parts[0], &parts[1], &parts[2]);
  return {static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
          static_cast<std::uint8_t>(parts[2])};
}

void place(const val& element, const forms::Place& p, forms::Face face, const std::string& area) {
  const auto pixels = [](int twips) { return std::to_string(forms::twipsToPixels(twips)); };
  setStyleProperty(element, "--x", pixels(p.left));
  setStyleProperty(element, "--y", pixels(p.top));
  setStyleProperty(element, "--w", pixels(p.width));
  setStyleProperty(element, "--h", pixels(p.height));
  const forms::DesignedFont font = forms::fontOf(face);
  setStyleProperty(element, "--pt", std::to_string(font.points));
  std::string families = std::string("\"") + font.family + '"';
  if (face != forms::Face::Symbol) {
    for (const char* standIn : forms::kDialogStandIns)
      families += std::string(", \"") + standIn + '"';
  }
  val style = element["style"];
  style.set("fontFamily", families + ", sans-serif");
  style.set("fontWeight", std::string(font.bold ? "bold" : "normal"));
  if (!area.empty()) style.set("gridArea", area);
}

val button(const val& parent, const std::string& text, char accessKey, const forms::Place& p,
           forms::Face face, const std::string& area) {
  val element = create("button", parent);
  element.set("textContent", text);
  if (accessKey != '\0') element.set("accessKey", std::string(1, accessKey));
  element.set("type", std::string("button"));
  place(element, p, face, area);
  return element;
}

}  // namespace quorvel::web
