// Systems without a registry: no key opens, so the tool is never found or started.
#include <stdexcept>

#include "sysinfo/native_platform.h"

namespace quorvel::sysinfo {

struct NativePlatform::Api {};

NativePlatform::NativePlatform() = default;
NativePlatform::~NativePlatform() = default;

long NativePlatform::OpenKey(std::uint32_t /*root*/, const std::string& /*keyName*/,
                             std::uint32_t /*options*/, std::uint32_t /*access*/, KeyHandle& key) {
  key = 0;
  return kErrorFileNotFound;
}

long NativePlatform::QueryValue(KeyHandle /*key*/, const std::string& /*valueName*/,
                                std::uint32_t& /*type*/, unsigned char* /*data*/,
                                std::uint32_t& /*size*/) {
  return kErrorFileNotFound;
}

long NativePlatform::CloseKey(KeyHandle /*key*/) {
  return kErrorFileNotFound;
}

bool NativePlatform::FileExists(const std::string& /*path*/) {
  return false;
}

void NativePlatform::Launch(const std::string& path) {
  throw std::runtime_error("no system-information tool on this platform: " + path);
}

}  // namespace quorvel::sysinfo
