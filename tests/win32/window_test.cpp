// The Windows front end under Wine, driven with real input: what Win32 adds to the shared binding.
#include <windows.h>
// After windows.h; initguid.h first, so that IID_IAccessible is defined here.
#include <initguid.h>
#include <oleacc.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "forms/about_layout.h"
#include "forms/form1_layout.h"
#include "forms/text_part.h"
#include "sysinfo/start_sys_info.h"
#include "win32/display.h"
#include "win32/program.h"
#include "win32/synthetic_input.h"
#include "win32/text.h"

namespace quorvel::win32 {
namespace {

using enum Field;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_->open(SW_SHOWNORMAL);
    pump();
  }
  void TearDown() override {
    program_.reset();
    pump();
  }

  Form1Window& form() { return program_->mainWindow(); }
  const AddressSheet& sheet() { return form().sheet(); }
  HWND box(Field f) { return form().box(f).hwnd(); }

  void pump() { quit_ = pumpMessages() || quit_; }
  void press(WORD key, std::initializer_list<WORD> modifiers = {}) {
    for (WORD m : modifiers) sendKey(m, false);
    sendKey(key, false);
    sendKey(key, true);
    for (WORD m : modifiers) sendKey(m, true);
    pump();
  }
  void type(std::u16string_view text) {
    sendCharacters(text);
    pump();
  }
  void click(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
    pump();
  }
  // The control's selection in UTF-16 units: start and end.
  static std::pair<int, int> selection(HWND edit) {
    const auto both = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
    return {LOWORD(both), HIWORD(both)};
  }

  std::unique_ptr<Program> program_ = std::make_unique<Program>(GetModuleHandleW(nullptr));
  bool quit_ = false;  // whether the program asked to end
};

// The control counts UTF-16 units, the sheet characters: a character beyond the BMP is two.
TEST_F(WindowTest, EditsInTheMiddleOfTheNumberKeepTheCaret) {
  click(box(Text31));
  type(u"3232235777");
  press(VK_HOME);
  for (int i = 0; i < 4; ++i) press(VK_RIGHT);
  type(u"\U0001F600");
  EXPECT_EQ(sheet().text(Text32), "3232\U0001F600235777");
  EXPECT_EQ(sheet().selStart(Text32), 5);
  EXPECT_EQ(selection(box(Text32)), std::make_pair(6, 6));
}

// What is typed in the first octet reaches the sheet. Tab walks the open boxes (class C leaves one
// mask octet) and the About button, where the sheet has no focus. A window switch is no focus move
// for the sheet: the caret stays put.
TEST_F(WindowTest, TabWalksTheOpenBoxesAndAWindowSwitchKeepsTheCaret) {
  type(u"192");
  const std::optional<Field> walk[] = {Text2, Text3, Text4, Text23, std::nullopt, Text1, Text2};
  for (const std::optional<Field>& field : walk) {
    press(VK_TAB);
    ASSERT_EQ(GetFocus(), field ? box(*field) : form().button(Button::Command3));
    EXPECT_EQ(sheet().focus(), field);
  }
  type(u"1");
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  pump();
  SetActiveWindow(form().hwnd());
  pump();
  DestroyWindow(other);
  EXPECT_EQ(GetFocus(), box(Text2));
  EXPECT_EQ(selection(box(Text2)), std::make_pair(1, 1));
}

