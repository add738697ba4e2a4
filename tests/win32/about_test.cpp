// The About box and the program's lifecycle under Wine: one box at a time, its keys, EXIT and
// closing, and System Info's message when there is no tool to start.
#include <atomic>
#include <string>
#include <thread>

#include "forms/about_layout.h"
#include "sysinfo/start_sys_info.h"
#include "tests/win32/window_driver.h"

namespace quorvel::win32::testing {
namespace {

using enum Field;

int openAboutBoxes() {
  int count = 0;
  for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"QuorvelAbout", nullptr));) ++count;
  return count;
}

std::wstring text(HWND window) {
  return wide(windowText(window));
}

// Enter in a box presses nothing. Enter or Space on the focused About button opens one box, which
// a click on the button while it is open only brings to the front; Enter or Escape close it.
TEST_F(WindowTest, OneAboutBoxAtATimeOpenedByItsButtonClosedByEnterOrEscape) {
  press(VK_RETURN);
  EXPECT_EQ(openAboutBoxes(), 0);
  EXPECT_EQ(sheet().text(Text1), "000");
  const struct { WORD opens, closes; } cases[] = {{VK_RETURN, VK_RETURN}, {VK_SPACE, VK_ESCAPE}};
  for (const auto& c : cases) {
    SetFocus(form().button(Button::Command3));
    press(c.opens);
    click(form().button(Button::Command3));
    ASSERT_EQ(openAboutBoxes(), 1) << c.opens;
    AboutWindow& about = *program().aboutBox();
    EXPECT_EQ(about.loads(), 1);
    EXPECT_EQ(GetActiveWindow(), about.hwnd());
    EXPECT_EQ(text(about.hwnd()), L"About quorvel");
    EXPECT_EQ(text(about.control(forms::kLblVersion.name)), L"Version 1.0.0");
    EXPECT_EQ(text(about.control(forms::kLblTitle.name)), L"quorvel");
    press(c.closes);
    EXPECT_EQ(openAboutBoxes(), 0) << c.closes;
    EXPECT_EQ(program().aboutBox(), nullptr);
  }
  EXPECT_FALSE(program().ended());
}

TEST_F(WindowTest, ExitEndsTheProgramWithTheAboutBoxOpen) {
  click(form().button(Button::Command3));
  ASSERT_NE(program().aboutBox(), nullptr);
  click(form().button(Button::Command1));
  EXPECT_FALSE(form().isOpen());
  EXPECT_EQ(openAboutBoxes(), 0);
  EXPECT_TRUE(quitPosted());
}

TEST_F(WindowTest, TheProgramEndsWithItsLastWindow) {
  click(form().button(Button::Command3));
  SendMessageW(form().hwnd(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_FALSE(form().isOpen());
  ASSERT_NE(program().aboutBox(), nullptr);
  EXPECT_FALSE(quitPosted());
  click(program().aboutBox()->control(forms::kCmdOK.name));
  EXPECT_TRUE(quitPosted());
}

// Alt+S presses System Info. With no tool in the registry (the platform layer's tests start one
// it names), the box says so in a message of its own, with OK only, and stays open.
TEST_F(WindowTest, AltSInTheAboutBoxSaysWhenThereIsNoTool) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, sysinfo::kToolKey);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, sysinfo::kToolLocationKey);
  click(form().button(Button::Command3));
  ASSERT_NE(program().aboutBox(), nullptr);
  const HWND about = program().aboutBox()->hwnd();
  std::wstring message;
  std::atomic<HWND> owner = nullptr;
  std::atomic<bool> onlyOk = false;
  // The message box is modal: it is read and closed from another thread while it waits.
  std::thread closer([&] {
    for (int waited = 0; waited < 10000; waited += 20) {
      if (HWND box = FindWindowW(L"#32770", L"quorvel")) {
        message = text(GetDlgItem(box, 0xFFFF));
        owner = GetWindow(box, GW_OWNER);
        onlyOk = GetDlgItem(box, IDOK) != nullptr && GetDlgItem(box, IDCANCEL) == nullptr;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(20);
    }
  });
  press('S', {VK_MENU});
  closer.join();
  EXPECT_EQ(message, L"System Information Is Unavailable At This Time");
  EXPECT_EQ(owner.load(), about);
  EXPECT_TRUE(onlyOk);
  EXPECT_NE(program().aboutBox(), nullptr);
}

}  // namespace
}  // namespace quorvel::win32::testing
