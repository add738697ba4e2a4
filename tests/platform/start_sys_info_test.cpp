#include "sysinfo/start_sys_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scripted_platform.h"

namespace quorvel::sysinfo::testing {
namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kMessage = "quorvel: System Information Is Unavailable At This Time";

std::string Sz(const std::string& text) {
  return text + '\0';
}

struct Scenario {
  const char* name;
  void (*script)(ScriptedPlatform&);
  std::vector<std::string> launched;
  std::vector<std::string> fileTests;
  bool message;
};

class StartSysInfoTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(StartSysInfoTest, FindsTheToolOrEndsInTheMessage) {
  ScriptedPlatform platform;
  GetParam().script(platform);
  StartSysInfo(platform, "quorvel");
  EXPECT_EQ(platform.launched, GetParam().launched);
  EXPECT_EQ(platform.fileTests, GetParam().fileTests);
  EXPECT_EQ(platform.messages,
            GetParam().message ? std::vector<std::string>{kMessage} : std::vector<std::string>{});
  EXPECT_EQ(platform.openKeys, 0) << "every opened key is closed";
  for (std::uint32_t access : platform.openAccess) EXPECT_EQ(access, 0x2003FU);
}

const Scenario kScenarios[] = {
    {"FirstKeyPathLaunchedAsReadWithoutFileTest",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["PATH"] = {kRegSz, Sz("C:\\Tools\\Info Tool.exe")};
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("C:\\Other")};
     },
     {"C:\\Tools\\Info Tool.exe"},
     {},
     false},
    {"StringWithoutTerminatorKeptWhole",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["PATH"] = {kRegSz, "C:\\a.exe"};
     },
     {"C:\\a.exe"},
     {},
     false},
    {"OnlySecondKeyWithToolInItsFolder",
     [](ScriptedPlatform& p) {
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("C:\\Shared\\MSINFO")};
       p.files.insert("C:\\Shared\\MSINFO\\MSINFO32.EXE");
     },
     {"C:\\Shared\\MSINFO\\MSINFO32.EXE"},
     {"C:\\Shared\\MSINFO\\MSINFO32.EXE"},
     false},
    {"OnlySecondKeyWithoutToolInItsFolder",
     [](ScriptedPlatform& p) {
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("C:\\Shared\\MSINFO")};
     },
     {},
     {"C:\\Shared\\MSINFO\\MSINFO32.EXE"},
     true},
    {"NoKeyAtAll", [](ScriptedPlatform&) {}, {}, {}, true},
    {"FirstKeyWithoutTheValueFallsBackToSecond",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["Other"] = {kRegSz, Sz("x")};
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("D:\\M")};
       p.files.insert("D:\\M\\MSINFO32.EXE");
     },
     {"D:\\M\\MSINFO32.EXE"},
     {"D:\\M\\MSINFO32.EXE"},
     false},
    {"ValueOfSizeZeroIsAnErrorThatEndsAtOnce",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["PATH"] = {kRegSz, ""};
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("D:\\M")};
       p.files.insert("D:\\M\\MSINFO32.EXE");
     },
     {},
     {},
     true},
    {"ValueOverTheBufferFailsAndFallsBack",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["PATH"] = {kRegSz, Sz(std::string(1024, 'x'))};
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("D:\\M")};
       p.files.insert("D:\\M\\MSINFO32.EXE");
     },
     {"D:\\M\\MSINFO32.EXE"},
     {"D:\\M\\MSINFO32.EXE"},
     false},
    {"ValueFillingTheBufferExactlyIsRead",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["PATH"] = {kRegSz, Sz(std::string(1023, 'x'))};
     },
     {std::string(1023, 'x')},
     {},
     false},
    {"FirstValueOfAnotherTypeCountsAsFoundAndFailsToLaunch",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["PATH"] = {2, Sz("%SystemRoot%\\tool.exe")};
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("D:\\M")};
       p.files.insert("D:\\M\\MSINFO32.EXE");
     },
     {},
     {},
     true},
    {"OpenRefusedForWriteRightsTakesTheFailurePath",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].openResult = kErrorAccessDenied;
       p.keys[kToolKey].values["PATH"] = {kRegSz, Sz("C:\\a.exe")};
       p.keys[kLocationKey].values["MSINFO"] = {kRegSz, Sz("D:\\M")};
       p.files.insert("D:\\M\\MSINFO32.EXE");
     },
     {"D:\\M\\MSINFO32.EXE"},
     {"D:\\M\\MSINFO32.EXE"},
     false},
    {"LaunchThatFailsEndsInTheMessage",
     [](ScriptedPlatform& p) {
       p.keys[kToolKey].values["PATH"] = {kRegSz, Sz("C:\\a.exe")};
       p.launchFails = true;
     },
     {},
     {},
     true},
};

INSTANTIATE_TEST_SUITE_P(Registry, StartSysInfoTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(GetKeyValue, DoubleWordBecomesANumberFromItsBytes) {
  const struct {
    std::string bytes;
    std::string passedIn;
    std::string expected;
  } cases[] = {
      {std::string("\x78\x56\x34\x12", 4), "", "305419896"},
      // A trailing zero byte is taken for a terminator, as for a string.
      {std::string("\x02\x01\x00\x00", 4), "", "18"},
      // The text passed in is not cleared first; where it is no number, nothing is converted.
      {std::string("\x01\x00\x00\x02", 4), "A", "663553"},
      {std::string("\x01\x00\x00\x02", 4), "zz", "&hzz2001"},
  };
  for (const auto& c : cases) {
    ScriptedPlatform platform;
    platform.keys["K"].values["V"] = {kRegDword, c.bytes};
    std::string value = c.passedIn;
    EXPECT_TRUE(GetKeyValue(platform, kHkeyLocalMachine, "K", "V", value));
    EXPECT_EQ(value, c.expected);
  }
}

TEST(GetKeyValue, OtherTypesLeaveTheTextAndFailuresEmptyIt) {
  ScriptedPlatform platform;
  platform.keys["K"].values["Binary"] = {3, "\x01\x02"};
  std::string value = "kept";
  EXPECT_TRUE(GetKeyValue(platform, kHkeyLocalMachine, "K", "Binary", value));
  EXPECT_EQ(value, "kept");
  EXPECT_FALSE(GetKeyValue(platform, kHkeyLocalMachine, "K", "Missing", value));
  EXPECT_EQ(value, "");
  value = "kept";
  EXPECT_FALSE(GetKeyValue(platform, kHkeyLocalMachine, "Missing", "V", value));
  EXPECT_EQ(value, "");
  EXPECT_EQ(platform.openKeys, 0);
}

}  // namespace
}  // namespace quorvel::sysinfo::testing
