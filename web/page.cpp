// The browser front end: Form1 and the About box as HTML elements built from the layout tables in
// forms/, kept in step with the sheet by the presenter. The elements' events come straight here.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "forms/about_layout.h"
#include "forms/colours.h"
#include "forms/form1_layout.h"
#include "forms/program_identity.h"
#include "forms/sheet_presenter.h"
#include "forms/utf16_text.h"
#include "forms/window_life.h"
#include "sheet/address_sheet.h"
#include "sysinfo/start_sys_info.h"
#include "sysinfo/sys_info_platform.h"

namespace quorvel::web {
namespace {

using emscripten::val;

val document() {
  return val::global("document");
}

val create(const char* tag, const val& parent) {
  val element = document().call<val>("createElement", std::string(tag));
  parent.call<void>("appendChild", element);
  return element;
}

void listen(const val& target, const char* event, const char* handler) {
  target.call<void>("addEventListener", std::string(event), val::module_property(handler));
}

// A length in CSS pixels, 15 twips to the pixel; the browser's zoom scales it with the faces.
std::string px(int twips) {
  return std::to_string(forms::twipsToPixels(twips)) + "px";
}

std::string cssColour(forms::Rgb c) {
  return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
         std::to_string(c.blue) + ")";
}

void place(const val& element, const forms::Place& p, forms::Face face) {
  val style = element["style"];
  style.set("left", px(p.left));
  style.set("top", px(p.top));
  style.set("width", px(p.width));
  style.set("height", px(p.height));
  const forms::DesignedFont font = forms::fontOf(face);
  std::string families = std::string("\"") + font.family + '"';
  if (face != forms::Face::Symbol) {
    for (const char* standIn : forms::kDialogStandIns)
      families += std::string(", \"") + standIn + '"';
  }
  style.set("font", std::string(font.bold ? "bold " : "") + std::to_string(font.points) + "pt " +
                        families + ", sans-serif");
}

// A button named by its caption without the "&" that marks its access key.
val button(const val& parent, const std::string& caption, const forms::Place& p, forms::Face face) {
  val element = create("button", parent);
  const auto at = caption.find('&');
  if (at == std::string::npos || at + 1 >= caption.size()) {
    element.set("textContent", caption);
  } else {
    element.set("textContent", caption.substr(0, at) + caption.substr(at + 1));
    element.set("accessKey", caption.substr(at + 1, 1));
  }
  element.set("type", std::string("button"));
  place(element, p, face);
  return element;
}

// A colour as the browser's computed style writes it: "rgb(r, g, b)".
forms::Rgb rgbOf(const std::string& css) {
  int parts[3] = {0, 0, 0};
  std::sscanf(css.c_str(), "rgb%*[a(] %d , %d , %d", &parts[0], &parts[1], &parts[2]);
  return {static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
          static_cast<std::uint8_t>(parts[2])};
}

// The disabled boxes' text: the scheme's grey, made readable on their background
// (forms::readableDisabledText), again whenever the colour scheme changes.
void followColourScheme(const val& /*event*/ = val::null()) {
  val form1 = document().call<val>("getElementById", std::string("Form1"));
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
  form1["style"].call<void>("setProperty", std::string("--disabled-text"), cssColour(text));
}

// A field's box: an <input>, or a read-only <textarea> for the note, which wraps.
class ElementBox final : public forms::BoxView {
 public:
  explicit ElementBox(val element) : element_(std::move(element)) {}

  [[nodiscard]] std::u16string text() const {
    return forms::toUtf16(element_["value"].as<std::string>());
  }
  void showText(std::u16string_view text) override {
    element_.set("value", val(std::u16string(text)));
  }
  [[nodiscard]] int anchor() const override {
    return element_[backward() ? "selectionEnd" : "selectionStart"].as<int>();
  }
  [[nodiscard]] int cursor() const override {
    return element_[backward() ? "selectionStart" : "selectionEnd"].as<int>();
  }
  void select(int anchor, int cursor) override {
    element_.call<void>("setSelectionRange", std::min(anchor, cursor), std::max(anchor, cursor),
                        std::string(cursor < anchor ? "backward" : "forward"));
  }
  // Only the presenter shows, hides, enables and disables boxes: what it set is known here,
  // without a call into the page for each box on every keystroke.
  [[nodiscard]] bool isShown() const override { return shown_; }
  void setShown(bool shown) override {
    shown_ = shown;
    element_.set("hidden", !shown);
  }
  [[nodiscard]] bool isEnabled() const override { return enabled_; }
  void setEnabled(bool enabled) override {
    enabled_ = enabled;
    element_.set("disabled", !enabled);
  }
  [[nodiscard]] bool hasFocus() const override {
    return document()["activeElement"].strictlyEquals(element_);
  }
  void takeFocus() override { element_.call<void>("focus"); }
  void dropFocus() override { element_.call<void>("blur"); }

