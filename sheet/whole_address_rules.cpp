// The whole address as one number: Text31 shows it, Text32 takes it over while it is edited.
#include <cmath>
#include <cstdint>
#include <string>

#include "sheet/address_sheet.h"
#include "sheet/octet_conversions.h"

namespace quorvel {
namespace {

constexpr double kWholeAddressRange = 4294967296.0;  // 2^32
constexpr double kSplitLimit = 36028797018963968.0;  // 2^55: the byte steps stay exact below it

// Nearest whole number, a tie to the even one, as a 32-bit signed integer.
double roundToInt32(double value) {
  return static_cast<double>(static_cast<std::int32_t>(std::nearbyint(value)));
}

double low8(double value) {
  return value - 256 * std::floor(value / 256);
}

}  // namespace

void AddressSheet::Form1_Text31_GotFocus() {
  setText(Field::Text32, text(Field::Text31));
  setVisible(Field::Text31, false);
  setVisible(Field::Text32, true);
  setFocus(Field::Text32);
}

// Splits the number into its four bytes, lowest first, and writes the octets from the fourth to
// the first, so that the first octet's rule runs last with the other three already new.
void AddressSheet::Form1_Text32_Change() {
  double n = ToNumber(text(Field::Text32));
  if (!std::isfinite(n)) return;  // no bytes to speak of: the octets stay as they are
  // Above the exact range only the low 32 bits are kept, as for every number above 32 bits.
  if (n >= kSplitLimit) n = std::fmod(n, kWholeAddressRange);

  const double d = roundToInt32(low8(n));
  const double m1 = (n - d) / 256;
  const double c = low8(m1);
  const double m2 = (m1 - c) / 256;
  const double b = low8(m2);
  const double m3 = roundToInt32((m2 - b) / 256);
  const double a = low8(m3);

  setText(Field::Text4, ToDecimalText(d));
  setText(Field::Text3, ToDecimalText(c));
  setText(Field::Text2, ToDecimalText(b));
  setText(Field::Text1, ToDecimalText(a));
}

// Twelve characters cover any number copied from Text31, so typing replaces it.
void AddressSheet::Form1_Text32_GotFocus() {
  setSelStart(Field::Text32, 0);
  setSelLength(Field::Text32, 12);
}

void AddressSheet::Form1_Text32_LostFocus() {
  setVisible(Field::Text31, true);
  setVisible(Field::Text32, false);
  setFocus(Field::Text1);
}

}  // namespace quorvel
