// The executable's identity: this test binary carries the program's resource script.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(VersionResource, CarriesTheProgramsVersion) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> info(GetFileVersionInfoSizeA(path, nullptr));
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
  for (const auto& [name, expected] :
       {std::pair{"FileVersion", "1.00"}, std::pair{"ProductVersion", "1.00"},
        std::pair{"ProductName", "quorvel"}}) {
    void* value = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    ASSERT_TRUE(VerQueryValueA(info.data(), query.c_str(), &value, &length)) << name;
    EXPECT_STREQ(static_cast<const char*>(value), expected);
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000U);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000U);
}

// The About box shows the program's icon at 32 x 32, in 16 colours: one of the group's entries
// (14 bytes each after 6 of header) is 32 wide (its byte 0) and high (1), with 4 bits a pixel (6).
TEST(VersionResource, CarriesTheIconAt32x32In16Colours) {
  HRSRC found = FindResourceA(nullptr, "IDI_ICON1", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
  ASSERT_NE(group, nullptr);
  bool present = false;
  for (int i = 0; i < group[4]; ++i) {
    const BYTE* entry = group + 6 + std::ptrdiff_t{14} * i;
    present = present || (entry[0] == 32 && entry[1] == 32 && entry[6] == 4);
  }
  EXPECT_TRUE(present);
}

}  // namespace
