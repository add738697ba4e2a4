#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "sheet/address_sheet.h"
#include "sheet/utf8_text.h"

namespace quorvel::testing {

using F = Field;

// What the window does when the user replaces a field's text by typing or pasting `text`: the
// caret ends behind it.
inline void Enter(AddressSheet& sheet, Field f, const std::string& text) {
  sheet.edit(f, text, static_cast<int>(utf8::CharCount(text)));
}

inline std::string Name(Field f) {
  return "Text" + std::to_string(static_cast<int>(f));
}

inline void ExpectTexts(const AddressSheet& sheet,
                        std::initializer_list<std::pair<Field, const char*>> expected) {
  for (const auto& [field, text] : expected) {
    EXPECT_EQ(sheet.text(field), text) << Name(field);
  }
}

// Puts the sheet into the class of the first octet typed, as a user would.
inline AddressSheet SheetWithFirstOctet(const std::string& firstOctet) {
  AddressSheet sheet;
  Enter(sheet, Field::Text1, firstOctet);
  return sheet;
}

}  // namespace quorvel::testing
