#include "sysinfo/start_sys_info.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace quorvel::sysinfo {
namespace {

constexpr const char* kToolFile = "\\MSINFO32.EXE";

// Upper-case hexadecimal without leading zeros.
std::string hex(unsigned value) {
  char buffer[8];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
  std::string text(buffer, end);
  for (char& c : text) c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
  return text;
}

// The general value formatter: "&h" and hexadecimal digits become the number in decimal; any
// text it cannot read as such a number stays as it is.
std::string formatValue(const std::string& text) {
  const std::string_view digits = std::string_view(text).substr(2);
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (digits.empty() || ec != std::errc{} || end != digits.data() + digits.size()) return text;
  return std::to_string(value);
}

class KeyCloser {
 public:
  KeyCloser(SysInfoPlatform& platform, KeyHandle& key) : platform_(platform), key_(key) {}
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;
  ~KeyCloser() { platform_.closeKey(key_); }  // its result tells nothing worth acting on

 private:
  SysInfoPlatform& platform_;
  KeyHandle& key_;
};

}  // namespace

bool GetKeyValue(SysInfoPlatform& platform, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
  KeyHandle key = 0;
  const KeyCloser closer(platform, key);
  if (platform.openKey(keyRoot, keyName, 0, kKeyAccess, key) != kErrorSuccess) {
    keyVal.clear();
    return false;
  }
  std::array<unsigned char, kValueBufferSize> buffer{};
  auto size = static_cast<std::uint32_t>(buffer.size());
  std::uint32_t type = 0;
  if (platform.queryValue(key, subKeyRef, type, buffer.data(), size) != kErrorSuccess) {
    keyVal.clear();
    return false;
  }

  // The value's last byte is its terminator when it is 0; a size of 0 names no byte at all.
  if (size == 0) throw std::out_of_range("registry value of size 0");
  std::size_t kept = std::min<std::size_t>(size, buffer.size());
  if (size <= buffer.size() && buffer[size - 1] == 0) kept = size - 1;
  const std::string text(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(kept));

  if (type == kRegSz) {
    keyVal = text;
  } else if (type == kRegDword) {
    for (std::size_t i = text.size(); i > 0; --i) {
      keyVal += hex(static_cast<unsigned char>(text[i - 1]));
    }
    keyVal = formatValue("&h" + keyVal);
  }
  return true;
}

void StartSysInfo(SysInfoPlatform& platform, const std::string& title) {
  try {
    std::string path;
    if (GetKeyValue(platform, kHkeyLocalMachine, kToolKey, kToolValue, path)) {
      platform.launch(path);
      return;
    }
    if (GetKeyValue(platform, kHkeyLocalMachine, kToolLocationKey, kToolLocationValue, path) &&
        platform.fileExists(path + kToolFile)) {
      platform.launch(path + kToolFile);
      return;
    }
  } catch (...) {  // every failure on the way ends in the same message
  }
  platform.showMessage(kUnavailableMessage, title);
}

}  // namespace quorvel::sysinfo
