// The Windows layer against the real registry, file system and process launch. The registry
// values under HKLM\SOFTWARE\quorvel-test\Values are created by the script that runs these tests.
#include <windows.h>
// after windows.h, which it builds on
#include <sddl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "sysinfo/native_platform.h"
#include "sysinfo/start_sys_info.h"

namespace quorvel::sysinfo {
namespace {

struct CountingPlatform {
  int messages = 0;
  NativePlatform native{[this](const std::string&, const std::string&) { ++messages; }};
};

std::string scratchFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "quorvel-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// A key under HKLM holding one string value; the caller closes it.
HKEY createKeyWith(const std::string& key, const char* value, const std::string& text) {
  HKEY created = nullptr;
  EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &created, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(created, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  return created;
}

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A failed read empties what was passed in. The key is opened with write rights too: a key that
// can only be read is refused.
TEST(Win32Registry, ReadsValuesThroughGetKeyValue) {
  const char* readOnlyKey = "SOFTWARE\\quorvel-test\\ReadOnly";
  const HKEY readOnly = createKeyWith(readOnlyKey, "Text", "x");
  PSECURITY_DESCRIPTOR onlyRead = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:P(A;;KR;;;WD)", SDDL_REVISION_1, &onlyRead, nullptr));
  ASSERT_EQ(RegSetKeySecurity(readOnly, DACL_SECURITY_INFORMATION, onlyRead), ERROR_SUCCESS);
  LocalFree(onlyRead);
  RegCloseKey(readOnly);
  HKEY readable = nullptr;  // so that it is refused for the rights asked for, not for reading
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, readOnlyKey, 0, KEY_READ, &readable), ERROR_SUCCESS);
  RegCloseKey(readable);
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
      {"ReadOnly", "Text", false, ""},
  };
  for (const auto& c : cases) {
    CountingPlatform platform;
    const std::string key = std::string("SOFTWARE\\quorvel-test\\") + c.key;
    std::string text = c.found ? "" : "before";  // a double word is added to what is there
    EXPECT_EQ(GetKeyValue(platform.native, kHkeyLocalMachine, key, c.value, text), c.found)
        << c.value;
    EXPECT_EQ(text, c.text) << c.value;
  }
}

// Only a normal file of exactly that name counts: neither a folder nor a pattern.
TEST(Win32Files, CountsNormalFilesOnly) {
  const std::string folder = scratchFolder();
  std::ofstream(folder + "\\MSINFO32.EXE") << "x";
  CreateDirectoryA((folder + "\\FOLDER.EXE").c_str(), nullptr);
  CountingPlatform platform;
  EXPECT_TRUE(platform.native.fileExists(folder + "\\MSINFO32.EXE"));
  EXPECT_FALSE(platform.native.fileExists(folder + "\\FOLDER.EXE"));
  EXPECT_FALSE(platform.native.fileExists(folder + "\\*.EXE"));
}

// The tool in a folder with a blank in its name, beside what a split command line would start.
TEST(Win32SysInfo, StartsExactlyTheToolTheRegistryNames) {
  const std::string scratch = scratchFolder();
  const std::string folder = scratch + "\\with blanks";
  CreateDirectoryA(folder.c_str(), nullptr);
  char own[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, own, MAX_PATH);
  const std::string probe =
      std::string(own).substr(0, std::string(own).rfind('\\')) + "\\launch_probe.exe";
  const std::string tool = folder + "\\MSINFO32.EXE";
  const std::string decoy = scratch + "\\with.exe";
  ASSERT_TRUE(CopyFileA(probe.c_str(), tool.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(probe.c_str(), decoy.c_str(), FALSE));
  RegCloseKey(createKeyWith("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder));
  CountingPlatform platform;
  StartSysInfo(platform.native, "quorvel");
  for (int waited = 0; waited < 60000 && !exists(tool + ".ran"); waited += 50) Sleep(50);
  EXPECT_TRUE(exists(tool + ".ran"));
  EXPECT_FALSE(exists(decoy + ".ran"));
  EXPECT_EQ(platform.messages, 0);
  EXPECT_THROW(platform.native.launch(folder + "\\missing.exe"), std::runtime_error);
}

}  // namespace
}  // namespace quorvel::sysinfo
