#include "sheet/address_class.h"

namespace quorvel {

const AddressClassRow* FindAddressClass(double firstOctet) {
  for (const AddressClassRow& row : AddressClassTable) {
    if (row.Low <= firstOctet && firstOctet <= row.High) return &row;
  }
  return nullptr;
}

}  // namespace quorvel
