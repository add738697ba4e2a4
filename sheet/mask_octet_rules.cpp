// Mask octets 2 to 4. Octet 2 only shows its forms; octets 3 and 4 (one rule over two field
// groups) also count their one bits and write the subnet and host bits.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/address_sheet.h"
#include "sheet/octet_conversions.h"

namespace quorvel {

void AddressSheet::Form1_Text25_Change() {
  const OctetGroup& group = kMaskOctets[1];
  showHex(group);
  showBinary(group);  // a digit outside the table adds nothing here, unlike octets 3 and 4
}

void AddressSheet::Form1_Text24_Change() {
  runCountedMaskRule(kMaskOctets[2]);
}

void AddressSheet::Form1_Text23_Change() {
  runCountedMaskRule(kMaskOctets[3]);
}

// Counts the one bits of this octet alone: the subnet bits shown are those of whichever of
// octets 3 and 4 changed last. Nothing checks that the mask is contiguous.
void AddressSheet::runCountedMaskRule(const OctetGroup& group) {
  showHex(group);

  const std::string& hex = text(group.hex);
  auto ones = [](std::string_view bits) {
    return static_cast<int>(std::count(bits.begin(), bits.end(), '1'));
  };
  std::string bits;
  int count = 0;
  const std::optional<std::string_view> high =
      hex.empty() ? std::nullopt : lookUpNibble(hex.front());
  if (high) {
    bits = *high;
    count = ones(*high);
  } else {
    bits = "ERR";
  }
  const std::optional<std::string_view> low = hex.empty() ? std::nullopt : lookUpNibble(hex.back());
  if (low) {
    bits += *low;
    count += ones(*low);
  } else {
    bits = "ERR";
  }

  setText(group.binary, bits);
  setText(Field::Text28, ToSignedText(count));
  setText(Field::Text27, ToSignedText(32 - count - number(Field::Text29)));
}

}  // namespace quorvel
