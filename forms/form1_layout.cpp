#include "forms/form1_layout.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <stdexcept>

#include "sheet/utf8_text.h"

namespace quorvel::forms {
namespace {

using enum Face;

constexpr std::array<FieldControl, kFieldCount> kFields{{
    // Address: decimal octets, the class letter, hexadecimal and binary octets.
    {Field::Text1, {480, 840, 615, 285}, Dialog, false, "IP octet 1, decimal"},
    {Field::Text2, {1440, 840, 615, 285}, Dialog, false, "IP octet 2, decimal"},
    {Field::Text3, {2400, 840, 615, 285}, Dialog, false, "IP octet 3, decimal"},
    {Field::Text4, {3360, 840, 615, 285}, Dialog, false, "IP octet 4, decimal"},
    {Field::Text13, {4440, 1200, 495, 495}, F1, true, "Address class"},
    {Field::Text5, {480, 1320, 615, 285}, Dialog, false, "IP octet 1, hexadecimal"},
    {Field::Text6, {1440, 1320, 615, 285}, Dialog, false, "IP octet 2, hexadecimal"},
    {Field::Text7, {2400, 1320, 615, 285}, Dialog, false, "IP octet 3, hexadecimal"},
    {Field::Text8, {3360, 1320, 615, 285}, Dialog, false, "IP octet 4, hexadecimal"},
    {Field::Text9, {480, 1800, 855, 285}, Dialog, false, "IP octet 1, binary"},
    {Field::Text10, {1440, 1800, 855, 285}, Dialog, false, "IP octet 2, binary"},
    {Field::Text11, {2400, 1800, 855, 285}, Dialog, false, "IP octet 3, binary"},
    {Field::Text12, {3360, 1800, 855, 285}, Dialog, false, "IP octet 4, binary"},
    // The whole address as one number: shown, and edited in the same place.
    {Field::Text31, {480, 2280, 1335, 285}, Dialog, false, "IP address as one number"},
    {Field::Text32, {480, 2280, 1335, 285}, Dialog, false, "IP address as one number, editing"},
    // Subnet mask, octet 1 at the left in the boxes named right to left; the prefix.
    {Field::Text26, {360, 3240, 615, 285}, Dialog, false, "Subnet mask octet 1, decimal"},
    {Field::Text25, {1320, 3240, 615, 285}, Dialog, false, "Subnet mask octet 2, decimal"},
    {Field::Text24, {2280, 3240, 615, 285}, Dialog, false, "Subnet mask octet 3, decimal"},
    {Field::Text23, {3240, 3240, 615, 285}, Dialog, false, "Subnet mask octet 4, decimal"},
    {Field::Text14, {4080, 3600, 1215, 495}, F1, true, "Network prefix"},
    {Field::Text22, {360, 3720, 615, 285}, Dialog, false, "Subnet mask octet 1, hexadecimal"},
    {Field::Text21, {1320, 3720, 615, 285}, Dialog, false, "Subnet mask octet 2, hexadecimal"},
    {Field::Text20, {2280, 3720, 615, 285}, Dialog, false, "Subnet mask octet 3, hexadecimal"},
    {Field::Text19, {3240, 3720, 615, 285}, Dialog, false, "Subnet mask octet 4, hexadecimal"},
    {Field::Text18, {360, 4200, 855, 285}, Dialog, false, "Subnet mask octet 1, binary"},
    {Field::Text17, {1320, 4200, 855, 285}, Dialog, false, "Subnet mask octet 2, binary"},
    {Field::Text16, {2280, 4200, 855, 285}, Dialog, false, "Subnet mask octet 3, binary"},
    {Field::Text15, {3240, 4200, 855, 285}, Dialog, false, "Subnet mask octet 4, binary"},
    // Bit counts and totals.
    {Field::Text29, {600, 5280, 375, 285}, Dialog, false, "Network bits"},
    {Field::Text28, {2040, 5280, 375, 285}, Dialog, false, "Subnet bits"},
    {Field::Text27, {3240, 5280, 375, 285}, Dialog, false, "Bits for the host address"},
    {Field::Text30, {4320, 5280, 495, 285}, Dialog, false, "Total number of bits"},
    {Field::Text33, {2040, 5760, 495, 285}, Dialog, false, "Number of subnets"},
    {Field::Text34, {5160, 5760, 975, 285}, Dialog, false, "Number of usable hosts"},
    {Field::Text35,
     {120, 6120, 6135, 495},
     Dialog,
     false,
     "Note on subnet zero and the last subnet"},
}};

// Every field has exactly one box: a field added to the sheet must be placed here too.
constexpr bool eachFieldOnce() {
  std::array<int, kFieldCount + 1> seen{};
  for (const FieldControl& row : kFields) ++seen[static_cast<std::size_t>(row.field)];
  return std::all_of(seen.begin() + 1, seen.end(), [](int n) { return n == 1; });
}
static_assert(eachFieldOnce(), "every field needs exactly one row in the main window's layout");

constexpr Place kSeparatorSize{0, 0, 135, 285};
constexpr LabelControl separator(const char* name, int left, int top, int tabIndex) {
  return {name,    {left, top, kSeparatorSize.width, kSeparatorSize.height},
          nullptr, Symbol,
          false,   Banner::None,
          tabIndex};
}

constexpr LabelControl kLabels[] = {
    {"Label22", {480, 240, 3495, 495}, "IP Address", F1, true, Banner::Blue, 48},
    separator("Label1", 1320, 840, 7),
    separator("Label2", 2280, 840, 8),
    separator("Label3", 3240, 840, 9),
    {"Label10", {4320, 840, 735, 255}, "Class", F2, true, Banner::None, 26},
    separator("Label4", 1320, 1320, 14),
    separator("Label5", 2280, 1320, 15),
    separator("Label6", 3240, 1320, 16),
    separator("Label7", 1320, 1800, 21),
    separator("Label8", 2280, 1800, 22),
    separator("Label9", 3240, 1800, 23),
    {"Label21", {360, 2640, 3495, 495}, "Subnet Mask", F1, true, Banner::Teal, 47},
    {"Label11", {4200, 2880, 975, 615}, "Network Bits", F2, true, Banner::None, 37},
    separator("Label20", 1200, 3240, 46),
    separator("Label19", 2160, 3240, 45),
    separator("Label18", 3120, 3240, 44),
    separator("Label17", 1200, 3720, 43),
    separator("Label16", 2160, 3720, 42),
    separator("Label15", 3120, 3720, 41),
    separator("Label14", 1200, 4200, 40),
    separator("Label13", 2160, 4200, 39),
    separator("Label12", 3120, 4200, 38),
    {"Label23", {360, 4680, 855, 495}, "Network Bits", F3, true, Banner::None, 49},
    {"Label24", {1800, 4680, 855, 495}, "Subnet Bits", F3, true, Banner::None, 50},
    {"Label25", {3000, 4680, 855, 495}, "Bits for Host Addr", F3, true, Banner::None, 51},
    {"Label26", {4080, 4680, 855, 495}, "Total # of bits", F3, true, Banner::None, 55},
    {"Label27", {120, 5760, 1815, 285}, "Number of Subnets =", F4, false, Banner::None, 60},
    {"Label28", {2760, 5760, 2295, 285}, "Number of Usable Hosts = ", F4, false, Banner::None, 62},
};

constexpr std::array<ButtonControl, 3> kButtons{{
    {Button::Command1, "Command1", {5280, 120, 1095, 495}, "EXIT", F5, 24, false},
    {Button::Command2, "Command2", {5400, 1080, 855, 375}, "Reset", F3, 58, false},
    {Button::Command3, "Command3", {5040, 2040, 1335, 615}, "About This Program", F3, 65, true},
}};

constexpr bool textsAreUtf8() {
  auto valid = [](const char* text) { return text == nullptr || utf8::isWellFormed(text); };
  return utf8::isWellFormed(kForm1Caption) && utf8::isWellFormed(kSeparatorAccessibleName) &&
         std::all_of(kFields.begin(), kFields.end(),
                     [&](const FieldControl& row) { return valid(row.accessibleName); }) &&
         std::all_of(std::begin(kLabels), std::end(kLabels),
                     [&](const LabelControl& row) { return valid(row.caption); }) &&
         std::all_of(kButtons.begin(), kButtons.end(),
                     [&](const ButtonControl& row) { return valid(row.caption); });
}
static_assert(textsAreUtf8(), "every text of the main window must be well-formed UTF-8");

}  // namespace

std::span<const FieldControl> form1Fields() {
  return kFields;
}

std::span<const LabelControl> form1Labels() {
  return kLabels;
}

std::span<const ButtonControl> form1Buttons() {
  return kButtons;
}

const FieldControl& form1Field(Field field) {
  const auto* row = std::find_if(kFields.begin(), kFields.end(),
                                 [field](const FieldControl& r) { return r.field == field; });
  if (row == kFields.end()) throw std::out_of_range("no box for field " + fieldName(field));
  return *row;
}

const ButtonControl& form1Button(Button button) {
  const auto* row = std::find_if(kButtons.begin(), kButtons.end(),
                                 [button](const ButtonControl& r) { return r.button == button; });
  if (row == kButtons.end()) throw std::out_of_range("no such button");
  return *row;
}

std::string fieldName(Field field) {
  return "Text" + std::to_string(static_cast<int>(field));
}

Rgb bannerColour(Banner banner) {
  return banner == Banner::Blue ? Rgb{0, 0, 255} : Rgb{0, 192, 192};
}

std::vector<Focusable> form1TabChain() {
  std::vector<std::pair<int, Focusable>> chain;
  for (const FieldControl& row : kFields) {
    const FieldTraits traits = AddressSheet::traits(row.field);
    chain.emplace_back(traits.tabIndex, row.field);
  }
  for (const ButtonControl& row : kButtons) chain.emplace_back(row.tabIndex, row.button);
  std::sort(chain.begin(), chain.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Focusable> order;
  order.reserve(chain.size());
  for (const auto& [index, control] : chain) order.push_back(control);
  return order;
}

}  // namespace quorvel::forms
