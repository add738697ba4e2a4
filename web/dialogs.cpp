#include "web/dialogs.h"

#include <cctype>
#include <optional>
#include <string>

#include "forms/about_layout.h"
#include "forms/enter_key.h"
#include "forms/program_identity.h"
#include "sysinfo/start_sys_info.h"
#include "sysinfo/sys_info_platform.h"
#include "web/dom.h"

namespace quorvel::web {
namespace {

// A modal dialog named by its caption, at its place relative to Form1 where the screen has room
// for it (the style sheet centres it otherwise). `kind` names the arrangement of its client area.
val dialog(const std::string& caption, const forms::Place& area, const char* kind) {
  val element = create("dialog", program().root);
  setAttribute(element, "aria-label", caption);
  val title = create("div", element);
  title.set("className", std::string("caption"));
  title.set("textContent", caption);
  val client = create("div", element);
  client.set("className", std::string("client ") + kind);
  place(client, {0, 0, area.width, area.height}, forms::Face::Dialog, "");
  setStyleProperty(element, "--x", std::to_string(forms::twipsToPixels(area.left)));
  setStyleProperty(element, "--y", std::to_string(forms::twipsToPixels(area.top)));
  listen(element, "click", "onDialogClick");
  listen(element, "keydown", "onDialogKey");
  return element;
}

// Line1, the etched rule: a line of the shade's colour over one of the light's, as thick as
// theirs, from the table's left to its right.
void addRule(const val& client) {
  const forms::RuleLine& shade = forms::kLine1Shade;
  const forms::RuleLine& light = forms::kLine1Light;
  val rule = create("div", client);
  rule.set("id", std::string("Line1"));
  setAttribute(rule, "role", "separator");
  constexpr int kTwipsPerPixel = 15;
  place(rule,
        {shade.left, shade.top, shade.right - shade.left,
         (shade.pixels + light.pixels) * kTwipsPerPixel},
        forms::Face::Dialog, "Line1");
  val style = rule["style"];
  style.set("borderTop", std::to_string(shade.pixels) + "px solid " + cssColour(shade.colour));
  style.set("borderBottom", std::to_string(light.pixels) + "px solid " + cssColour(light.colour));
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
    val box = dialog(caption,
                     {over.left + (over.width - kWidth) / 2, over.top + (over.height - kHeight) / 2,
                      kWidth, kHeight},
                     "message");
    val client = box["lastChild"];
    val line = create("p", client);
    line.set("textContent", text);
    const forms::Place okPlace = forms::kCmdOK.place;
    val ok = button(
        client, forms::kCmdOK.accessibleName, '\0',
        {(kWidth - okPlace.width) / 2, kHeight - 2 * okPlace.height, okPlace.width, okPlace.height},
        forms::Face::Dialog, "");
    ok["dataset"].set("action", std::string("close"));
    listen(box, "close", "onMessageClose");
    box.call<void>("showModal");
    ok.call<void>("focus");
  }
};

}  // namespace

void openAbout(Program& p) {
  const forms::AboutLoad load = forms::aboutLoad();
  p.about = dialog(load.caption, forms::kAboutClientArea, "about");
  val client = p.about["lastChild"];
  for (const forms::AboutControl* row : forms::kAboutControls) {
    val element = val::null();
    if (row->kind == forms::AboutKind::Button) {
      element = button(client, row->accessibleName, forms::accessKeyOf(row->caption), row->place,
                       forms::Face::Dialog, row->name);
      const bool closes = row->role == forms::ButtonRole::DefaultAndCancel;
      element["dataset"].set("action", std::string(closes ? "close" : "sysinfo"));
    } else {
      element = create(row->kind == forms::AboutKind::Picture ? "img" : "div", client);
      place(element, row->place, forms::Face::Dialog, row->name);
      if (row->kind == forms::AboutKind::Picture) {
        element.set("src", val::global("quorvelIcon"));
        element.set("alt", std::string(""));
      }
      if (row->caption != nullptr) element.set("textContent", std::string(row->caption));
    }
    element.set("id", std::string(row->name));
  }
  addRule(client);
  // Form_Load: the title and the version (the caption is the dialog's name).
  for (const auto& [row, text] : load.texts) byId(row->name).set("textContent", text);
  listen(p.about, "close", "onAboutClose");
  p.about.call<void>("showModal");
  byId(forms::kCmdOK.name).call<void>("focus");
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

// Enter presses the focused button, else the dialog's default one; Alt and a button's access key
// press it, as in a desktop dialog, whatever the browser makes of access keys.
void onDialogKey(const val& event) {
  const std::string key = event["key"].as<std::string>();
  val buttons = event["currentTarget"].call<val>("querySelectorAll", std::string("button"));
  const int count = buttons["length"].as<int>();
  if (key == "Enter") {
    std::optional<int> focused;
    std::optional<int> byDefault;
    for (int i = 0; i < count; ++i) {
      if (buttons[i].strictlyEquals(event["target"])) focused = i;
      if (buttons[i]["dataset"]["action"].as<std::string>() == "close") byDefault = i;
    }
    if (const std::optional<int> pressed = forms::enterPresses(focused, byDefault)) {
      event.call<void>("preventDefault");
      buttons[*pressed].call<void>("click");
    }
    return;
  }
  if (!event["altKey"].as<bool>() || event["ctrlKey"].as<bool>() || key.size() != 1) return;
  for (int i = 0; i < count; ++i) {
    const std::string access = buttons[i]["accessKey"].as<std::string>();
    if (access.empty() || std::tolower(key[0]) != std::tolower(access[0])) continue;
    event.call<void>("preventDefault");
    buttons[i].call<void>("click");
    return;
  }
}

void onAboutClose(const val& /*event*/) {
  Program& p = program();
  p.about.call<void>("remove");
  p.about = val::null();
  lifeStep(p.life.closed(forms::WindowLife::Window::About));
}

void onMessageClose(const val& event) {
  event["target"].call<void>("remove");
}

}  // namespace quorvel::web
