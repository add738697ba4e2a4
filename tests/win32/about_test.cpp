// The About box and the program's lifecycle under Wine: one box at a time, its keys, EXIT and
// closing, and System Info end to end against the registry, a launched program and the message.
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "forms/about_layout.h"
#include "sysinfo/start_sys_info.h"
#include "tests/win32/window_driver.h"

namespace quorvel::win32::testing {
namespace {

int openAboutBoxes() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        wchar_t name[32]{};
        GetClassNameW(window, name, 32);
        if (std::wstring(name) == L"QuorvelAbout") ++*reinterpret_cast<int*>(found);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

std::wstring text(HWND window) {
  return wide(windowText(window));
}

TEST_F(WindowTest, OneAboutBoxAtATimeClosedByEnterOrEscape) {
  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    click(form().button(Button::Command3));
    click(form().button(Button::Command3));
    ASSERT_EQ(openAboutBoxes(), 1);
    AboutWindow& about = *program().aboutBox();
    EXPECT_EQ(about.loads(), 1);  // the second click brought it to the front only
    EXPECT_EQ(GetActiveWindow(), about.hwnd());
    EXPECT_EQ(text(about.hwnd()), L"About quorvel");
    EXPECT_EQ(text(about.control(forms::kLblVersion.name)), L"Version 1.0.0");
    EXPECT_EQ(text(about.control(forms::kLblTitle.name)), L"quorvel");
    press(key);
    EXPECT_EQ(openAboutBoxes(), 0) << key;
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

// The registry keys the About box reads, under HKEY_LOCAL_MACHINE.
class SystemInfoTest : public WindowTest {
 protected:
  void SetUp() override {
    clearKeys();
    WindowTest::SetUp();
    click(form().button(Button::Command3));
    ASSERT_NE(program().aboutBox(), nullptr);
  }
  void TearDown() override {
    WindowTest::TearDown();
    clearKeys();
  }
  static void clearKeys() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, sysinfo::kToolKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, sysinfo::kToolLocationKey);
  }
};

// The probe leaves "<its path>.ran" when it runs; a copy in a fresh folder per run.
std::filesystem::path copyOfProbe() {
  std::string built = QUORVEL_LAUNCH_PROBE;
  for (char& c : built) c = c == '/' ? '\\' : c;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("quorvel-about-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path probe = folder / "Info Tool.exe";
  std::filesystem::copy_file("Z:" + built, probe,
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::remove(probe.string() + ".ran");
  return probe;
}

TEST_F(SystemInfoTest, AltSLaunchesTheToolTheRegistryNames) {
  const std::filesystem::path probe = copyOfProbe();
  const std::string path = probe.string();
  ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, sysinfo::kToolKey, sysinfo::kToolValue, REG_SZ,
                            path.c_str(), static_cast<DWORD>(path.size() + 1)),
            ERROR_SUCCESS);
  press('S', {VK_MENU});
  bool ran = false;
  for (int waited = 0; waited < 10000 && !ran; waited += 50) {
    ran = std::filesystem::exists(path + ".ran");
    if (!ran) Sleep(50);
  }
  EXPECT_TRUE(ran);
  EXPECT_NE(program().aboutBox(), nullptr);  // the box does not wait for the tool, nor close
}

TEST_F(SystemInfoTest, WithoutTheToolTheBoxSaysSo) {
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
  SendMessageW(program().aboutBox()->control(forms::kCmdSysInfo.name), BM_CLICK, 0, 0);
  closer.join();
  EXPECT_EQ(message, L"System Information Is Unavailable At This Time");
  EXPECT_EQ(owner.load(), about);
  EXPECT_TRUE(onlyOk);
}

}  // namespace
}  // namespace quorvel::win32::testing
