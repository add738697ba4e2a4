#pragma once

#include <initializer_list>
#include <string>

#include "sheet/address_sheet.h"
#include "sheet/utf8_text.h"

namespace quorvel::testing {

using F = Field;

// A row of a two-column table: what goes in, what comes out.
template <typename In, typename Out>
struct Row {
  In in;
  Out out;
};

// What the window does when the user replaces a field's text by typing or pasting `text`: the
// caret ends behind it.
inline void enter(AddressSheet& sheet, Field f, const std::string& text) {
  sheet.edit(f, text, static_cast<int>(utf8::charCount(text)));
}

inline std::string name(Field f) {
  return "Text" + std::to_string(static_cast<int>(f));
}

// The texts of several fields joined by "|", so that one expectation states a whole row.
inline std::string texts(const AddressSheet& sheet, std::initializer_list<Field> fields) {
  std::string joined;
  for (Field f : fields) joined += "|" + sheet.text(f);
  return joined.substr(1);
}

// The enabled flags of several fields: "+" enabled, "-" disabled.
inline std::string enabled(const AddressSheet& sheet, std::initializer_list<Field> fields) {
  std::string flags;
  for (Field f : fields) flags += sheet.isEnabled(f) ? '+' : '-';
  return flags;
}

// Puts the sheet into the class of the first octet typed, as a user would.
inline AddressSheet sheetWithFirstOctet(const std::string& firstOctet) {
  AddressSheet sheet;
  enter(sheet, Field::Text1, firstOctet);
  return sheet;
}

}  // namespace quorvel::testing
