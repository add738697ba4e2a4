// Octets two to four: one rule over three field groups. The first octet's rule runs the same
// steps on its own group, with the class between the whole-address number and the binary form.
#include <string>

#include "sheet/address_sheet.h"
#include "sheet/octet_conversions.h"
#include "sheet/utf8_text.h"

namespace quorvel {

namespace {
constexpr std::size_t kOctetWidth = 3;
constexpr double kOctetMax = 255;
}  // namespace

void AddressSheet::Form1_Text2_Change() {
  runOctetRule(kAddressOctets[1]);
}

void AddressSheet::Form1_Text3_Change() {
  runOctetRule(kAddressOctets[2]);
}

void AddressSheet::Form1_Text4_Change() {
  runOctetRule(kAddressOctets[3]);
}

void AddressSheet::runOctetRule(const OctetGroup& group) {
  guardOctetText(group);
  showHex(group);
  showWholeAddress();
  showBinary(group);
}

// Cuts a too long text to three characters and replaces a value above 255 by "255". Each rewrite
// runs the rule again, nested; this run then goes on with the field as the nested run left it.
void AddressSheet::guardOctetText(const OctetGroup& group) {
  const std::string& entry = text(group.entry);
  if (utf8::charCount(entry) > kOctetWidth) {
    // Typed at the very start (caret 1) keeps the first three, anywhere else the last three.
    std::string kept = selStart(group.entry) < 2 ? utf8::firstChars(entry, kOctetWidth)
                                                 : utf8::lastChars(entry, kOctetWidth);
    setText(group.entry, utf8::trimSpaces(kept));
  }
  if (number(group.entry) > kOctetMax) setText(group.entry, "255");
}

void AddressSheet::showHex(const OctetGroup& group) {
  setText(group.hex, ToHexPair(number(group.entry)));
}

void AddressSheet::showWholeAddress() {
  const double o2 = number(Field::Text2);
  const double o3 = number(Field::Text3);
  const double o4 = number(Field::Text4);
  const double o1 = number(Field::Text1);
  const double whole = o1 * 256 * 256 * 256 + o2 * 256 * 256 + o3 * 256 + o4;
  setText(Field::Text31, ToDecimalText(whole));
}

void AddressSheet::showBinary(const OctetGroup& group) {
  setText(group.binary, ToBitString(text(group.hex)));
}

}  // namespace quorvel
