// Bit counts and totals: the number of subnets, of usable hosts, and the note.
#include <algorithm>
#include <cmath>
#include <string>

#include "sheet/address_sheet.h"
#include "sheet/octet_conversions.h"

namespace quorvel {

void AddressSheet::Form1_Text28_Change() {
  const double subnetBits = number(Field::Text28);
  setText(Field::Text33, ToDecimalText(std::pow(2.0, subnetBits)));
  setVisible(Field::Text35, number(Field::Text28) != 0);
}

// Without subnet bits there is one network, nothing subnetted; a count never goes below zero.
void AddressSheet::Form1_Text27_Change() {
  const double hostBits = number(Field::Text27);
  const double hosts = std::max(std::pow(2.0, hostBits) - 2, 0.0);
  const double subnetBits = number(Field::Text28);
  const double subnets = subnetBits == 0 ? 1.0 : std::max(std::pow(2.0, subnetBits) - 2, 0.0);
  const double usable = hosts == 0 || subnets == 0 ? 0.0 : hosts * subnets;
  setText(Field::Text34, ToDecimalText(usable));
  setText(Field::Text35, "Note: an additional " + ToDecimalText(2 * hosts) +
                             " hosts can be defined if you use subnet 0 and the last (all 1's) "
                             "subnet)");
}

}  // namespace quorvel
