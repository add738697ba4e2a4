#include "sheet/address_sheet.h"

#include <algorithm>
#include <utility>

#include "sheet/octet_conversions.h"
#include "sheet/utf8_text.h"

namespace quorvel {
namespace {

struct InitialField {
  Field field;
  const char* text;
  bool enabled;
  bool visible;
  FieldTraits traits;
};

// The state the window opens with: what the rules leave for the address 0.0.0.0, except the
// totals, which keep their texts until the bit-count rules first run.
constexpr std::array<InitialField, kFieldCount> kInitialFields{{
    {Field::Text1, "000", true, true, {true, 0, false}},    // IP octet 1
    {Field::Text2, "000", true, true, {true, 1, false}},    // IP octet 2
    {Field::Text3, "000", true, true, {true, 2, false}},    // IP octet 3
    {Field::Text4, "000", true, true, {true, 3, false}},    // IP octet 4
    {Field::Text5, "00", false, true, {false, 10, false}},  // octet 1, hexadecimal
    {Field::Text6, "00", false, true, {false, 11, false}},
    {Field::Text7, "00", false, true, {false, 12, false}},
    {Field::Text8, "00", false, true, {false, 13, false}},
    {Field::Text9, "00000000", false, true, {false, 17, false}},  // octet 1, binary
    {Field::Text10, "00000000", false, true, {false, 18, false}},
    {Field::Text11, "00000000", false, true, {false, 19, false}},
    {Field::Text12, "00000000", false, true, {false, 20, false}},
    {Field::Text13, "A", false, true, {false, 25, false}},         // class letter
    {Field::Text14, "/8", false, true, {false, 27, false}},        // prefix
    {Field::Text15, "00000000", false, true, {false, 28, false}},  // mask octet 4, binary
    {Field::Text16, "00000000", false, true, {false, 29, false}},  // mask octet 3, binary
    {Field::Text17, "00000000", false, true, {false, 30, false}},  // mask octet 2, binary
    {Field::Text18, "11111111", false, true, {false, 31, false}},  // mask octet 1, binary
    {Field::Text19, "00", false, true, {false, 32, false}},        // mask octet 4, hexadecimal
    {Field::Text20, "00", false, true, {false, 33, false}},
    {Field::Text21, "00", false, true, {false, 34, false}},
    {Field::Text22, "FF", false, true, {false, 35, false}},    // mask octet 1, hexadecimal
    {Field::Text23, "000", true, true, {true, 6, false}},      // mask octet 4
    {Field::Text24, "000", true, true, {true, 5, false}},      // mask octet 3
    {Field::Text25, "000", true, true, {true, 4, false}},      // mask octet 2
    {Field::Text26, "255", false, true, {false, 36, false}},   // mask octet 1
    {Field::Text27, " 24", false, true, {false, 52, false}},   // host bits
    {Field::Text28, "  0", false, true, {false, 53, false}},   // subnet bits
    {Field::Text29, "  8", false, true, {false, 54, false}},   // network bits
    {Field::Text30, "= 32", false, true, {false, 56, false}},  // total bits
    {Field::Text31, "0", true, true, {false, 57, false}},      // whole address, shown
    {Field::Text32, "0", true, false, {false, 59, false}},     // whole address, edited
    {Field::Text33, "0", false, true, {false, 61, false}},     // number of subnets
    {Field::Text34, "0", false, true, {false, 63, false}},     // number of usable hosts
    {Field::Text35, "", false, true, {false, 64, true}},       // note
}};

// The table is indexed by field: each row must stand at its own field's place.
constexpr bool rowsInFieldOrder() {
  for (std::size_t i = 0; i < kInitialFields.size(); ++i) {
    if (indexOf(kInitialFields[i].field) != i) return false;
  }
  return true;
}
static_assert(rowsInFieldOrder(), "one row per field, Text1 to Text35 in order");

int clampToText(const std::string& text, int position) {
  const auto length = static_cast<int>(std::min<std::size_t>(utf8::charCount(text), 1U << 30U));
  return std::clamp(position, 0, length);
}

}  // namespace

AddressSheet::AddressSheet() {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i].text = kInitialFields[i].text;
    fields_[i].enabled = kInitialFields[i].enabled;
    fields_[i].visible = kInitialFields[i].visible;
  }
}

AddressSheet::OperationScope::OperationScope(AddressSheet& sheet) : sheet_(sheet) {
  ++sheet_.depth_;
}

AddressSheet::OperationScope::~OperationScope() {
  if (--sheet_.depth_ == 0) sheet_.settleFocus();
}

FieldTraits AddressSheet::traits(Field f) {
  return kInitialFields[indexOf(f)].traits;
}

double AddressSheet::number(Field f) const {
  return ToNumber(text(f));
}

