#pragma once

#include <functional>
#include <memory>
#include <string>

#include "sysinfo/sys_info_platform.h"

namespace quorvel::sysinfo {

// The registry, the file test and the launch of the system this program runs on. Systems other
// than Windows have no registry: there only the tool's path is answered, from the desktop's own
// system-information program, and every other key fails to open. The message is shown by the
// user interface that owns the windows, through the function it passes in.
class NativePlatform final : public SysInfoPlatform {
 public:
  using MessageFunction = std::function<void(const std::string& text, const std::string& caption)>;
  explicit NativePlatform(MessageFunction message);
  ~NativePlatform() override;

  long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t options,
               std::uint32_t access, KeyHandle& key) override;
  long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                  unsigned char* data, std::uint32_t& size) override;
  long closeKey(KeyHandle key) override;
  bool fileExists(const std::string& path) override;
  void launch(const std::string& path) override;
  void showMessage(const std::string& text, const std::string& caption) override {
    message_(text, caption);
  }

 private:
  MessageFunction message_;
  struct Api;  // the registry functions on Windows, looked up at run time; elsewhere the open keys
  std::unique_ptr<Api> api_;
};

}  // namespace quorvel::sysinfo
