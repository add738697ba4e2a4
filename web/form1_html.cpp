#include "web/form1_html.h"

#include "forms/form1_layout.h"
#include "web/html.h"

namespace quorvel::web {
namespace {

// The area of a box in the compact arrangement: that of the first box at the same place, so that
// the number's two boxes share theirs as they share their place.
std::string areaOf(const forms::FieldControl& box) {
  for (const forms::FieldControl& row : forms::form1Fields()) {
    if (row.place == box.place) return forms::fieldName(row.field);
  }
  return forms::fieldName(box.field);
}

void box(Html& html, const AddressSheet& sheet, const forms::FieldControl& row) {
  const FieldTraits traits = AddressSheet::traits(row.field);
  html.open(traits.multiLine ? "textarea" : "input");
  if (traits.multiLine) html.attribute("readonly");
  html.attribute("aria-label", row.accessibleName)
      .attribute("tabindex", traits.tabStop ? "0" : "-1")
      .attribute("data-field", std::to_string(static_cast<int>(row.field)));
  // The boxes the user types into: a touch screen offers its digit keyboard for them.
  if (sheet.isEnabled(row.field)) {
    html.attribute("class", "entry").attribute("inputmode", "numeric");
  }
  if (!sheet.isEnabled(row.field)) html.attribute("disabled");
  if (!sheet.isVisible(row.field)) html.attribute("hidden");
  html.place(row.place, row.face, areaOf(row), row.centred ? "text-align:center" : "");
  if (traits.multiLine) {
    html.text(sheet.text(row.field)).close("textarea");
  } else {
    html.attribute("value", sheet.text(row.field)).end();
  }
}

void label(Html& html, const forms::LabelControl& row) {
  const bool banner = row.banner != forms::Banner::None;
  html.open("div").attribute(
      "class", row.caption == nullptr ? "separator" : (banner ? "label banner" : "label"));
  if (row.caption == nullptr) html.attribute("aria-label", forms::kSeparatorAccessibleName);
  std::string style = row.centred ? "text-align:center" : "";
  if (banner) {
    style += std::string(style.empty() ? "" : ";") +
             "background-color:" + cssColour(forms::bannerColour(row.banner));
  }
  html.place(row.place, row.face, row.name, style);
  html.text(row.caption != nullptr ? row.caption : "").close("div");
}

}  // namespace

std::string form1Html(const AddressSheet& initial) {
  Html html;
  html.open("div")
      .attribute("id", "Form1")
      .attribute("role", "form")
      .attribute("aria-label", forms::kForm1Caption)
      .place(forms::kForm1ClientArea, forms::Face::Dialog, "",
             dialogFaces() + ";--dot:" + std::to_string(forms::kSeparatorDotPixels) +
                 "px;--dot-centre:" + std::to_string(forms::kSeparatorDotCentrePercent) + "%");
  for (const forms::Focusable& control : forms::form1TabChain()) {
    if (const auto* field = std::get_if<Field>(&control)) {
      box(html, initial, forms::form1Field(*field));
      continue;
    }
    const forms::ButtonControl& row = forms::form1Button(std::get<Button>(control));
    html.open("button")
        .attribute("type", "button")
        .attribute("tabindex", row.tabStop ? "0" : "-1")
        .attribute("data-button", std::to_string(static_cast<int>(row.button)))
        .place(row.place, row.face, row.name)
        .text(row.caption)
        .close("button");
  }
  for (const forms::LabelControl& row : forms::form1Labels()) label(html, row);
  return html.close("div").str();
}

}  // namespace quorvel::web
