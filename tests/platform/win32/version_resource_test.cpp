// The executable's identity: this test binary carries the program's resource script.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string OwnPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

TEST(VersionResource, CarriesTheProgramsVersion) {
  const std::string path = OwnPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0U);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

  auto text = [&](const char* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), query.c_str(), &value, &length)) return std::string("?");
    return std::string(static_cast<const char*>(value));
  };
  EXPECT_EQ(text("FileVersion"), "1.00");
  EXPECT_EQ(text("ProductVersion"), "1.00");
  EXPECT_EQ(text("ProductName"), "quorvel");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000U);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000U);
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

// The About box shows the program's icon at 32 x 32, in 16 colours.
TEST(VersionResource, CarriesTheIconAt32x32In16Colours) {
  HRSRC found = FindResourceA(nullptr, "IDI_ICON1", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const WORD*>(LockResource(LoadResource(nullptr, found)));
  ASSERT_NE(group, nullptr);
  const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + 3);
  EXPECT_TRUE(std::any_of(entries, entries + group[2], [](const IconGroupEntry& e) {
    return e.width == 32 && e.height == 32 && e.bitCount == 4;
  }));
}

}  // namespace