// A click enters a box with the sheet's selection (the number's box hands the focus on to the one
// it is edited in). A long text goes to the sheet whole; the control holds the part at the caret.
// Ctrl+A selects all of a short text and of a long one alike.
// Only a focused button, which Enter presses, shows the default frame: not after a click takes the
// focus from the About button, nor after Tab from the number's box, which hands the focus on to
// the first octet as the dialog keys give it to that button.
TEST_F(WindowTest, AClickEntersABoxAndLongPastesReachTheSheetWhole) {
  const std::u16string megabyte(1 << 20, u'1');
  const HWND about = form().button(Button::Command3);
  press(VK_TAB, {VK_SHIFT});  // to the About button
  const struct {
    Field clicked, edited;
    std::size_t kept;  // an octet keeps three digits
  } cases[] = {
      {Text25, Text25, megabyte.size()}, {Text1, Text1, 3}, {Text31, Text32, megabyte.size()}};
  for (const auto& c : cases) {
    const HWND edited = box(c.edited);
    click(box(c.clicked));
    ASSERT_EQ(GetFocus(), edited);
    EXPECT_TRUE(IsWindowVisible(edited));
    EXPECT_EQ(selection(edited), std::make_pair(0, GetWindowTextLengthW(edited)));
    setClipboardText(form().hwnd(), megabyte);
    press('V', {VK_CONTROL});
    EXPECT_EQ(sheet().text(c.edited).size(), c.kept) << forms::fieldName(c.edited);
    EXPECT_LE(GetWindowTextLengthW(edited), 2 * forms::TextPart::kReach + 2);
    // Wine's control reports a change on Ctrl+A that changes nothing: no edit to undo it.
    press('A', {VK_CONTROL});
    const forms::LongTextEditor& editor = form().box(c.edited).editor();
    EXPECT_EQ(std::min(editor.anchor(), editor.cursor()), 0);
    EXPECT_EQ(std::max(editor.anchor(), editor.cursor()), static_cast<int>(c.kept));
  }
  // The number's start lies beyond the part: Home brings it in, and typing there edits the whole.
  press(VK_HOME);
  type(u"2");
  EXPECT_EQ(sheet().text(Text32), std::string("2").append(megabyte.size(), '1'));
  EXPECT_EQ(windowText(box(Text32)).substr(0, 3), u"211");
  EXPECT_NE(GetWindowLongW(about, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  press(VK_TAB);
  EXPECT_NE(GetWindowLongW(about, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

// Enter in a box presses nothing; on the focused About button it opens one box, which a click on
// the button only brings to the front. Enter or Escape close it; EXIT closes it too.
TEST_F(WindowTest, OneAboutBoxAtATimeOpenedByItsButtonClosedByEnterOrEscape) {
  press(VK_RETURN);
  EXPECT_EQ(program_->aboutBox(), nullptr);
  const HWND button = form().button(Button::Command3);
  for (const WORD closes : {VK_RETURN, VK_ESCAPE}) {
    SetFocus(button);
    press(VK_RETURN);
    ASSERT_NE(program_->aboutBox(), nullptr);
    const HWND about = program_->aboutBox()->hwnd();
    click(button);
    EXPECT_EQ(program_->aboutBox()->hwnd(), about);
    EXPECT_EQ(program_->aboutBox()->loads(), 1);
    EXPECT_EQ(GetActiveWindow(), about);
    EXPECT_EQ(windowText(about), u"About quorvel");
    EXPECT_EQ(windowText(program_->aboutBox()->control(forms::kLblVersion.name)), u"Version 1.0.0");
    press(closes);
    EXPECT_EQ(program_->aboutBox(), nullptr) << closes;
  }
  EXPECT_FALSE(quit_);
  click(button);
  click(form().button(Button::Command1));
  EXPECT_EQ(program_->aboutBox(), nullptr);
  EXPECT_TRUE(quit_);
}

// Alt+S presses System Info. With no tool in the registry (the platform layer's tests start one),
// the box says so in a message box of its own, and stays open.
TEST_F(WindowTest, AltSInTheAboutBoxSaysWhenThereIsNoTool) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, sysinfo::kToolKey);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, sysinfo::kToolLocationKey);
  click(form().button(Button::Command3));
  std::u16string message;
  HWND owner = nullptr;
  // The message box is modal: another thread reads and closes it; the join hands its findings over.
  std::thread closer([&] {
    // The box is found by its caption before it has its text: wait for the text itself.
    HWND box = nullptr;
    for (int i = 0; i < 3000 && message.empty(); ++i) {
      box = FindWindowW(L"#32770", L"quorvel");
      if (box != nullptr) message = windowText(GetDlgItem(box, 0xFFFF));
      if (message.empty()) Sleep(20);
    }
    owner = GetWindow(box, GW_OWNER);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  press('S', {VK_MENU});
  closer.join();
  EXPECT_EQ(message, u"System Information Is Unavailable At This Time");
  ASSERT_NE(program_->aboutBox(), nullptr);
  EXPECT_EQ(owner, program_->aboutBox()->hwnd());
}

// The pixels of a control's rectangle: the face given, else the commonest one, and the ink, the
// pixel that stands out most from that face.
std::pair<COLORREF, COLORREF> faceAndInk(HWND control, RECT r,
                                         std::optional<COLORREF> face = std::nullopt) {
  std::map<COLORREF, int> counts;
  HDC dc = GetDC(control);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) ++counts[GetPixel(dc, x, y)];
  }
  ReleaseDC(control, dc);
  const COLORREF against =
      face.value_or(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                      return a.second < b.second;
                    })->first);
  COLORREF ink = against;
  for (const auto& [pixel, count] : counts) {
    if (contrast(pixel, against) > contrast(ink, against)) ink = pixel;
  }
  return {against, ink};
}

