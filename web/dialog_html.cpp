#include "web/dialog_html.h"

#include "forms/about_layout.h"
#include "forms/program_identity.h"
#include "web/html.h"

namespace quorvel::web {
namespace {

// A modal dialog at its place relative to Form1 (the style sheet centres it where the screen has
// no room for that); `kind` names the arrangement of its client area.
void openDialog(Html& html, const std::string& caption, const forms::Place& area,
                const char* kind) {
  html.open("dialog")
      .attribute("aria-label", caption)
      .attribute("style", "--x:" + std::to_string(forms::twipsToPixels(area.left)) +
                              ";--y:" + std::to_string(forms::twipsToPixels(area.top)))
      .open("div")
      .attribute("class", "caption")
      .text(caption)
      .close("div")
      .open("div")
      .attribute("class", std::string("client ") + kind)
      .place({0, 0, area.width, area.height}, forms::Face::Dialog, "", dialogFaces());
}

// Line1, the etched rule: a line of the shade's colour over one of the light's, as thick as
// theirs, from the table's left to its right.
void rule(Html& html) {
  const forms::RuleLine& shade = forms::kLine1Shade;
  const forms::RuleLine& light = forms::kLine1Light;
  html.open("div")
      .attribute("id", "Line1")
      .attribute("role", "separator")
      .place({shade.left, shade.top, shade.right - shade.left,
              (shade.pixels + light.pixels) * forms::kTwipsPerPixel},
             forms::Face::Dialog, "Line1",
             "border-top:" + std::to_string(shade.pixels) + "px solid " + cssColour(shade.colour) +
                 ";border-bottom:" + std::to_string(light.pixels) + "px solid " +
                 cssColour(light.colour))
      .close("div");
}

}  // namespace

std::string aboutHtml() {
  const forms::AboutLoad load = forms::aboutLoad();
  Html html;
  openDialog(html, load.caption, forms::kAboutClientArea, "about");
  for (const forms::AboutControl* row : forms::kAboutControls) {
    std::string text = row->caption != nullptr ? row->caption : "";
    for (const auto& [loaded, loadedText] : load.texts) {
      if (loaded == row) text = loadedText;  // Form_Load: the title and the version
    }
    if (row->kind == forms::AboutKind::Picture) {
      html.open("img").attribute("id", row->name).attribute("alt", "");
      html.place(row->place, forms::Face::Dialog, row->name).end();
      continue;
    }
    if (row->kind == forms::AboutKind::Label) {
      html.open("div").attribute("id", row->name);
      html.place(row->place, forms::Face::Dialog, row->name).text(text).close("div");
      continue;
    }
    const bool closes = row->role == forms::ButtonRole::DefaultAndCancel;
    html.open("button").attribute("type", "button").attribute("id", row->name);
    if (const char key = forms::accessKeyOf(row->caption)) {
      html.attribute("accesskey", std::string(1, key));
    }
    html.attribute("data-action", closes ? "close" : "sysinfo")
        .place(row->place, forms::Face::Dialog, row->name)
        .text(row->accessibleName)
        .close("button");
  }
  rule(html);
  return html.close("div").close("dialog").str();
}

std::string messageHtml(const std::string& text, const std::string& caption) {
  // Centred over the About box, with OK centred under the text.
  constexpr int kWidth = 4500;
  constexpr int kHeight = 1500;
  const forms::Place& over = forms::kAboutClientArea;
  const forms::Place ok = forms::kCmdOK.place;
  Html html;
  openDialog(html, caption,
             {over.left + (over.width - kWidth) / 2, over.top + (over.height - kHeight) / 2, kWidth,
              kHeight},
             "message");
  html.open("p").text(text).close("p");
  html.open("button")
      .attribute("type", "button")
      .attribute("data-action", "close")
      .place({(kWidth - ok.width) / 2, kHeight - 2 * ok.height, ok.width, ok.height},
             forms::Face::Dialog, "")
      .text(forms::kCmdOK.accessibleName)
      .close("button");
  return html.close("div").close("dialog").str();
}

std::string endedHtml() {
  Html html;
  return html.open("p")
      .attribute("class", "ended")
      .text(std::string(forms::kTitle) + " has ended. ")
      .open("a")
      .attribute("href", "")
      .text("Start again")
      .close("a")
      .close("p")
      .str();
}

}  // namespace quorvel::web
