// The calls the presenter makes on a window's boxes, in order, for each event a toolkit reports.
#include "forms/sheet_presenter.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "forms/form1_layout.h"
#include "forms/utf16_text.h"

namespace quorvel::forms {
namespace {

using enum Field;

// A box as a toolkit keeps it, writing each call into the window's one log. Like a control, it
// puts the caret behind a new text, reports that text and the focus it is given as the user's even
// while the presenter writes them, and takes no focus while hidden or disabled, as it starts.
struct FakeBox final : BoxView {
  FakeBox(Field f, SheetPresenter& p, std::string& l, const BoxView*& h)
      : field(f), presenter(p), log(l), holder(h) {}

  void showText(std::u16string_view text) override {
    record('[' + toUtf8(text) + ']');
    presenter.edited(field, text, anchorAt = cursorAt = static_cast<int>(text.size()));
  }
  [[nodiscard]] int anchor() const override { return anchorAt; }
  [[nodiscard]] int cursor() const override { return cursorAt; }
  void select(int a, int c) override {
    record(std::to_string(anchorAt = a) + "-" + std::to_string(cursorAt = c));
  }
  [[nodiscard]] bool isShown() const override { return shown; }
  void setShown(bool s) override { record((shown = s) ? "+shown" : "-shown"); }
  [[nodiscard]] bool isEnabled() const override { return enabled; }
  void setEnabled(bool e) override { record((enabled = e) ? "+enabled" : "-enabled"); }
  [[nodiscard]] bool hasFocus() const override { return holder == this; }
  void takeFocus() override {
    record("+focus");
    if (shown && enabled) presenter.focusEntered(focused(), false);
  }
  void dropFocus() override {
    record("-focus");
    holder = nullptr;
  }
  void record(const std::string& call) {
    EXPECT_TRUE(presenter.pushing()) << call;  // so that the toolkit drops its own reports
    log += (log.empty() ? "" : ", ") + fieldName(field) + " " + call;
  }

  // What the user does before the toolkit reports it; the field, for the report.
  Field focused() {
    holder = this;
    return field;
  }
  Field place(int caret) {
    anchorAt = cursorAt = caret;
    return field;
  }

  Field field;
  SheetPresenter& presenter;
  std::string& log;
  const BoxView*& holder;  // the box with the window's focus
  int anchorAt = 0;
  int cursorAt = 0;
  bool shown = false;
  bool enabled = false;
};

TEST(SheetPresenter, WritesWhatChangedShowingBeforeTheFocusComesAndHidingAfterItLeft) {
  AddressSheet sheet;
  sheet.click(Button::Command2);  // the texts Reset leaves, so that few change below
  SheetPresenter presenter(sheet);
  std::string log;
  const BoxView* focus = nullptr;
  std::deque<FakeBox> boxes;
  for (const Field f : kAllFields) presenter.bind(f, boxes.emplace_back(f, presenter, log, focus));
  presenter.refresh();
  const auto box = [&boxes](Field f) -> FakeBox& { return boxes[indexOf(f)]; };
  const auto toButton = [&](bool windowSwitch) {
    focus = nullptr;
    presenter.buttonFocused(windowSwitch);
  };
  const std::u16string face = u"\U0001F600";

  const std::pair<std::function<void()>, const char*> steps[] = {
      {[&] { presenter.refresh(); }, ""},
      {[&] { presenter.enterFirstField(); }, "Text1 +focus, Text1 0-1"},
      // The number's box, shown before it takes the focus, hidden after the focus has left it.
      {[&] { presenter.focusEntered(box(Text31).focused(), false); },
       "Text32 +shown, Text32 +focus, Text32 0-1, Text31 -shown"},
      {[&] { presenter.clickSettled(box(Text31).place(1)); }, ""},  // the box it replaced
      {[&] { toButton(true); }, ""},  // a window switch moves no focus of the sheet
      {[&] { toButton(false); }, "Text31 +shown, Text1 +focus, Text32 -shown"},
      {[&] { presenter.focusEntered(box(Text25).focused(), false); }, "Text25 0-3"},
      {[&] { presenter.clickSettled(box(Text25).place(2)); }, "Text25 0-3"},
      // Carets: two UTF-16 units in the box are one character in the sheet.
      {[&] { presenter.edited(box(Text25).place(2), face + u"000", 2); }, ""},
      {[&] { presenter.focusEntered(box(Text25).place(1), true); }, ""},  // a window switch
      {[&] { presenter.focusEntered(box(Text24).focused(), false); }, "Text24 0-3"},
      {[&] { presenter.focusEntered(box(Text25).focused(), false); }, "Text25 0-5"},
      {[&] { toButton(false); }, ""},  // a click on Reset focuses it first
      {[&] { presenter.buttonClicked(Button::Command2); }, "Text25 [000], Text25 0-0"},
      {[&] { presenter.focusEntered(box(Text25).focused(), false); }, "Text25 0-3"},
      // Dropped on the first octet: class B closes the box that has the focus.
      {[&] { presenter.edited(box(Text1).place(3), u"128", 3); },
       "Text5 [80], Text5 0-0, Text9 [10000000], Text9 0-0, Text13 [B], Text13 0-0, Text14 [/16], "
       "Text14 0-0, Text17 [11111111], Text17 0-0, Text21 [FF], Text21 0-0, Text25 [255], Text25 "
       "0-0, Text27 [ 16], Text27 0-0, Text29 [ 16], Text29 0-0, Text31 [2147483648], Text31 0-0, "
       "Text34 [65534], Text34 0-0, Text35 [Note: an additional 131068 hosts can be defined if you "
       "use subnet 0 and the last (all 1's) subnet)], Text35 0-0, Text25 -focus, Text25 -enabled"},
      {[&] { presenter.refresh(); }, ""},
  };
  int row = 0;
  for (const auto& [event, calls] : steps) {
    log.clear();
    event();
    EXPECT_EQ(log, calls) << "row " << row++;
  }
}

}  // namespace
}  // namespace quorvel::forms
