#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace quorvel {

// The 35 text fields of the main window, numbered as the window names its boxes.
enum class Field : std::uint8_t {
  Text1 = 1,
  Text2,
  Text3,
  Text4,
  Text5,
  Text6,
  Text7,
  Text8,
  Text9,
  Text10,
  Text11,
  Text12,
  Text13,
  Text14,
  Text15,
  Text16,
  Text17,
  Text18,
  Text19,
  Text20,
  Text21,
  Text22,
  Text23,
  Text24,
  Text25,
  Text26,
  Text27,
  Text28,
  Text29,
  Text30,
  Text31,
  Text32,
  Text33,
  Text34,
  Text35
};
inline constexpr int kFieldCount = 35;

// The three buttons of the main window: EXIT, Reset, About This Program.
enum class Button : std::uint8_t { Command1 = 1, Command2, Command3 };
inline constexpr int kButtonCount = 3;

// A field's or button's place in a table that holds one entry for each, in their order.
constexpr std::size_t indexOf(Field f) {
  return static_cast<std::size_t>(f) - static_cast<std::size_t>(Field::Text1);
}
constexpr std::size_t indexOf(Button b) {
  return static_cast<std::size_t>(b) - static_cast<std::size_t>(Button::Command1);
}

// Every field, Text1 to Text35; every button, Command1 to Command3.
inline constexpr std::array<Field, kFieldCount> kAllFields = [] {
  std::array<Field, kFieldCount> all{};
  for (std::size_t i = 0; i < all.size(); ++i) {
    all[i] = static_cast<Field>(i + static_cast<std::size_t>(Field::Text1));
  }
  return all;
}();
inline constexpr std::array<Button, kButtonCount> kAllButtons{Button::Command1, Button::Command2,
                                                              Button::Command3};

// An octet's entry field with the hexadecimal and binary fields that show it.
struct OctetGroup {
  Field entry, hex, binary;
};
// The address's octets and the mask's, octet 1 first (the mask's boxes are named right to left).
inline constexpr std::array<OctetGroup, 4> kAddressOctets{
    {{Field::Text1, Field::Text5, Field::Text9},
     {Field::Text2, Field::Text6, Field::Text10},
     {Field::Text3, Field::Text7, Field::Text11},
     {Field::Text4, Field::Text8, Field::Text12}}};
inline constexpr std::array<OctetGroup, 4> kMaskOctets{
    {{Field::Text26, Field::Text22, Field::Text18},
     {Field::Text25, Field::Text21, Field::Text17},
     {Field::Text24, Field::Text20, Field::Text16},
     {Field::Text23, Field::Text19, Field::Text15}}};

// Attributes of a field that never change at run time.
struct FieldTraits {
  bool tabStop;
  int tabIndex;
  bool multiLine;
};

// The model behind the main window: every field's text, flags, caret and the focus, and the
// rules that keep the fields consistent. Assigning a text runs the field's change rule at once,
// nested, depth first. Lengths, cuts and caret positions count characters (UTF-8 code points).
class AddressSheet {
 public:
  AddressSheet();  // the stored initial state; no rule runs; no field has the focus

  [[nodiscard]] const std::string& text(Field f) const { return state(f).text; }
  void setText(Field f, std::string text);  // store, caret 0 / selection 0, run the change rule

  [[nodiscard]] bool isEnabled(Field f) const { return state(f).enabled; }
  void setEnabled(Field f, bool enabled);
  [[nodiscard]] bool isVisible(Field f) const { return state(f).visible; }
  void setVisible(Field f, bool visible);

  [[nodiscard]] int selStart(Field f) const { return state(f).selStart; }
  void setSelStart(Field f, int position);
  [[nodiscard]] int selLength(Field f) const { return state(f).selLength; }
  void setSelLength(Field f, int length);

  [[nodiscard]] std::optional<Field> focus() const { return focus_; }
  // LostFocus rule of the holder, then GotFocus rule of the new holder. Does nothing when the
  // field is disabled, hidden or already holds the focus.
  void setFocus(Field f);
  // The focus moves to a control that is not a field (a button): the holder's LostFocus rule runs.
  void clearFocus();

  // A keystroke that changed the text: store it, caret at `caret` with nothing selected, run the
  // change rule once. An edit that leaves the text as it was only moves the caret. Disabled and
  // hidden fields take no keystrokes.
  void edit(Field f, std::string text, int caret);

  // The button's Click rule: Command2 runs Reset; Command1 and Command3 call what the window
  // installs with setCommandHandler.
  void click(Button b);
  void setCommandHandler(Button b, std::function<void()> handler);

  [[nodiscard]] static FieldTraits traits(Field f);

 private:
  struct FieldState {
    std::string text;
    bool enabled = false;
    bool visible = true;
    int selStart = 0;
    int selLength = 0;
  };
  // Marks one operation; when the outermost one returns, the focus settles.
  class OperationScope {
   public:
    explicit OperationScope(AddressSheet& sheet);
    ~OperationScope();
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

   private:
    AddressSheet& sheet_;
  };

  [[nodiscard]] const FieldState& state(Field f) const { return fields_[indexOf(f)]; }
  FieldState& state(Field f) { return fields_[indexOf(f)]; }
  [[nodiscard]] double number(Field f) const;  // the field's text read with ToNumber

  void runChangeRule(Field f);
  void runGotFocusRule(Field f);
  void runLostFocusRule(Field f);
  void settleFocus();  // a focus left on a field that was disabled or hidden leaves it

  // First octet and class.
  void Form1_Text1_Change();
  void applyAddressClass();

  // Octets two to four: one rule over three field groups; the first octet shares its steps.
  void Form1_Text2_Change();
  void Form1_Text3_Change();
  void Form1_Text4_Change();
  void runOctetRule(const OctetGroup& group);
  void guardOctetText(const OctetGroup& group);
  void showWholeAddress();
  // The two forms every octet and mask rule shows: hexadecimal from the entry, binary from that.
  void showHex(const OctetGroup& group);
  void showBinary(const OctetGroup& group);

  // Mask octets: octet 2 alone, octets 3 and 4 one rule over two field groups.
  void Form1_Text25_Change();
  void Form1_Text24_Change();
  void Form1_Text23_Change();
  void runCountedMaskRule(const OctetGroup& group);

  // Bit counts and totals.
  void Form1_Text28_Change();
  void Form1_Text27_Change();

  // Whole-address number.
  void Form1_Text31_GotFocus();
  void Form1_Text32_Change();
  void Form1_Text32_GotFocus();
  void Form1_Text32_LostFocus();

  // Commands and focus.
  void Form1_Command1_Click();
  void Form1_Command2_Click();
  void Form1_Command3_Click();
  void selectOnFocus(Field f);

  std::array<FieldState, kFieldCount> fields_;
  std::optional<Field> focus_;
  unsigned focusMoves_ = 0;  // counts focus arrivals, so a move can tell whether a rule moved it
  int depth_ = 0;            // nesting of operations; the focus settles when it returns to 0
  std::function<void()> exitHandler_;
  std::function<void()> aboutHandler_;
};

}  // namespace quorvel
