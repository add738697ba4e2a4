#pragma once

#include <cstdint>
#include <string>

// What finding and starting the system-information tool needs from the operating system, with
// the meanings the Windows registry gives its results, so that one algorithm serves every
// platform and its tests.
namespace quorvel::sysinfo {

using KeyHandle = std::uintptr_t;

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002U;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorMoreData = 234;

class SysInfoPlatform {
 public:
  SysInfoPlatform() = default;
  SysInfoPlatform(const SysInfoPlatform&) = delete;
  SysInfoPlatform& operator=(const SysInfoPlatform&) = delete;
  virtual ~SysInfoPlatform() = default;

  // Opens `keyName` below the root key; 0 on success, a system error code otherwise.
  virtual long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t options,
                       std::uint32_t access, KeyHandle& key) = 0;
  // Reads one value into `data` (capacity `size` bytes); `size` comes back as the bytes read.
  virtual long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                          unsigned char* data, std::uint32_t& size) = 0;
  virtual long closeKey(KeyHandle key) = 0;
  // Whether a listing of exactly this path names a normal file (not a folder).
  virtual bool fileExists(const std::string& path) = 0;
  // Starts the executable with a normal, activated window without waiting; throws on failure.
  virtual void launch(const std::string& path) = 0;
  // A modal message with an OK button only and no icon.
  virtual void showMessage(const std::string& text, const std::string& caption) = 0;
};

}  // namespace quorvel::sysinfo