// The About box's title, description and notice are black where black reads on the face colour,
// else in the system's text colour, also after the system's colours change while it is open.
TEST_F(WindowTest, TheAboutBoxTextReadsOnTheSystemColours) {
  click(form().button(Button::Command3));
  const int ids[] = {COLOR_BTNFACE, COLOR_WINDOWTEXT};
  const COLORREF saved[] = {GetSysColor(ids[0]), GetSysColor(ids[1])};
  // The face and text colours, and the labels' ink: their pixel that stands out most.
  const COLORREF themes[][3] = {{RGB(32, 32, 32), RGB(230, 230, 230), RGB(230, 230, 230)},
                                {RGB(240, 240, 240), RGB(0, 0, 128), RGB(0, 0, 0)}};
  for (const auto& theme : themes) {
    SetSysColors(2, ids, theme);
    pump();
    for (const auto* label : {&forms::kLblTitle, &forms::kLblDescription, &forms::kLblDisclaimer}) {
      const HWND control = program_->aboutBox()->control(label->name);
      RECT r{};
      GetClientRect(control, &r);
      EXPECT_EQ(faceAndInk(control, r, theme[0]).second, theme[2]) << label->name;
    }
  }
  SetSysColors(2, ids, saved);
}

// The main window draws its buttons' captions itself: on the light face a visual style draws, they
// read also under dark system colours, whose button text is light.
TEST_F(WindowTest, ButtonCaptionsReadOnTheFaceAThemeDraws) {
  const int ids[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
  const COLORREF dark[] = {RGB(32, 32, 32), RGB(230, 230, 230), RGB(32, 32, 32),
                           RGB(230, 230, 230)};
  COLORREF saved[std::size(ids)];
  std::transform(std::begin(ids), std::end(ids), saved, GetSysColor);
  SetSysColors(std::size(ids), ids, dark);
  pump();
  for (const forms::ButtonControl& row : forms::form1Buttons()) {
    const HWND button = form().button(row.button);
    ASSERT_NE(GetWindowTheme(button), nullptr) << "no visual style draws " << row.name;
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT r{};
    GetClientRect(button, &r);
    const auto [face, ink] = faceAndInk(button, buttonCaptionRoom(r, form().dpi()));
    EXPECT_GE(contrast(ink, face), 4.5) << row.name;
  }
  SetSysColors(std::size(ids), ids, saved);
}

// A control at its place, in the designed face where the layout fixes it; its caption laid out by
// `format` (0: none) fits its room (a button's, with no DT_NOPREFIX, inside the frame) uncut, and
// a button drawing it (DT_CENTER alone) shows every line. A disabled box draws its text in its own
// face (as tall as its last character there), in a grey that reads at 4.5:1 at least.
void expectControl(HWND control, const forms::Place& place, const forms::Face* face, UINT format,
                   const std::string& name, int dpi) {
  const std::string at = name + " at " + std::to_string(dpi);
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  const RECT want = placeRect(place, dpi);
  EXPECT_TRUE(EqualRect(&r, &want)) << at;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW logical{};
  GetObjectW(font, sizeof logical, &logical);
  if (face != nullptr) {
    EXPECT_EQ(-logical.lfHeight, std::lround(forms::fontOf(*face).points * dpi / 72.0)) << at;
  }
  const std::u16string caption = windowText(control);
  const std::size_t shown = caption.find_last_not_of(u' ');  // a box may be blanked out
  if (format == 0 || shown == std::u16string::npos) return;
  RECT room{};
  GetClientRect(control, &room);
  if ((format & DT_EDITCONTROL) != 0) {
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  }
  if ((format & DT_NOPREFIX) == 0) room = buttonCaptionRoom(room, dpi);
  HDC dc = GetDC(control);
  SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  GLYPHMETRICS last{};
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GetGlyphOutlineW(dc, caption[shown], GGO_METRICS, &last, 0, nullptr, &identity);
  RECT need{0, 0, room.right - room.left, 0};
  DrawTextW(dc, wide(caption).c_str(), -1, &need, format | DT_CALCRECT | DT_WORDBREAK);
  EXPECT_LE(need.right, room.right - room.left) << at;
  EXPECT_LE(need.bottom, room.bottom - room.top) << at;
  // What it drew there, where checked: lines of ink (much darker than the face), the darkest pixel.
  const bool drawn = format == DT_CENTER || !IsWindowEnabled(control);
  const auto level = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  COLORREF darkest = RGB(255, 255, 255);
  int lines = 0;
  int top = 0;      // the first row with ink
  int bottom = -1;  // one past the last
  for (int y = room.top; drawn && y < room.bottom; ++y) {
    bool inked = false;
    for (int x = room.left; x < room.right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      inked = inked || level(pixel) < level(GetSysColor(COLOR_BTNFACE)) - 3 * 96;
      if (level(pixel) < level(darkest)) darkest = pixel;
    }
    if (!inked) continue;
    if (bottom != y && ++lines == 1) top = y;  // a new line of ink, maybe the first
    bottom = y + 1;
  }
  ReleaseDC(control, dc);
  if (format == DT_CENTER) {
    EXPECT_EQ(lines, need.bottom / metrics.tmHeight) << at;
  }
  if (IsWindowEnabled(control)) return;
  EXPECT_GE(bottom - top, static_cast<int>(last.gmBlackBoxY) - 1) << at;
  EXPECT_GE(contrast(darkest, GetSysColor(COLOR_BTNFACE)), 4.5) << at;
}

void expectLaidOutAt(Form1Window& form, int dpi) {
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  const RECT want = placeRect(forms::kForm1ClientArea, dpi);
  EXPECT_TRUE(EqualRect(&client, &want)) << "Form1 at " << dpi;
  VARIANT self{};
  self.vt = VT_I4;  // CHILDID_SELF
  for (const forms::FieldControl& row : forms::form1Fields()) {
    const HWND edit = form.box(row.field).hwnd();
    const UINT format = IsWindowVisible(edit) ? DT_NOPREFIX | DT_EDITCONTROL : 0;
    expectControl(edit, row.place, &row.face, format, forms::fieldName(row.field), dpi);
    IAccessible* accessible = nullptr;
    AccessibleObjectFromWindow(edit, OBJID_CLIENT, IID_IAccessible,
                               reinterpret_cast<void**>(&accessible));
    ASSERT_NE(accessible, nullptr) << forms::fieldName(row.field);
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    EXPECT_STREQ(name, wide(row.accessibleName).c_str());
    SysFreeString(name);
    accessible->Release();
  }
  for (const forms::LabelControl& row : forms::form1Labels()) {
    const UINT format = row.caption == nullptr ? 0 : DT_NOPREFIX | (row.centred ? DT_CENTER : 0);
    expectControl(form.control(row.name), row.place, nullptr, format, row.name, dpi);
  }
  for (const forms::ButtonControl& row : forms::form1Buttons()) {
    expectControl(form.button(row.button), row.place, nullptr, DT_CENTER, row.name, dpi);
  }
}

// The About box's client area lies at its place on the screen; its controls are in the dialog face.
void expectLaidOutAt(AboutWindow& about, int dpi) {
  RECT client{};
  GetClientRect(about.hwnd(), &client);
  MapWindowPoints(about.hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT want = placeRect(forms::kAboutClientArea, dpi);
  EXPECT_TRUE(EqualRect(&client, &want)) << "the About box at " << dpi;
  const forms::Face dialog = forms::Face::Dialog;
  for (const auto* row : {&forms::kLblTitle, &forms::kLblVersion, &forms::kLblDescription,
                          &forms::kLblDisclaimer, &forms::kCmdOK, &forms::kCmdSysInfo}) {
    const bool button = row == &forms::kCmdOK || row == &forms::kCmdSysInfo;
    expectControl(about.control(row->name), row->place, &dialog,
                  button ? DT_CENTER | DT_SINGLELINE : DT_NOPREFIX, row->name, dpi);
  }
}

// Both windows at the resolution Wine runs with (96, 120, 144 and 192 dpi in the check), with the
// widest texts in the boxes and every box's name for screen readers as their interface reads it;
// then the main window on a monitor of another resolution.
TEST_F(WindowTest, EveryControlIsLaidOutAndNamedAtTheResolution) {
  const int dpi = form().dpi();
  if (const char* expected = std::getenv("QUORVEL_TEST_DPI")) {
    EXPECT_EQ(dpi, std::atoi(expected));
  }
  click(form().button(Button::Command3));
  ASSERT_NE(program_->aboutBox(), nullptr);
  expectLaidOutAt(*program_->aboutBox(), dpi);
  DestroyWindow(program_->aboutBox()->hwnd());
  click(box(Text31));
  type(u"4294967295");
  press(VK_TAB);
  expectLaidOutAt(form(), dpi);
  // A window moved for real takes the new monitor's frame; here the frame stays as it is.
  const int other = dpi == forms::kBaseDpi ? 2 * forms::kBaseDpi : forms::kBaseDpi;
  RECT suggested{};
  RECT client{};
  GetWindowRect(form().hwnd(), &suggested);
  GetClientRect(form().hwnd(), &client);
  suggested.right += forms::twipsToPixels(forms::kForm1ClientArea.width, other) - client.right;
  suggested.bottom += forms::twipsToPixels(forms::kForm1ClientArea.height, other) - client.bottom;
  SendMessageW(form().hwnd(), WM_DPICHANGED, MAKEWPARAM(other, other),
               reinterpret_cast<LPARAM>(&suggested));
  pump();
  expectLaidOutAt(form(), other);
}

}  // namespace
}  // namespace quorvel::win32