 private:
  [[nodiscard]] bool backward() const {
    return element_["selectionDirection"].as<std::string>() == "backward";
  }
  val element_;
  bool shown_ = true;
  bool enabled_ = true;
};

// The running program: the sheet, its window and the About box while it is open.
struct Program {
  AddressSheet sheet;
  forms::SheetPresenter presenter{sheet};
  forms::WindowLife life;
  std::array<std::unique_ptr<ElementBox>, kFieldCount> boxes;
  val root = val::null();
  val form1 = val::null();
  val about = val::null();
  bool awayFromWindow = false;    // the page lost the focus to another window
  std::optional<Field> clicking;  // the box a press is bringing the focus to
};

std::unique_ptr<Program> program;

Field fieldOf(const val& element) {
  return static_cast<Field>(std::stoi(element["dataset"]["field"].as<std::string>()));
}
bool isField(const val& element) {
  return element["dataset"].hasOwnProperty("field");
}

void buildForm1(const val& root) {
  Program& p = *program;
  p.form1 = create("div", root);
  p.form1.set("id", std::string("Form1"));
  p.form1.call<void>("setAttribute", std::string("role"), std::string("form"));
  p.form1.call<void>("setAttribute", std::string("aria-label"), std::string(forms::kForm1Caption));
  place(p.form1, forms::kForm1ClientArea, forms::Face::Dialog);
  p.form1["style"].call<void>("setProperty", std::string("--dot"),
                              std::to_string(forms::kSeparatorDotPixels) + "px");
  p.form1["style"].call<void>("setProperty", std::string("--dot-centre"),
                              std::to_string(forms::kSeparatorDotCentrePercent) + "%");
  // Focusable controls in tab order, so that the document's order is the tab order.
  for (const forms::Focusable& control : forms::form1TabChain()) {
    if (const auto* field = std::get_if<Field>(&control)) {
      const forms::FieldControl& row = forms::form1Field(*field);
      const FieldTraits traits = AddressSheet::traits(row.field);
      val box = create(traits.multiLine ? "textarea" : "input", p.form1);
      if (traits.multiLine) box.set("readOnly", true);
      box.call<void>("setAttribute", std::string("aria-label"), std::string(row.accessibleName));
      box.set("tabIndex", traits.tabStop ? 0 : -1);
      box["dataset"].set("field", std::to_string(static_cast<int>(row.field)));
      if (row.centred) box["style"].set("textAlign", std::string("center"));
      place(box, row.place, row.face);
      p.boxes[indexOf(row.field)] = std::make_unique<ElementBox>(box);
      p.presenter.bind(row.field, *p.boxes[indexOf(row.field)]);
    } else {
      const forms::ButtonControl& row = forms::form1Button(std::get<Button>(control));
      val element = button(p.form1, row.caption, row.place, row.face);
      element.set("tabIndex", row.tabStop ? 0 : -1);
      element["dataset"].set("button", std::to_string(static_cast<int>(row.button)));
    }
  }
  for (const forms::LabelControl& row : forms::form1Labels()) {
    val label = create("div", p.form1);
    label.set("className", std::string(row.caption ? "label" : "separator"));
    if (row.caption != nullptr) label.set("textContent", std::string(row.caption));
    if (row.caption == nullptr) {
      label.call<void>("setAttribute", std::string("aria-label"),
                       std::string(forms::kSeparatorAccessibleName));
    }
    if (row.centred) label["style"].set("textAlign", std::string("center"));
    if (row.banner != forms::Banner::None) {
      label["style"].set("backgroundColor", cssColour(forms::bannerColour(row.banner)));
      label.set("className", std::string("label banner"));
    }
    place(label, row.place, row.face);
  }
  for (const char* event : {"input", "focusin", "mousedown", "mouseup", "click", "keydown"}) {
    listen(p.form1, event, "onFormEvent");
  }
}

// A modal dialog named by its caption, at its place relative to Form1.
val dialog(const std::string& caption, const forms::Place& area) {
  val element = create("dialog", program->root);
  element.call<void>("setAttribute", std::string("aria-label"), caption);
  val title = create("div", element);
  title.set("className", std::string("caption"));
  title.set("textContent", caption);
  val body = create("div", element);
  body.set("className", std::string("client"));
  place(body, {0, 0, area.width, area.height}, forms::Face::Dialog);
  element["style"].set("left", px(area.left));
  element["style"].set("top", px(area.top));
  return element;
}

// The one message of System Info, as a modal dialog with OK over the About box.
class PagePlatform final : public sysinfo::SysInfoPlatform {
 public:
  long openKey(std::uint32_t, const std::string&, std::uint32_t, std::uint32_t,
               sysinfo::KeyHandle&) override {
    return sysinfo::kErrorFileNotFound;  // a browser has no registry and no such tool
  }
  long queryValue(sysinfo::KeyHandle, const std::string&, std::uint32_t&, unsigned char*,
                  std::uint32_t&) override {
    return sysinfo::kErrorFileNotFound;
  }
  long closeKey(sysinfo::KeyHandle) override { return sysinfo::kErrorSuccess; }
  bool fileExists(const std::string&) override { return false; }
  void launch(const std::string&) override {}
  void showMessage(const std::string& text, const std::string& caption) override {
    // Centred over the About box, with OK centred under the text.
    constexpr int kWidth = 4500;
    constexpr int kHeight = 1500;
    const forms::Place& over = forms::kAboutClientArea;
    val box = dialog(caption, {over.left + (over.width - kWidth) / 2,
                               over.top + (over.height - kHeight) / 2, kWidth, kHeight});
    val client = box["lastChild"];
    val line = create("p", client);
    line.set("textContent", text);
    const forms::Place okPlace = forms::kCmdOK.place;
    val ok = button(
        client, "OK",
        {(kWidth - okPlace.width) / 2, kHeight - 2 * okPlace.height, okPlace.width, okPlace.height},
        forms::Face::Dialog);
    ok["dataset"].set("action", std::string("close"));
    listen(box, "click", "onDialogClick");
    listen(box, "keydown", "onDialogKey");
    listen(box, "close", "onMessageClose");
    box.call<void>("showModal");
    ok.call<void>("focus");
  }
};

void openAbout() {
  Program& p = *program;
  const forms::AboutLoad load = forms::aboutLoad();
  p.about = dialog(load.caption, forms::kAboutClientArea);
  val client = p.about["lastChild"];
  for (const forms::AboutControl* row : forms::kAboutControls) {
    val element = val::null();
    if (row->kind == forms::AboutKind::Button) {
      element = button(client, row->caption, row->place, forms::Face::Dialog);
      const bool closes = row->role == forms::ButtonRole::DefaultAndCancel;
      element["dataset"].set("action", std::string(closes ? "close" : "sysinfo"));
    } else {
      element = create(row->kind == forms::AboutKind::Picture ? "img" : "div", client);
      place(element, row->place, forms::Face::Dialog);
      if (row->kind == forms::AboutKind::Picture) {
        element.set("src", val::global("quorvelIcon"));
        element.set("alt", std::string(""));
      }
      if (row->caption != nullptr) element.set("textContent", std::string(row->caption));
    }
    element.set("id", std::string(row->name));
  }
  // Form_Load: the title and the version (the caption is the dialog's name).
  for (const auto& [row, text] : load.texts) {
    document().call<val>("getElementById", std::string(row->name)).set("textContent", text);
  }
  listen(p.about, "click", "onDialogClick");
  listen(p.about, "keydown", "onDialogKey");
  listen(p.about, "close", "onAboutClose");
  p.about.call<void>("showModal");
  document().call<val>("getElementById", std::string("cmdOK")).call<void>("focus");
}

// EXIT: a browser tab stays open, so the program ends in the page.
void endProgram() {
  Program& p = *program;
  val root = p.root;
  root.set("textContent", std::string(""));
  val line = create("p", root);
  line.set("className", std::string("ended"));
  line.set("textContent", std::string(forms::kTitle) + " has ended. ");
  val again = create("a", line);
  again.set("href", std::string(""));
  again.set("textContent", std::string("Start again"));
}

void lifeStep(forms::WindowLife::Step step) {
  using Step = forms::WindowLife::Step;
  if (step == Step::OpenAbout) openAbout();
  if (step == Step::CloseAllAndEnd || step == Step::End) endProgram();
}

void start(const val& root) {
  program = std::make_unique<Program>();
  program->root = root;
  program->root.set("textContent", std::string(""));
  buildForm1(root);
  program->sheet.setCommandHandler(Button::Command1, [] { lifeStep(program->life.exitClicked()); });
  program->sheet.setCommandHandler(Button::Command3,
                                   [] { lifeStep(program->life.aboutClicked()); });
  listen(val::global("window"), "blur", "onWindowBlur");
  followColourScheme();
  listen(val::global("window").call<val>("matchMedia", std::string("(prefers-color-scheme: dark)")),
         "change", "followColourScheme");
  program->life.mainOpened();
  program->presenter.refresh();
  program->presenter.enterFirstField();
}

// Tab and Shift+Tab wrap around the window's tab stops, as in a desktop window, rather than
// leave the page for the browser's own controls.
void wrapTab(const val& event) {
  if (event["key"].as<std::string>() != "Tab" || event["altKey"].as<bool>() ||
      event["ctrlKey"].as<bool>()) {
    return;
  }
  val stops = program->form1.call<val>(
      "querySelectorAll", std::string("[tabindex=\"0\"]:not(:disabled):not([hidden])"));
  const int count = stops["length"].as<int>();
  if (count == 0) return;
  const bool back = event["shiftKey"].as<bool>();
  if (!event["target"].strictlyEquals(stops[back ? 0 : count - 1])) return;
  event.call<void>("preventDefault");
  stops[back ? count - 1 : 0].call<void>("focus");
}

void onFormEvent(const val& event) {
  Program& p = *program;
  val target = event["target"];
  const std::string type = event["type"].as<std::string>();
  if (type == "keydown") {
    wrapTab(event);
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
    } else if (type == "mousedown") {
      // The press that brings the focus also moves the caret: the sheet's selection wins after it.
      p.clicking = box.hasFocus() ? std::nullopt : std::optional(field);
    } else if (type == "mouseup" && p.clicking == field) {
      p.clicking.reset();
      p.presenter.clickSettled(field);
    }
    return;
  }
  if (!target["dataset"].hasOwnProperty("button")) return;
  if (type == "focusin") {
    p.presenter.buttonFocused(switching);
  } else if (type == "click") {
    p.presenter.buttonClicked(
        static_cast<Button>(std::stoi(target["dataset"]["button"].as<std::string>())));
  }
}

void onDialogClick(const val& event) {
  val target = event["target"];
  if (!target["dataset"].hasOwnProperty("action")) return;
  const std::string action = target["dataset"]["action"].as<std::string>();
  if (action == "close") target.call<val>("closest", std::string("dialog")).call<void>("close");
  if (action == "sysinfo") {
    PagePlatform platform;
    sysinfo::StartSysInfo(platform, forms::kTitle);
  }
}

// Alt and a button's access key press it, as in a desktop dialog, whatever the browser makes of
// access keys; Enter presses OK unless a button holds the focus.
void onDialogKey(const val& event) {
  const std::string key = event["key"].as<std::string>();
  val dialog = event["currentTarget"];
  if (key == "Enter" && event["target"]["tagName"].as<std::string>() != "BUTTON") {
    event.call<void>("preventDefault");
    dialog.call<val>("querySelector", std::string("[data-action=\"close\"]")).call<void>("click");
    return;
  }
  if (!event["altKey"].as<bool>() || event["ctrlKey"].as<bool>() || key.size() != 1) return;
  val buttons = dialog.call<val>("querySelectorAll", std::string("button"));
  for (int i = 0; i < buttons["length"].as<int>(); ++i) {
    const std::string access = buttons[i]["accessKey"].as<std::string>();
    if (access.empty() || std::tolower(key[0]) != std::tolower(access[0])) continue;
    event.call<void>("preventDefault");
    buttons[i].call<void>("click");
    return;
  }
}

void onAboutClose(const val& /*event*/) {
  Program& p = *program;
  p.about.call<void>("remove");
  p.about = val::null();
  lifeStep(p.life.closed(forms::WindowLife::Window::About));
}

void onMessageClose(const val& event) {
  event["target"].call<void>("remove");
}

void onWindowBlur(const val& /*event*/) {
  program->awayFromWindow = true;
}

}  // namespace
}  // namespace quorvel::web

EMSCRIPTEN_BINDINGS(quorvel) {
  using namespace quorvel::web;
  emscripten::function("start", &start);
  emscripten::function("onFormEvent", &onFormEvent);
  emscripten::function("onDialogClick", &onDialogClick);
  emscripten::function("onDialogKey", &onDialogKey);
  emscripten::function("onAboutClose", &onAboutClose);
  emscripten::function("onMessageClose", &onMessageClose);
  emscripten::function("onWindowBlur", &onWindowBlur);
  emscripten::function("followColourScheme", &followColourScheme);
}
