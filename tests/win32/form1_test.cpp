// The main window under Wine: the binding of real EDIT controls to the sheet, the focus and the
// keyboard, UTF-16 carets, long texts, the disabled style, the boxes' names for screen readers and
// the layout at the resolution.
#include <windows.h>
// After windows.h; initguid.h first, so that IID_IAccessible is defined here.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "forms/about_layout.h"
#include "forms/form1_layout.h"
#include "forms/text_part.h"
#include "tests/win32/window_driver.h"
#include "win32/display.h"

namespace quorvel::win32::testing {
namespace {

using enum Field;

// Clicking a box enters it; the keys typed there go through the control into the sheet, which
// reads the control's caret, and every box follows.
TEST_F(WindowTest, TypingGoesThroughTheBoxIntoTheSheet) {
  const struct {
    Field field;
    std::u16string keys;
    Field watched;
    const char* expected;
  } cases[] = {
      {Text1, u"192", Text13, "C"},  {Text1, u"192", Text5, "C0"}, {Text1, u"172", Text14, "/16"},
      {Text2, u"300", Text2, "255"}, {Text4, u"7", Text31, "7"},   {Text25, u"255", Text21, "FF"},
  };
  for (const auto& c : cases) {
    click(form().button(Button::Command2));  // Reset, and the focus off the boxes
    click(box(c.field));
    type(c.keys);
    EXPECT_EQ(sheet().text(c.watched), c.expected) << forms::fieldName(c.field);
    EXPECT_EQ(shown(c.watched), c.expected) << forms::fieldName(c.watched);
  }
}

// Edits in the middle of the number reach the sheet with the caret where the control has it. The
// sheet counts characters, the control UTF-16 units: a character beyond the BMP is two.
TEST_F(WindowTest, EditsInTheMiddleOfTheNumberKeepTheCaret) {
  click(box(Text31));
  type(u"3232235777");
  press(VK_HOME);
  for (int i = 0; i < 4; ++i) press(VK_RIGHT);
  paste(u"99");
  EXPECT_EQ(sheet().text(Text32), "323299235777");
  EXPECT_EQ(sheet().selStart(Text32), 6);
  press(VK_BACK);
  press(VK_BACK);
  EXPECT_EQ(sheet().text(Text32), "3232235777");
  EXPECT_EQ(sheet().selStart(Text32), 4);
  EXPECT_EQ(sheet().text(Text1) + "." + sheet().text(Text2) + "." + sheet().text(Text3) + "." +
                sheet().text(Text4),
            "192.168.1.1");
  type(u"\U0001F600");
  EXPECT_EQ(sheet().text(Text32), "3232\U0001F600235777");
  EXPECT_EQ(sheet().selStart(Text32), 5);
  EXPECT_EQ(selection(box(Text32)), std::make_pair(6, 6));
}

// Class C leaves only the last mask octet open: Tab skips the other two, wraps after the About
// button, and selects each box it enters.
TEST_F(WindowTest, TabWalksTheOpenBoxesInTabOrder) {
  type(u"192");
  const HWND forward[] = {
      box(Text2), box(Text3), box(Text4), box(Text23), form().button(Button::Command3), box(Text1)};
  for (HWND expected : forward) {
    press(VK_TAB);
    ASSERT_EQ(GetFocus(), expected);
    if (expected != form().button(Button::Command3)) {
      EXPECT_EQ(selection(expected), std::make_pair(0, GetWindowTextLengthW(expected)));
    }
  }
  EXPECT_EQ(sheet().focus(), Text1);
  press(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(GetFocus(), form().button(Button::Command3));
  EXPECT_EQ(sheet().focus(), std::nullopt);
  press(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(GetFocus(), box(Text23));
}

// The window opens in the first octet, selected; the number is edited in a box of its own, and
// leaving it returns there.
TEST_F(WindowTest, TheNumberIsEditedInItsOwnBoxAndLeavingReturnsToTheFirstOctet) {
  const auto expectInTheFirstOctet = [this] {
    EXPECT_EQ(GetFocus(), box(Text1));
    EXPECT_EQ(sheet().focus(), Text1);
    EXPECT_EQ(selection(box(Text1)), std::make_pair(0, 3));
    EXPECT_TRUE(IsWindowVisible(box(Text31)));
    EXPECT_FALSE(IsWindowVisible(box(Text32)));
  };
  expectInTheFirstOctet();
  click(box(Text31));
  EXPECT_EQ(GetFocus(), box(Text32));
  EXPECT_TRUE(IsWindowVisible(box(Text32)));
  EXPECT_FALSE(IsWindowVisible(box(Text31)));
  EXPECT_EQ(selection(box(Text32)), std::make_pair(0, 1));
  type(u"3232235777");
  press(VK_TAB);
  EXPECT_EQ(shown(Text31), "3232235777");
  expectInTheFirstOctet();
}

// Switching to another window and back gives the box its focus back as it was: the caret stays
// where typing left it, and the sheet sees no focus move.
TEST_F(WindowTest, AWindowSwitchGivesTheFocusBackAsItWas) {
  press(VK_TAB);
  type(u"1");
  ASSERT_EQ(selection(box(Text2)), std::make_pair(1, 1));
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  pump();
  SetActiveWindow(form().hwnd());
  pump();
  DestroyWindow(other);
  EXPECT_EQ(GetFocus(), box(Text2));
  EXPECT_EQ(sheet().focus(), Text2);
  EXPECT_EQ(selection(box(Text2)), std::make_pair(1, 1));
  EXPECT_EQ(sheet().selStart(Text2), 1);
}

// Every box carries its name for screen readers, as their accessibility interface reads it.
TEST_F(WindowTest, EveryBoxHasItsAccessibleName) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  for (const forms::FieldControl& row : forms::form1Fields()) {
    IAccessible* accessible = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(box(row.field), OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&accessible)),
              S_OK);
    BSTR name = nullptr;
    EXPECT_EQ(accessible->get_accName(self, &name), S_OK) << row.accessibleName;
    EXPECT_STREQ(name, wide(row.accessibleName).c_str());
    SysFreeString(name);
    accessible->Release();
  }
}

// Megabyte pastes go to the sheet whole; the control holds at most the part around the caret.
TEST_F(WindowTest, LongPastesReachTheSheetWholeAndTheBoxHoldsAPart) {
  const std::u16string megabyte(1 << 20, u'1');
  const struct {
    Field field;
    const char* kept;  // what the sheet keeps; nullptr: the whole text
  } cases[] = {{Text1, "111"}, {Text25, nullptr}, {Text31, nullptr}};
  for (const auto& c : cases) {
    click(box(c.field));
    const Field edited = c.field == Text31 ? Text32 : c.field;
    paste(megabyte);
    const std::string& text = sheet().text(edited);
    EXPECT_EQ(text.size(), c.kept != nullptr ? 3 : megabyte.size()) << forms::fieldName(edited);
    if (c.kept != nullptr) {
      EXPECT_EQ(text, c.kept);
    }
    EXPECT_TRUE(shown(edited) == text) << forms::fieldName(edited);
    EXPECT_LE(GetWindowTextLengthW(box(edited)), 2 * forms::TextPart::kReach + 2);
    press(VK_TAB);
  }
  // In the number, Home brings the start into the control, and typing there edits the whole.
  click(box(Text31));
  paste(megabyte);
  press(VK_HOME);
  type(u"2");
  EXPECT_EQ(sheet().text(Text32).size(), megabyte.size() + 1);
  EXPECT_EQ(sheet().text(Text32).substr(0, 3), "211");
  EXPECT_EQ(win32::windowText(box(Text32)).substr(0, 3), u"211");
}

// The rows of `within` (client coordinates) that hold ink, a pixel much darker than the face
// colour: as on the screen, or as the control draws itself into a bitmap (`printed`), which
// holds wherever the window lies. `darkest`, if given, learns the darkest pixel.
std::vector<bool> inkRows(HWND control, RECT within, bool printed, COLORREF* darkest = nullptr) {
  const int width = within.right - within.left;
  const int height = within.bottom - within.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  if (printed) {
    SetViewportOrgEx(memory, -within.left, -within.top, nullptr);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                 PRF_CLIENT | PRF_ERASEBKGND);
  } else {
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&within), 2);
    BitBlt(memory, 0, 0, width, height, screen, within.left, within.top, SRCCOPY);
  }
  GdiFlush();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int faceLevel = GetRValue(face) + GetGValue(face) + GetBValue(face);
  int darkestLevel = 3 * 255 + 1;
  std::vector<bool> rows(static_cast<std::size_t>(height));
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = pixels + (static_cast<std::ptrdiff_t>(y) * width + x) * 4;
      const int level = p[0] + p[1] + p[2];
      if (level < faceLevel - 3 * 96) rows[static_cast<std::size_t>(y)] = true;
      if (darkest != nullptr && level < darkestLevel) {
        darkestLevel = level;
        *darkest = RGB(p[2], p[1], p[0]);
      }
    }
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rows;
}

