#pragma once

#include <memory>
#include <string>

#include "sysinfo/sys_info_platform.h"

namespace quorvel::sysinfo {

// The registry, the file test and the launch of the system this program runs on. Systems other
// than Windows have no registry: there only the tool's path is answered, from the desktop's own
// system-information program, and every other key fails to open. The message box is left to the
// user interface that owns the windows.
class NativePlatform : public SysInfoPlatform {
 public:
  NativePlatform();
  ~NativePlatform() override;

  long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t options,
               std::uint32_t access, KeyHandle& key) override;
  long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                  unsigned char* data, std::uint32_t& size) override;
  long closeKey(KeyHandle key) override;
  bool fileExists(const std::string& path) override;
  void launch(const std::string& path) override;

 private:
  struct Api;  // the registry functions on Windows, looked up at run time; elsewhere the open keys
  std::unique_ptr<Api> api_;
};

}  // namespace quorvel::sysinfo
