// The first octet: its own forms, and the address class with everything that follows from it.
#include <cstddef>
#include <string>

#include "sheet/address_class.h"
#include "sheet/address_sheet.h"

namespace quorvel {

void AddressSheet::Form1_Text1_Change() {
  const OctetGroup& group = kAddressOctets[0];
  guardOctetText(group);
  showHex(group);
  showWholeAddress();
  applyAddressClass();
  showBinary(group);
}

// Writes the whole class row on every run, so an edited mask returns to the class default. The
// mask octets come before the bit counts, and the subnet bits before the host bits, so that the
// totals are computed last, from the class's own counts.
void AddressSheet::applyAddressClass() {
  const AddressClassRow* row = FindAddressClass(number(Field::Text1));
  if (row == nullptr) return;  // the guard leaves no value outside the table

  auto put = [this](Field f, std::string_view value) { setText(f, std::string(value)); };
  put(Field::Text13, row->Letter);
  put(Field::Text14, row->PrefixText);

  for (std::size_t i = 0; i < 4; ++i) put(kMaskOctets[i].entry, row->MaskDecimal[i]);
  for (std::size_t i = 0; i < 4; ++i) put(kMaskOctets[i].hex, row->MaskHex[i]);
  for (std::size_t i = 0; i < 4; ++i) put(kMaskOctets[i].binary, row->MaskBinary[i]);
  for (std::size_t i = 0; i < 3; ++i) setEnabled(kMaskOctets[i + 1].entry, row->MaskOpen[i]);

  put(Field::Text29, row->NetworkBits);
  put(Field::Text28, row->SubnetBits);
  put(Field::Text27, row->HostBits);
}

}  // namespace quorvel
