#pragma once

#include <cstdint>
#include <string>

#include "sysinfo/sys_info_platform.h"

namespace quorvel::sysinfo {

inline constexpr std::uint32_t kKeyAccess = 0x2003F;  // query, set, create, enumerate, notify,
                                                      // link, read control
inline constexpr std::size_t kValueBufferSize = 1024;
inline constexpr const char* kUnavailableMessage = "System Information Is Unavailable At This Time";

// Where the registry names the tool: first the tool's own key, then the folder it lives in.
inline constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kToolValue = "PATH";
inline constexpr const char* kToolLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kToolLocationValue = "MSINFO";

// Reads one registry value as text into keyVal; false (and keyVal empty) when it cannot.
// A string is taken as it is; a double word becomes a number; any other type leaves keyVal as
// passed in. Throws on a value it cannot cut at its terminator (a size of 0).
bool GetKeyValue(SysInfoPlatform& platform, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

// Finds the system-information tool through the registry and starts it; any failure on the way
// ends in one message, captioned with the program's title.
void StartSysInfo(SysInfoPlatform& platform, const std::string& title);

}  // namespace quorvel::sysinfo
