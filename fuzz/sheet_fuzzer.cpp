// Drives the sheet with any sequence of what a user and the window can do, and checks after
// every event that the fields stay consistent. Built with libFuzzer (scripts/fuzz).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sheet/address_sheet.h"
#include "sheet/octet_conversions.h"
#include "sheet/utf8_text.h"

namespace {

using quorvel::AddressSheet;
using quorvel::Button;
using quorvel::Field;
namespace utf8 = quorvel::utf8;

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  [[nodiscard]] bool empty() const { return at_ >= size_; }
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Characters of every kind a user may type or paste.
constexpr std::string_view kCharacters[] = {
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "0",
    "1",
    "2",
    "5",
    "9",
    "a",
    "F",
    "x",
    "G",
    "-",
    "+",
    ".",
    "e",
    "E",
    " ",
    "\t",
    "\n",
    "\xC3\xA9",
    "\xE2\x82\xAC",
    "\xF0\x9F\x98\x80",
    "\x80",
    "\xFF",
    ",",
    "$",
    "\r",
};

std::string_view character(Input& in) {
  return kCharacters[in.byte() % (sizeof kCharacters / sizeof kCharacters[0])];
}

std::string randomText(Input& in, std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += character(in);
  return text;
}

Field anyField(Input& in) {
  return quorvel::kAllFields[in.byte() % quorvel::kFieldCount];
}

// Fields whose assignment runs a rule; assigning a display field directly would bypass the
// rules that own it and tell nothing.
Field fieldWithRule(Input& in) {
  constexpr Field kFields[] = {Field::Text1,  Field::Text2,  Field::Text3,  Field::Text4,
                               Field::Text23, Field::Text24, Field::Text25, Field::Text27,
                               Field::Text28, Field::Text32};
  return kFields[in.byte() % (sizeof kFields / sizeof kFields[0])];
}

// What the window does for a key or a paste in the focused box: replace the selection (or
// remove a character) and hand the new text and caret to the sheet.
void edit(AddressSheet& sheet, std::string_view inserted, int removeBefore, int removeAfter) {
  if (!sheet.focus()) return;
  const Field f = *sheet.focus();
  const std::string& text = sheet.text(f);
  std::size_t start = static_cast<std::size_t>(sheet.selStart(f));
  std::size_t end = start + static_cast<std::size_t>(sheet.selLength(f));
  if (start == end) {
    start = start >= static_cast<std::size_t>(removeBefore) ? start - removeBefore : 0;
    end += static_cast<std::size_t>(removeAfter);
  }
  const std::size_t from = utf8::byteOffset(text, start);
  const std::size_t to = utf8::byteOffset(text, end);
  std::string edited = text.substr(0, from);
  edited += inserted;
  edited += text.substr(to);
  const auto caret =
      static_cast<int>(utf8::charCount(text.substr(0, from)) + utf8::charCount(inserted));
  sheet.edit(f, edited, caret);
}

void fail(const char* what, Field f, const std::string& text) {
  std::fprintf(stderr, "invariant broken: %s (Text%d = \"%s\")\n", what, static_cast<int>(f),
               text.c_str());
  std::abort();
}

bool isHexPair(const std::string& t) {
  auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
  return t.size() == 2 && hex(t[0]) && hex(t[1]);
}

bool isBits(const std::string& t) {
  return t.size() == 8 && t.find_first_not_of("01") == std::string::npos;
}

bool isPlainDigits(const std::string& t) {
  return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
}

void checkInvariants(const AddressSheet& sheet) {
  const bool noMask = sheet.text(Field::Text13) == "D" || sheet.text(Field::Text13) == "E";
  for (Field f : {Field::Text5, Field::Text6, Field::Text7, Field::Text8}) {
    if (!isHexPair(sheet.text(f))) fail("octet hexadecimal", f, sheet.text(f));
  }
  for (Field f : {Field::Text9, Field::Text10, Field::Text11, Field::Text12}) {
    if (!isBits(sheet.text(f))) fail("octet binary", f, sheet.text(f));
  }
  for (Field f : {Field::Text19, Field::Text20, Field::Text21, Field::Text22}) {
    const std::string& t = sheet.text(f);
    if (!isHexPair(t) && !(noMask && t == "  ")) fail("mask hexadecimal", f, t);
  }
  for (Field f : {Field::Text15, Field::Text16, Field::Text17, Field::Text18}) {
    const std::string& t = sheet.text(f);
    if (!isBits(t) && !(noMask && t == "        ")) fail("mask binary", f, t);
  }
  for (Field f : {Field::Text1, Field::Text2, Field::Text3, Field::Text4}) {
    const std::string& t = sheet.text(f);
    if (utf8::charCount(t) > 3 || quorvel::ToNumber(t) > 255) fail("octet range", f, t);
  }

  const Field octets[] = {Field::Text1, Field::Text2, Field::Text3, Field::Text4};
  bool plain = true;
  double whole = 0;
  for (Field f : octets) {
    plain = plain && isPlainDigits(sheet.text(f));
    whole = whole * 256 + quorvel::ToNumber(sheet.text(f));
  }
  if (plain && sheet.text(Field::Text31) != quorvel::ToDecimalText(whole)) {
    fail("whole-address number", Field::Text31, sheet.text(Field::Text31));
  }
  if (sheet.isVisible(Field::Text31) == sheet.isVisible(Field::Text32)) {
    fail("exactly one whole-address box shown", Field::Text31, sheet.text(Field::Text31));
  }
  if (const auto focus = sheet.focus()) {
    if (!sheet.isEnabled(*focus) || !sheet.isVisible(*focus)) {
      fail("focus on a closed field", *focus, sheet.text(*focus));
    }
  }
  for (const Field f : quorvel::kAllFields) {
    const auto length = static_cast<int>(utf8::charCount(sheet.text(f)));
    if (sheet.selStart(f) < 0 || sheet.selLength(f) < 0 ||
        sheet.selStart(f) + sheet.selLength(f) > length) {
      fail("selection outside the text", f, sheet.text(f));
    }
  }
  // Until the subnet-bits rule first runs, the totals keep their stored texts.
  if (sheet.text(Field::Text33) != "0") {
    const double subnetBits = quorvel::ToNumber(sheet.text(Field::Text28));
    if (sheet.text(Field::Text33) != quorvel::ToDecimalText(std::pow(2.0, subnetBits))) {
      fail("number of subnets", Field::Text33, sheet.text(Field::Text33));
    }
    if (sheet.isVisible(Field::Text35) != (subnetBits != 0)) {
      fail("note shown exactly with subnet bits", Field::Text28, sheet.text(Field::Text28));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  AddressSheet sheet;
  sheet.setCommandHandler(Button::Command1, [] {});
  sheet.setCommandHandler(Button::Command3, [] {});
  sheet.setFocus(Field::Text1);  // as the window opens
  while (!in.empty()) {
    switch (in.byte() % 12) {
      case 0:
        sheet.setFocus(anyField(in));  // Tab or a click; closed fields refuse it
        break;
      case 1:
        sheet.setFocus(Field::Text31);
        break;
      case 2: {
        sheet.clearFocus();  // a button takes the focus
        const Button button = quorvel::kAllButtons[in.byte() % quorvel::kButtonCount];
        sheet.click(button);
        break;
      }
      case 3:
      case 4:
      case 5:
        edit(sheet, character(in), 0, 0);
        break;
      case 6:
        edit(sheet, "", 1, 0);  // Backspace
        break;
      case 7:
        edit(sheet, "", 0, 1);  // Delete
        break;
      case 8:
        if (const auto f = sheet.focus()) {
          sheet.setSelStart(*f, in.byte() % 8);
          sheet.setSelLength(*f, in.byte() % 8);
        }
        break;
      case 9: {
        const std::size_t length = in.byte() | (static_cast<std::size_t>(in.byte() % 16) << 8U);
        edit(sheet, randomText(in, length), 0, 0);  // a paste of up to 4095 characters
        break;
      }
      case 10: {
        const Field f = fieldWithRule(in);
        sheet.setText(f, randomText(in, in.byte() % 24));
        break;
      }
      default:
        sheet.setText(fieldWithRule(in), std::string(1 + in.byte() % 40, '9'));
        break;
    }
    checkInvariants(sheet);
  }
  return 0;
}
