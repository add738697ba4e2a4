// The buttons and the select-on-focus rule of the entry fields.
#include "sheet/address_sheet.h"

namespace quorvel {

void AddressSheet::Form1_Command1_Click() {
  if (exitHandler_) exitHandler_();
}

// Back to the address 0.0.0.0. The order matters: every write runs its rules, and the last
// write of the whole-address number leaves the octets at "0" and the class A defaults.
void AddressSheet::Form1_Command2_Click() {
  setText(Field::Text1, "000");
  setText(Field::Text2, "000");
  setText(Field::Text3, "000");
  setText(Field::Text4, "000");
  setText(Field::Text26, "255");
  setText(Field::Text27, "000");
  setText(Field::Text28, "000");
  setText(Field::Text29, "000");
  setText(Field::Text29, "8");
  setText(Field::Text28, "0");
  setText(Field::Text27, "24");
  setText(Field::Text32, "0");
  setVisible(Field::Text31, true);
  setVisible(Field::Text32, false);
}

void AddressSheet::Form1_Command3_Click() {
  if (aboutHandler_) aboutHandler_();
}

// Selects the first five characters, so the first key replaces a short text.
void AddressSheet::selectOnFocus(Field f) {
  setSelStart(f, 0);
  setSelLength(f, 5);
}

}  // namespace quorvel