// A disabled box draws its text in its own face, in a grey that reads at 4.5:1 at least on the
// box's background: the text is as tall on the screen as its last character in that face.
TEST_F(WindowTest, DisabledBoxesDrawReadablyInTheirOwnFace) {
  UpdateWindow(form().hwnd());
  pump();
  for (Field field : {Text5, Text13, Text14}) {
    const HWND edit = box(field);
    ASSERT_FALSE(IsWindowEnabled(edit)) << forms::fieldName(field);
    RECT client{};
    GetClientRect(edit, &client);
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    const std::wstring text = wide(windowText(edit));
    GLYPHMETRICS glyph{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GetGlyphOutlineW(dc, text.back(), GGO_METRICS, &glyph, 0, nullptr, &identity);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    COLORREF darkest = RGB(255, 255, 255);
    const std::vector<bool> rows = inkRows(edit, client, false, &darkest);
    const auto first = std::find(rows.begin(), rows.end(), true);
    const auto last = std::find(rows.rbegin(), rows.rend(), true);
    ASSERT_NE(first, rows.end()) << forms::fieldName(field);
    const auto inked = static_cast<int>(std::distance(first, last.base()));
    EXPECT_GE(inked, static_cast<int>(glyph.gmBlackBoxY) - 1) << forms::fieldName(field);
    EXPECT_GE(contrast(darkest, GetSysColor(COLOR_BTNFACE)), 4.5) << forms::fieldName(field);
  }
}

// Runs of inked rows: the lines of text drawn.
int inkedLines(const std::vector<bool>& rows) {
  int lines = 0;
  for (std::size_t y = 0; y < rows.size(); ++y) {
    if (rows[y] && (y == 0 || !rows[y - 1])) ++lines;
  }
  return lines;
}

// The caption fits the room its control leaves it at this resolution, in the control's own face:
// nothing is cut off, not even the cell's leading or descent.
void expectCaptionFits(HWND control, RECT room, UINT format, const std::string& name, int dpi) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const std::wstring caption = wide(windowText(control));
  RECT need{0, 0, room.right - room.left, 0};
  DrawTextW(dc, caption.c_str(), -1, &need, format | DT_CALCRECT | DT_WORDBREAK);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  EXPECT_LE(need.right, room.right - room.left) << name << " at " << dpi;
  EXPECT_LE(need.bottom, room.bottom - room.top) << name << " at " << dpi;
  // What a button shows: as many lines as the caption needs there, none cut off below.
  if (format == DT_CENTER) {
    EXPECT_EQ(inkedLines(inkRows(control, room, true)), need.bottom / metrics.tmHeight)
        << name << " at " << dpi;
  }
}

