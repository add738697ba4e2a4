#pragma once

#include <string>

#include "forms/colours.h"
#include "forms/fonts.h"
#include "forms/twips.h"

// The About box as the designer drew it, and the texts its load rule writes.
namespace quorvel::forms {

// The client area, at a fixed place on the screen (left and top from the screen's corner).
inline constexpr Place kAboutClientArea{2340, 1935, 5730, 3555};

struct AboutControl {
  const char* name;
  Place place;
  int tabIndex;
};

inline constexpr AboutControl kPicIcon{"picIcon", {240, 240, 540, 540}, 1};
inline constexpr AboutControl kLblTitle{"lblTitle", {1050, 240, 3885, 480}, 5};
inline constexpr AboutControl kLblVersion{"lblVersion", {1050, 780, 3885, 225}, 6};
inline constexpr AboutControl kLblDescription{"lblDescription", {1050, 1125, 3885, 1170}, 3};
inline constexpr AboutControl kLblDisclaimer{"lblDisclaimer", {255, 2625, 2910, 825}, 4};
inline constexpr AboutControl kCmdOK{"cmdOK", {4245, 2625, 1260, 345}, 0};
inline constexpr AboutControl kCmdSysInfo{"cmdSysInfo", {4260, 3075, 1245, 345}, 2};

inline constexpr char kDescription[] =
    "I hope this program helps you visualize IP numbers and Subnet Masks.";
inline constexpr char kDisclaimer[] = "Provided as is, without warranty of any kind.";
inline constexpr char kOkCaption[] = "OK";
inline constexpr char kSysInfoCaption[] = "&System Info...";  // Alt+S presses it
inline constexpr char kSysInfoAccessibleName[] = "System Info...";

// Line1: an etched rule, a grey line of one pixel over a white one of two, from left to right
// in twips at the given height.
struct RuleLine {
  int left, right, top;
  Rgb colour;
  int pixels;
};
inline constexpr RuleLine kLine1Shade{90, 5654, 2445, {128, 128, 128}, 1};
inline constexpr RuleLine kLine1Light{105, 5654, 2460, {255, 255, 255}, 2};

// What the load rule writes: "About quorvel" and "Version 1.0.0".
[[nodiscard]] std::string aboutCaption(const std::string& title);
[[nodiscard]] std::string versionText(int major, int minor, int revision);

}  // namespace quorvel::forms
