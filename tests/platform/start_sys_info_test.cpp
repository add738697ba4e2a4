// Finding and starting the system-information tool, over a scripted registry, file system and
// launcher.
#include "sysinfo/start_sys_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::sysinfo {
namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Value {
  std::uint32_t type;
  std::string bytes;
};

// A string as the registry stores it, with its terminator.
std::string sz(const std::string& text) {
  return text + '\0';
}

// Does what the test scripted and logs, in order, the values read, the files tested, the
// launches and the messages.
class Scripted : public SysInfoPlatform {
 public:
  std::map<std::string, std::map<std::string, Value>> keys;
  std::set<std::string> files;
  bool launchFails = false;
  std::vector<std::string> log;
  int openKeys = 0;

  Scripted& path(const std::string& bytes, std::uint32_t type = kRegSz) {
    keys[kToolKey]["PATH"] = {type, bytes};
    return *this;
  }
  Scripted& folder(const std::string& folder, bool holdsTool) {
    keys[kLocationKey]["MSINFO"] = {kRegSz, sz(folder)};
    if (holdsTool) files.insert(folder + "\\MSINFO32.EXE");
    return *this;
  }

  long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t options,
               std::uint32_t access, KeyHandle& key) override {
    const auto found = keys.find(keyName);
    if (root != kHkeyLocalMachine || found == keys.end()) return kErrorFileNotFound;
    // Only the options and rights the program asks for.
    if (options != 0 || access != 0x2003FU) return kErrorAccessDenied;
    ++openKeys;
    opened_.push_back(&found->second);
    key = opened_.size();
    return kErrorSuccess;
  }

  long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                  unsigned char* data, std::uint32_t& size) override {
    log.push_back(valueName);
    const auto& values = *opened_.at(key - 1);
    const auto found = values.find(valueName);
    if (found == values.end()) return kErrorFileNotFound;
    const std::string& bytes = found->second.bytes;
    const bool fits = bytes.size() <= size;
    size = static_cast<std::uint32_t>(bytes.size());
    if (!fits) return kErrorMoreData;
    type = found->second.type;
    std::copy(bytes.begin(), bytes.end(), data);
    return kErrorSuccess;
  }

  long closeKey(KeyHandle key) override {
    if (key == 0) return 6;  // an invalid handle, as after a failed open
    --openKeys;
    return kErrorSuccess;
  }

  bool fileExists(const std::string& path) override {
    log.push_back("exists " + path);
    return files.count(path) != 0;
  }

  void launch(const std::string& path) override {
    if (launchFails || path.empty()) throw std::runtime_error("cannot start " + path);
    log.push_back("launch " + path);
  }

  void showMessage(const std::string& text, const std::string& caption) override {
    log.push_back(caption + ": " + text);
  }

 private:
  std::vector<std::map<std::string, Value>*> opened_;
};

const std::string kMessage = "quorvel: System Information Is Unavailable At This Time";
const std::string kInM = "M:\\MSINFO32.EXE";

TEST(StartSysInfo, FindsTheToolOrEndsInTheMessage) {
  const struct {
    const char* name;
    void (*script)(Scripted&);
    std::vector<std::string> log;
  } scenarios[] = {
      {"the first key's path, launched as read without a file test",
       [](Scripted& p) { p.path(sz("C:\\Tools\\Info Tool.exe")).folder("M:", true); },
       {"PATH", "launch C:\\Tools\\Info Tool.exe"}},
      {"a string without a terminator, kept whole",
       [](Scripted& p) { p.path("C:\\a.exe"); },
       {"PATH", "launch C:\\a.exe"}},
      {"a string that fills the buffer",
       [](Scripted& p) { p.path(sz(std::string(1023, 'x'))); },
       {"PATH", "launch " + std::string(1023, 'x')}},
      {"only the second key, with the tool in its folder",
       [](Scripted& p) { p.folder("M:", true); },
       {"MSINFO", "exists " + kInM, "launch " + kInM}},
      {"only the second key, without the tool",
       [](Scripted& p) { p.folder("M:", false); },
       {"MSINFO", "exists " + kInM, kMessage}},
      {"no key at all", [](Scripted&) {}, {kMessage}},
      {"the first key without the value",
       [](Scripted& p) { p.folder("M:", true).keys[kToolKey].clear(); },
       {"PATH", "MSINFO", "exists " + kInM, "launch " + kInM}},
      {"a first value over the buffer",
       [](Scripted& p) { p.path(sz(std::string(1024, 'x'))).folder("M:", true); },
       {"PATH", "MSINFO", "exists " + kInM, "launch " + kInM}},
      // A size of 0 names no terminator to cut: an error, which ends the search at once.
      {"a first value of size 0",
       [](Scripted& p) { p.path("").folder("M:", true); },
       {"PATH", kMessage}},
      // Found, but it leaves the path empty, and nothing can be started from that.
      {"a first value of another type",
       [](Scripted& p) { p.path(sz("%SystemRoot%\\tool.exe"), 2).folder("M:", true); },
       {"PATH", kMessage}},
      {"a launch that fails",
       [](Scripted& p) { p.path(sz("C:\\a.exe")).launchFails = true; },
       {"PATH", kMessage}},
  };
  for (const auto& scenario : scenarios) {
    SCOPED_TRACE(scenario.name);
    Scripted platform;
    scenario.script(platform);
    StartSysInfo(platform, "quorvel");
    EXPECT_EQ(platform.log, scenario.log);
    EXPECT_EQ(platform.openKeys, 0) << "every opened key is closed";
  }
}

// A value read by its type; a failure (no such value, no such key) empties the text.
TEST(GetKeyValue, ReadsAValueByItsType) {
  const struct {
    const char* key;
    std::uint32_t type;  // 0: the key has no value
    std::string bytes;
    const char* passedIn;
    const char* expected;
  } cases[] = {
      {"K", kRegDword, std::string("\x78\x56\x34\x12", 4), "", "305419896"},
      // A trailing zero byte is taken for a terminator, as for a string.
      {"K", kRegDword, std::string("\x02\x01\x00\x00", 4), "", "18"},
      // The text passed in is not cleared first; where it is no number, nothing is converted.
      {"K", kRegDword, std::string("\x01\x00\x00\x02", 4), "A", "663553"},
      {"K", kRegDword, std::string("\x01\x00\x00\xAB", 4), "zz", "&hzzAB001"},
      {"K", 3, "\x01\x02", "kept", "kept"},  // any other type leaves the text as it was
      {"K", 0, "", "kept", ""},
      {"Missing", kRegSz, "x", "kept", ""},
  };
  for (const auto& c : cases) {
    Scripted platform;
    platform.keys["K"];
    if (c.type != 0) platform.keys["K"]["V"] = {c.type, c.bytes};
    std::string value = c.passedIn;
    const bool found = c.type != 0 && std::string(c.key) == "K";
    EXPECT_EQ(GetKeyValue(platform, kHkeyLocalMachine, c.key, "V", value), found) << c.expected;
    EXPECT_EQ(value, c.expected);
    EXPECT_EQ(platform.openKeys, 0);
  }
}

}  // namespace
}  // namespace quorvel::sysinfo