void AddressSheet::setText(Field f, std::string text) {
  const OperationScope scope(*this);
  FieldState& field = state(f);
  field.text = std::move(text);
  field.selStart = 0;
  field.selLength = 0;
  runChangeRule(f);
}

void AddressSheet::edit(Field f, std::string text, int caret) {
  FieldState& field = state(f);
  if (!field.enabled || !field.visible) return;
  const OperationScope scope(*this);
  const bool changed = field.text != text;
  if (changed) field.text = std::move(text);
  field.selStart = clampToText(field.text, caret);
  field.selLength = 0;
  if (changed) runChangeRule(f);
}

void AddressSheet::setEnabled(Field f, bool enabled) {
  const OperationScope scope(*this);
  state(f).enabled = enabled;
}

void AddressSheet::setVisible(Field f, bool visible) {
  const OperationScope scope(*this);
  state(f).visible = visible;
}

void AddressSheet::setSelStart(Field f, int position) {
  FieldState& field = state(f);
  field.selStart = clampToText(field.text, position);
  field.selLength = 0;
}

void AddressSheet::setSelLength(Field f, int length) {
  FieldState& field = state(f);
  const int available = clampToText(field.text, 1 << 30) - field.selStart;
  field.selLength = std::clamp(length, 0, available);
}

void AddressSheet::setFocus(Field f) {
  const FieldState& target = state(f);
  if (!target.enabled || !target.visible || focus_ == f) return;
  const OperationScope scope(*this);
  if (focus_) {
    const Field holder = *focus_;
    focus_.reset();
    const unsigned moves = focusMoves_;
    runLostFocusRule(holder);
    if (focusMoves_ != moves) return;  // the holder's rule sent the focus elsewhere
  }
  focus_ = f;
  ++focusMoves_;
  runGotFocusRule(f);
}

void AddressSheet::clearFocus() {
  if (!focus_) return;
  const OperationScope scope(*this);
  const Field holder = *focus_;
  focus_.reset();
  runLostFocusRule(holder);
}

void AddressSheet::click(Button b) {
  const OperationScope scope(*this);
  switch (b) {
    case Button::Command1:
      Form1_Command1_Click();
      break;
    case Button::Command2:
      Form1_Command2_Click();
      break;
    case Button::Command3:
      Form1_Command3_Click();
      break;
  }
}

void AddressSheet::setCommandHandler(Button b, std::function<void()> handler) {
  if (b == Button::Command1) {
    exitHandler_ = std::move(handler);
  } else if (b == Button::Command3) {
    aboutHandler_ = std::move(handler);
  }
}

void AddressSheet::settleFocus() {
  if (focus_ && (!isEnabled(*focus_) || !isVisible(*focus_))) clearFocus();
}

void AddressSheet::runChangeRule(Field f) {
  switch (f) {
    case Field::Text1:
      Form1_Text1_Change();
      break;
    case Field::Text2:
      Form1_Text2_Change();
      break;
    case Field::Text3:
      Form1_Text3_Change();
      break;
    case Field::Text4:
      Form1_Text4_Change();
      break;
    case Field::Text23:
      Form1_Text23_Change();
      break;
    case Field::Text24:
      Form1_Text24_Change();
      break;
    case Field::Text25:
      Form1_Text25_Change();
      break;
    case Field::Text27:
      Form1_Text27_Change();
      break;
    case Field::Text28:
      Form1_Text28_Change();
      break;
    case Field::Text32:
      Form1_Text32_Change();
      break;
    // Display fields only store their text. Listed one by one, so that the compiler asks about
    // a field added later.
    case Field::Text5:
    case Field::Text6:
    case Field::Text7:
    case Field::Text8:
    case Field::Text9:
    case Field::Text10:
    case Field::Text11:
    case Field::Text12:
    case Field::Text13:
    case Field::Text14:
    case Field::Text15:
    case Field::Text16:
    case Field::Text17:
    case Field::Text18:
    case Field::Text19:
    case Field::Text20:
    case Field::Text21:
    case Field::Text22:
    case Field::Text26:
    case Field::Text29:
    case Field::Text30:
    case Field::Text31:
    case Field::Text33:
    case Field::Text34:
    case Field::Text35:
      break;
  }
}

void AddressSheet::runGotFocusRule(Field f) {
  switch (f) {
    case Field::Text1:
    case Field::Text2:
    case Field::Text3:
    case Field::Text4:
    case Field::Text23:
    case Field::Text24:
    case Field::Text25:
      selectOnFocus(f);
      break;
    case Field::Text31:
      Form1_Text31_GotFocus();
      break;
    case Field::Text32:
      Form1_Text32_GotFocus();
      break;
    default:
      break;
  }
}

void AddressSheet::runLostFocusRule(Field f) {
  if (f == Field::Text32) Form1_Text32_LostFocus();
}

}  // namespace quorvel
