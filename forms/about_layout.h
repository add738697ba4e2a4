#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/twips.h"

// The About box as the designer drew it, and the texts its load rule writes.
namespace quorvel::forms {

// The client area, at a fixed place on the screen (left and top from the screen's corner).
inline constexpr Place kAboutClientArea{2340, 1935, 5730, 3555};

enum class AboutKind : std::uint8_t { Picture, Label, Button };
// A label's text: the theme's colour, or black where black reads on the window (else the theme's).
enum class TextColour : std::uint8_t { Theme, Black };
// OK is both the default and the cancel button: Enter (unless another button holds the focus)
// and Escape press it.
enum class ButtonRole : std::uint8_t { None, DefaultAndCancel };

struct AboutControl {
  const char* name;
  AboutKind kind;
  Place place;
  int tabIndex;
  const char* caption;  // nullptr: the load rule writes it (title, version), or a picture
  TextColour colour;
  ButtonRole role;
  const char* accessibleName;  // a button's caption without its access key's "&"
};

inline constexpr AboutControl kPicIcon{
    "picIcon", AboutKind::Picture, {240, 240, 540, 540}, 1,
    nullptr,   TextColour::Theme,  ButtonRole::None,     nullptr};
inline constexpr AboutControl kLblTitle{
    "lblTitle", AboutKind::Label,  {1050, 240, 3885, 480}, 5,
    nullptr,    TextColour::Black, ButtonRole::None,       nullptr};
inline constexpr AboutControl kLblVersion{
    "lblVersion", AboutKind::Label,  {1050, 780, 3885, 225}, 6,
    nullptr,      TextColour::Theme, ButtonRole::None,       nullptr};
inline constexpr AboutControl kLblDescription{
    "lblDescription",
    AboutKind::Label,
    {1050, 1125, 3885, 1170},
    3,
    "I hope this program helps you visualize IP numbers and Subnet Masks.",
    TextColour::Black,
    ButtonRole::None,
    nullptr};
inline constexpr AboutControl kLblDisclaimer{"lblDisclaimer",
                                             AboutKind::Label,
                                             {255, 2625, 2910, 825},
                                             4,
                                             "Provided as is, without warranty of any kind.",
                                             TextColour::Black,
                                             ButtonRole::None,
                                             nullptr};
inline constexpr AboutControl kCmdOK{
    "cmdOK", AboutKind::Button, {4245, 2625, 1260, 345},      0,
    "OK",    TextColour::Theme, ButtonRole::DefaultAndCancel, "OK"};
inline constexpr AboutControl kCmdSysInfo{
    "cmdSysInfo",      AboutKind::Button, {4260, 3075, 1245, 345}, 2, "&System Info...",  // Alt+S
    TextColour::Theme, ButtonRole::None,  "System Info..."};

// The key that presses a button together with Alt: the character after its caption's "&".
[[nodiscard]] constexpr char accessKeyOf(const char* caption) {
  for (; caption != nullptr && *caption != '\0'; ++caption) {
    if (caption[0] == '&' && caption[1] != '\0') return caption[1];
  }
  return '\0';
}

// Every control, in tab order: OK holds the focus when the box opens. Every control is drawn in
// the dialog face.
inline constexpr std::array<const AboutControl*, 7> kAboutControls{
    &kCmdOK, &kPicIcon, &kCmdSysInfo, &kLblDescription, &kLblDisclaimer, &kLblTitle, &kLblVersion};

// Line1: an etched rule, a grey line of one pixel over a white one of two, from left to right
// in twips at the given height.
struct RuleLine {
  int left, right, top;
  Rgb colour;
  int pixels;
};
inline constexpr RuleLine kLine1Shade{90, 5654, 2445, {128, 128, 128}, 1};
inline constexpr RuleLine kLine1Light{105, 5654, 2460, {255, 255, 255}, 2};

// What the load rule writes: the box's caption ("About quorvel"), and the texts the designer
// left empty: the title and the version ("Version 1.0.0").
struct AboutLoad {
  std::string caption;
  std::array<std::pair<const AboutControl*, std::string>, 2> texts;
};
[[nodiscard]] AboutLoad aboutLoad();

}  // namespace quorvel::forms
