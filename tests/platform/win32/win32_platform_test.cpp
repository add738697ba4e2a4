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

class RecordingPlatform : public NativePlatform {
 public:
  std::vector<std::string> messages;
  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.push_back(caption + ": " + text);
  }
};

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string own = path;
  return own.substr(0, own.find_last_of('\\'));
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

// A key under HKLM holding one string value; the caller closes it.
HKEY CreateKeyWith(const std::string& key, const char* value, const std::string& text) {
  HKEY created = nullptr;
  EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &created, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(created, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  return created;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits for a started process to leave its marker; the probe exits at once once started.
bool AppearsWithin(const std::string& path, int milliseconds) {
  for (int waited = 0; waited < milliseconds && !Exists(path); waited += 50) Sleep(50);
  return Exists(path);
}

TEST(Win32Registry, ReadsValuesThroughGetKeyValue) {
  const struct {
    const char* key;
    const char* value;
    bool found;
    const char* text;
  } cases[] = {
      {"Values", "Text", true, "C:\\Tools\\Info Tool.exe"},
      {"Values", "Empty", true, ""},
      {"Values", "Word", true, "305419896"},
      {"Values", "Long", false, ""},  // over the 1024-byte buffer: the read reports more data
      {"Values", "Missing", false, ""},
      {"NoSuchKey", "Text", false, ""},
  };
  for (const auto& c : cases) {
    RecordingPlatform platform;
    std::string text = c.found ? "" : "before";  // a failure empties what was passed in
    EXPECT_EQ(GetKeyValue(platform, kHkeyLocalMachine,
                          std::string("SOFTWARE\\quorvel-test\\") + c.key, c.value, text),
              c.found)
        << c.value;
    EXPECT_EQ(text, c.text) << c.value;
  }
}

TEST(Win32Registry, KeyWithoutWriteRightsIsRefused) {
  const std::string readOnlyKey = "SOFTWARE\\quorvel-test\\ReadOnly";
  const HKEY created = CreateKeyWith(readOnlyKey, "Text", "x");
  PSECURITY_DESCRIPTOR readOnly = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:P(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly, nullptr));
  ASSERT_EQ(RegSetKeySecurity(created, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS);
  LocalFree(readOnly);
  RegCloseKey(created);

  RecordingPlatform platform;
  KeyHandle key = 0;
  EXPECT_EQ(platform.OpenKey(kHkeyLocalMachine, readOnlyKey, 0, KEY_READ, key), kErrorSuccess);
  platform.CloseKey(key);  // it exists and can be read, but not opened with the rights asked for
  std::string text = "before";
  EXPECT_FALSE(GetKeyValue(platform, kHkeyLocalMachine, readOnlyKey, "Text", text));
  EXPECT_EQ(text, "");
}

TEST(Win32Files, CountsNormalFilesOnly) {
  const std::string folder = ScratchFolder("files");
  std::ofstream(folder + "\\MSINFO32.EXE") << "x";
  const std::string withFolder = ScratchFolder("folder");
  CreateDirectoryA((withFolder + "\\MSINFO32.EXE").c_str(), nullptr);

  RecordingPlatform platform;
  EXPECT_TRUE(platform.FileExists(folder + "\\MSINFO32.EXE"));
  EXPECT_FALSE(platform.FileExists(withFolder + "\\MSINFO32.EXE"));
  EXPECT_FALSE(platform.FileExists(folder + "\\NOSUCH.EXE"));
  EXPECT_FALSE(platform.FileExists(folder + "\\*.EXE"));
}

// The tool in a folder with a blank in its name, beside what a split command line would start.
TEST(Win32SysInfo, StartsExactlyTheToolTheRegistryNames) {
  const std::string scratch = ScratchFolder("tool");
  const std::string folder = scratch + "\\with blanks";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string probe = OwnFolder() + "\\launch_probe.exe";
  const std::string tool = folder + "\\MSINFO32.EXE";
  const std::string decoy = scratch + "\\with.exe";
  ASSERT_TRUE(CopyFileA(probe.c_str(), tool.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(probe.c_str(), decoy.c_str(), FALSE));
  RegCloseKey(CreateKeyWith("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder));

  RecordingPlatform platform;
  StartSysInfo(platform, "quorvel");
  EXPECT_TRUE(AppearsWithin(tool + ".ran", 20000));
  EXPECT_FALSE(Exists(decoy + ".ran"));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_THROW(platform.Launch(folder + "\\missing.exe"), std::runtime_error);
}

}  // namespace
}  // namespace quorvel::sysinfo
