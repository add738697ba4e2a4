// The Windows layer against the real registry, file system and process launch. The registry
// values under HKLM\SOFTWARE\quorvel-test\Values are created by the script that runs these tests.
#include <windows.h>
// after windows.h, which it builds on
#include <sddl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "sysinfo/native_platform.h"
#include "sysinfo/start_sys_info.h"

namespace quorvel::sysinfo {
namespace {

const std::string kValuesKey = "SOFTWARE\\quorvel-test\\Values";

class RecordingPlatform : public NativePlatform {
 public:
  std::vector<std::string> messages;
  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.push_back(caption + ": " + text);
  }
};

std::string Folder(const std::string& path) {
  return path.substr(0, path.find_last_of('\\'));
}

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return Folder(path);
}

// A fresh folder for one test's files.
std::string ScratchFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder =
      std::string(temp) + "quorvel-" + std::to_string(GetCurrentProcessId()) + "-" + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits for a started process to leave its marker; the probe exits at once once started.
bool AppearsWithin(const std::string& path, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (Exists(path)) return true;
    Sleep(50);
  }
  return Exists(path);
}

TEST(Win32Registry, ReadsValuesThroughGetKeyValue) {
  const struct {
    const char* value;
    bool found;
    const char* text;
  } cases[] = {
      {"Text", true, "C:\\Tools\\Info Tool.exe"},
      {"Empty", true, ""},
      {"Word", true, "305419896"},
      {"Long", false, ""},  // over the 1024-byte buffer: the read reports more data
      {"Missing", false, ""},
  };
  for (const auto& c : cases) {
    RecordingPlatform platform;
    std::string text = c.found ? "" : "before";  // a failure empties what was passed in
    EXPECT_EQ(GetKeyValue(platform, kHkeyLocalMachine, kValuesKey, c.value, text), c.found)
        << c.value;
    EXPECT_EQ(text, c.text) << c.value;
  }
  RecordingPlatform platform;
  std::string text;
  EXPECT_FALSE(
      GetKeyValue(platform, kHkeyLocalMachine, "SOFTWARE\\quorvel-test\\NoSuchKey", "Text", text));
}

TEST(Win32Registry, LongValueReportsMoreData) {
  RecordingPlatform platform;
  KeyHandle key = 0;
  ASSERT_EQ(platform.OpenKey(kHkeyLocalMachine, kValuesKey, 0, kKeyAccess, key), kErrorSuccess);
  std::vector<unsigned char> buffer(kValueBufferSize);
  auto size = static_cast<std::uint32_t>(buffer.size());
  std::uint32_t type = 0;
  EXPECT_EQ(platform.QueryValue(key, "Long", type, buffer.data(), size), kErrorMoreData);
  platform.CloseKey(key);
}

TEST(Win32Registry, KeyWithoutWriteRightsIsRefused) {
  HKEY created = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\quorvel-test\\ReadOnly", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &created, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(created, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
  PSECURITY_DESCRIPTOR readOnly = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:P(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly, nullptr));
  ASSERT_EQ(RegSetKeySecurity(created, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS);
  LocalFree(readOnly);
  RegCloseKey(created);

  RecordingPlatform platform;
  KeyHandle key = 0;
  EXPECT_EQ(
      platform.OpenKey(kHkeyLocalMachine, "SOFTWARE\\quorvel-test\\ReadOnly", 0, KEY_READ, key),
      kErrorSuccess);  // it exists and can be read...
  platform.CloseKey(key);
  std::string text = "before";
  EXPECT_FALSE(GetKeyValue(platform, kHkeyLocalMachine, "SOFTWARE\\quorvel-test\\ReadOnly", "Text",
                           text));  // ...but not opened with the rights asked for
  EXPECT_EQ(text, "");
}

TEST(Win32Files, CountsNormalFilesOnly) {
  const std::string folder = ScratchFolder("files");
  const std::string file = folder + "\\MSINFO32.EXE";
  std::ofstream(file) << "x";
  const std::string withFolder = ScratchFolder("folder");
  CreateDirectoryA((withFolder + "\\MSINFO32.EXE").c_str(), nullptr);

  RecordingPlatform platform;
  EXPECT_TRUE(platform.FileExists(file));
  EXPECT_FALSE(platform.FileExists(withFolder + "\\MSINFO32.EXE"));
  EXPECT_FALSE(platform.FileExists(folder + "\\NOSUCH.EXE"));
  EXPECT_FALSE(platform.FileExists(folder + "\\*.EXE"));
}

TEST(Win32Launch, StartsExactlyThePathEvenWithBlanks) {
  const std::string folder = ScratchFolder("launch");
  const std::string probe = OwnFolder() + "\\launch_probe.exe";
  CreateDirectoryA((folder + "\\with blanks").c_str(), nullptr);
  const std::string target = folder + "\\with blanks\\probe.exe";
  const std::string decoy = folder + "\\with.exe";  // what a split command line would start
  ASSERT_TRUE(CopyFileA(probe.c_str(), target.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(probe.c_str(), decoy.c_str(), FALSE));

  RecordingPlatform platform;
  platform.Launch(target);
  EXPECT_TRUE(AppearsWithin(target + ".ran", 20000));
  EXPECT_FALSE(Exists(decoy + ".ran"));
  EXPECT_THROW(platform.Launch(folder + "\\missing.exe"), std::runtime_error);
}

TEST(Win32SysInfo, StartsTheToolNamedByTheRegistry) {
  const std::string folder = ScratchFolder("tool");
  const std::string tool = folder + "\\MSINFO32.EXE";
  ASSERT_TRUE(CopyFileA((OwnFolder() + "\\launch_probe.exe").c_str(), tool.c_str(), FALSE));
  HKEY location = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &location, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(location, "MSINFO", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>(folder.size() + 1));
  RegCloseKey(location);

  RecordingPlatform platform;
  StartSysInfo(platform, "quorvel");
  EXPECT_TRUE(AppearsWithin(tool + ".ran", 20000));
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace quorvel::sysinfo
