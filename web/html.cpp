#include "web/html.h"

namespace quorvel::web {

void Html::escaped(std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out_ += "&amp;";
        break;
      case '<':
        out_ += "&lt;";
        break;
      case '>':
        out_ += "&gt;";
        break;
      case '"':
        out_ += "&quot;";
        break;
      default:
        out_ += c;
    }
  }
}

void Html::content() {
  if (inTag_) out_ += '>';
  inTag_ = false;
}

Html& Html::open(std::string_view tag) {
  content();
  out_.append("<").append(tag);
  inTag_ = true;
  return *this;
}

Html& Html::attribute(std::string_view name, std::string_view value) {
  out_.append(" ").append(name).append("=\"");
  escaped(value);
  out_ += '"';
  return *this;
}

Html& Html::attribute(std::string_view name) {
  out_.append(" ").append(name);
  return *this;
}

Html& Html::place(const forms::Place& p, forms::Face face, std::string_view area,
                  std::string_view style) {
  const auto pixels = [](int twips) { return std::to_string(forms::twipsToPixels(twips)); };
  const forms::DesignedFont font = forms::fontOf(face);
  std::string points = std::to_string(font.points);
  points.erase(points.find_last_not_of('0') + 1);  // 8.250000 is 8.25, 18.000000 is 18.
  if (points.back() == '.') points.pop_back();
  std::string css = "--x:" + pixels(p.left) + ";--y:" + pixels(p.top) + ";--w:" + pixels(p.width) +
                    ";--h:" + pixels(p.height) + ";--pt:" + points;
  if (font.bold) css += ";font-weight:bold";
  if (!area.empty()) css.append(";grid-area:").append(area);
  if (!style.empty()) css.append(";").append(style);
  return attribute("style", css);
}

std::string dialogFaces() {
  std::string families = std::string("font-family:'") + forms::kDialogFamily + '\'';
  for (const char* standIn : forms::kDialogStandIns) families.append(", '").append(standIn) += '\'';
  return families + ", sans-serif";
}

Html& Html::text(std::string_view text) {
  content();
  escaped(text);
  return *this;
}

Html& Html::close(std::string_view tag) {
  content();
  out_.append("</").append(tag) += '>';
  return *this;
}

Html& Html::end() {
  content();
  return *this;
}

std::string cssColour(forms::Rgb c) {
  return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
         std::to_string(c.blue) + ")";
}

}  // namespace quorvel::web
