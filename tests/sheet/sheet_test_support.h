#pragma once

#include <gtest/gtest.h>

#include <cctype>
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

// A test name made from a typed text: letters and digits stay, anything else is "_".
inline std::string Identifier(const std::string& text) {
  std::string id;
  for (char c : text) id += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
  return id.empty() ? "empty" : id;
}

// Names the rows of a table after their index and the text they type.
template <auto Member>
struct NamedAfter {
  template <typename Info>
  std::string operator()(const Info& row) const {
    return std::to_string(row.index) + "_" + Identifier(row.param.*Member);
  }
};

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
