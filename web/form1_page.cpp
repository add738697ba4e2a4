#include "web/form1_page.h"

#include <string>

#include "forms/form1_layout.h"

namespace quorvel::web {
namespace {

Field fieldOf(const val& element) {
  return static_cast<Field>(std::stoi(element["dataset"]["field"].as<std::string>()));
}
bool isField(const val& element) {
  return element["dataset"].hasOwnProperty("field");
}
bool isButton(const val& element) {
  return element["dataset"].hasOwnProperty("button");
}

// The area of a box in the compact arrangement: that of the first box at the same place, so that
// the number's two boxes share theirs as they share their place.
std::string areaOf(const forms::FieldControl& box) {
  for (const forms::FieldControl& row : forms::form1Fields()) {
    const forms::Place& a = row.place;
    const forms::Place& b = box.place;
    if (a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height) {
      return forms::fieldName(row.field);
    }
  }
  return forms::fieldName(box.field);
}

void addBox(Program& p, const forms::FieldControl& row) {
  const FieldTraits traits = AddressSheet::traits(row.field);
  val box = create(traits.multiLine ? "textarea" : "input", p.form1);
  if (traits.multiLine) box.set("readOnly", true);
  setAttribute(box, "aria-label", row.accessibleName);
  box.set("tabIndex", traits.tabStop ? 0 : -1);
  box["dataset"].set("field", std::to_string(static_cast<int>(row.field)));
  // The boxes the user types into: a touch screen offers its digit keyboard for them.
  if (p.sheet.isEnabled(row.field)) {
    box.set("className", std::string("entry"));
    box.set("inputMode", std::string("numeric"));
  }
  if (row.centred) box["style"].set("textAlign", std::string("center"));
  place(box, row.place, row.face, areaOf(row));
  p.boxes[indexOf(row.field)] = std::make_unique<ElementBox>(box);
  p.presenter.bind(row.field, *p.boxes[indexOf(row.field)]);
}

void addLabel(Program& p, const forms::LabelControl& row) {
  val label = create("div", p.form1);
  label.set("className", std::string(row.caption ? "label" : "separator"));
  if (row.caption != nullptr) label.set("textContent", std::string(row.caption));
  if (row.caption == nullptr) setAttribute(label, "aria-label", forms::kSeparatorAccessibleName);
  if (row.centred) label["style"].set("textAlign", std::string("center"));
  if (row.banner != forms::Banner::None) {
    label["style"].set("backgroundColor", cssColour(forms::bannerColour(row.banner)));
    label.set("className", std::string("label banner"));
  }
  place(label, row.place, row.face, row.name);
}

// Tab and Shift+Tab wrap around the window's tab stops, as in a desktop window, rather than
// leave the page for the browser's own controls.
void wrapTab(const val& event) {
  if (event["key"].as<std::string>() != "Tab" || event["altKey"].as<bool>() ||
      event["ctrlKey"].as<bool>()) {
    return;
  }
  val stops = program().form1.call<val>(
      "querySelectorAll", std::string("[tabindex=\"0\"]:not(:disabled):not([hidden])"));
  const int count = stops["length"].as<int>();
  if (count == 0) return;
  const bool back = event["shiftKey"].as<bool>();
  if (!event["target"].strictlyEquals(stops[back ? 0 : count - 1])) return;
  event.call<void>("preventDefault");
  stops[back ? count - 1 : 0].call<void>("focus");
}

}  // namespace

void buildForm1(Program& p) {
  p.form1 = create("div", p.root);
  p.form1.set("id", std::string("Form1"));
  setAttribute(p.form1, "role", "form");
  setAttribute(p.form1, "aria-label", forms::kForm1Caption);
  place(p.form1, forms::kForm1ClientArea, forms::Face::Dialog, "");
  setStyleProperty(p.form1, "--dot", std::to_string(forms::kSeparatorDotPixels) + "px");
  setStyleProperty(p.form1, "--dot-centre",
                   std::to_string(forms::kSeparatorDotCentrePercent) + "%");
  for (const forms::Focusable& control : forms::form1TabChain()) {
    if (const auto* field = std::get_if<Field>(&control)) {
      addBox(p, forms::form1Field(*field));
    } else {
      const forms::ButtonControl& row = forms::form1Button(std::get<Button>(control));
      val element = button(p.form1, row.caption, '\0', row.place, row.face, row.name);
      element.set("tabIndex", row.tabStop ? 0 : -1);
      element["dataset"].set("button", std::to_string(static_cast<int>(row.button)));
    }
  }
  for (const forms::LabelControl& row : forms::form1Labels()) addLabel(p, row);
  for (const char* event : {"input", "focusin", "pointerdown", "mousedown", "click", "keydown"}) {
    listen(p.form1, event, "onFormEvent");
  }
}

void onFormEvent(const val& event) {
  Program& p = program();
  val target = event["target"];
  const std::string type = event["type"].as<std::string>();
  if (type == "keydown") {
    wrapTab(event);
    return;
  }
  // A press on the window's face leaves the focus where it is, as on the desktop.
  if (type == "mousedown") {
    if (!(isField(target) && p.boxes[indexOf(fieldOf(target))]->isEnabled()) && !isButton(target)) {
      event.call<void>("preventDefault");
    }
    return;
  }
  // A focus that comes back with the page's window is no focus move of the sheet.
  const bool switching = type == "focusin" && p.awayFromWindow;
  if (type == "focusin") p.awayFromWindow = false;
  if (isField(target)) {
    const Field field = fieldOf(target);
    ElementBox& box = *p.boxes[indexOf(field)];
    if (type == "input") {
      if (!p.presenter.pushing()) p.presenter.edited(field, box.text(), box.cursor());
    } else if (type == "focusin") {
      p.presenter.focusEntered(field, switching);
    } else if (type == "pointerdown") {
      // The press that brings the focus also moves the caret, a finger's after the pointer's
      // events: the sheet's selection wins once the press has become a click.
      p.pressing = box.hasFocus() ? std::nullopt : std::optional(field);
    } else if (type == "click" && p.pressing == field) {
      p.pressing.reset();
      if (box.hasFocus()) p.presenter.clickSettled(field);
    }
    return;
  }
  if (!isButton(target)) return;
  if (type == "focusin") {
    p.presenter.buttonFocused(switching);
  } else if (type == "click") {
    p.presenter.buttonClicked(
        static_cast<Button>(std::stoi(target["dataset"]["button"].as<std::string>())));
  }
}

void onWindowBlur(const val& /*event*/) {
  program().awayFromWindow = true;
}

}  // namespace quorvel::web