// The control's face at this resolution, at the designed size.
void expectFace(HWND control, forms::Face face, int dpi, const std::string& name) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(-font.lfHeight, std::lround(forms::fontOf(face).points * dpi / 72.0))
      << name << " at " << dpi;
}

// A rectangle in pixels against the layout's place at this resolution.
void expectAt(RECT r, const forms::Place& place, int dpi, const std::string& name) {
  const RECT want = placeRect(place, dpi);
  EXPECT_TRUE(EqualRect(&r, &want)) << name << " at " << dpi;
}

// The control's rectangle in its window's client area.
RECT placed(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void expectLaidOutAt(Form1Window& form, int dpi) {
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  expectAt(client, forms::kForm1ClientArea, dpi, "Form1");
  for (const forms::FieldControl& row : forms::form1Fields()) {
    const HWND edit = form.box(row.field).hwnd();
    const std::string name = forms::fieldName(row.field);
    expectAt(placed(edit), row.place, dpi, name);
    expectFace(edit, row.face, dpi, name);
    // What the box shows fits the rectangle the control draws its text in.
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    if (IsWindowVisible(edit))
      expectCaptionFits(edit, format, DT_NOPREFIX | DT_EDITCONTROL, name, dpi);
  }
  // A caption that does not fit in its designed face gets it smaller; that it fits is the test.
  for (const forms::LabelControl& row : forms::form1Labels()) {
    const HWND label = form.label(row.name);
    ASSERT_NE(label, nullptr) << row.name;
    expectAt(placed(label), row.place, dpi, row.name);
    RECT r{};
    GetClientRect(label, &r);
    if (row.caption != nullptr) {
      expectCaptionFits(label, r, DT_NOPREFIX | (row.centred ? DT_CENTER : DT_LEFT), row.name, dpi);
    }
  }
  for (const forms::ButtonControl& row : forms::form1Buttons()) {
    const HWND button = form.button(row.button);
    expectAt(placed(button), row.place, dpi, row.name);
    RECT r{};
    GetClientRect(button, &r);
    expectCaptionFits(button, buttonCaptionRoom(r, dpi), DT_CENTER, row.name, dpi);
  }
}

// The About box's client area at its place on the screen, and its controls, in the dialog face.
void expectLaidOutAt(AboutWindow& about, int dpi) {
  RECT client{};
  GetClientRect(about.hwnd(), &client);
  MapWindowPoints(about.hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  expectAt(client, forms::kAboutClientArea, dpi, "the About box");
  for (const forms::AboutControl* row :
       {&forms::kLblTitle, &forms::kLblVersion, &forms::kLblDescription, &forms::kLblDisclaimer,
        &forms::kCmdOK, &forms::kCmdSysInfo}) {
    const HWND control = about.control(row->name);
    expectAt(placed(control), row->place, dpi, row->name);
    expectFace(control, forms::Face::Dialog, dpi, row->name);
    RECT r{};
    GetClientRect(control, &r);
    const bool button = row == &forms::kCmdOK || row == &forms::kCmdSysInfo;
    expectCaptionFits(control, button ? buttonCaptionRoom(r, dpi) : r,
                      button ? DT_CENTER | DT_SINGLELINE : DT_NOPREFIX | DT_LEFT, row->name, dpi);
  }
}

// Both windows at the resolution Wine runs with (the check runs it at 96, 120, 144 and 192 dpi),
// with the widest texts in the boxes; then the main window after a move to a monitor of another
// resolution.
TEST_F(WindowTest, EveryControlScalesWithTheResolution) {
  const int dpi = form().dpi();
  if (const char* expected = std::getenv("QUORVEL_TEST_DPI")) {
    EXPECT_EQ(dpi, std::atoi(expected));
  }
  click(form().button(Button::Command3));
  ASSERT_NE(program().aboutBox(), nullptr);
  expectLaidOutAt(*program().aboutBox(), dpi);
  DestroyWindow(program().aboutBox()->hwnd());
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
}  // namespace quorvel::win32::testing
