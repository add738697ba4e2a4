// Windows: the registry through advapi32, loaded by name at run time; the file test as a
// directory listing; the launch through CreateProcess.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "sysinfo/native_platform.h"

namespace quorvel::sysinfo {

struct NativePlatform::Api {
  using OpenFn = LONG(WINAPI*)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
  using QueryFn = LONG(WINAPI*)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
  using CloseFn = LONG(WINAPI*)(HKEY);

  HMODULE library = LoadLibraryA("advapi32");
  OpenFn open = lookup<OpenFn>("RegOpenKeyExA");
  QueryFn query = lookup<QueryFn>("RegQueryValueExA");
  CloseFn close = lookup<CloseFn>("RegCloseKey");

  Api() = default;
  Api(const Api&) = delete;
  Api& operator=(const Api&) = delete;
  ~Api() {
    if (library != nullptr) FreeLibrary(library);
  }

  template <typename Fn>
  Fn lookup(const char* name) const {
    if (library == nullptr) return nullptr;
    // GetProcAddress hands back a generic pointer that has to be cast to the real signature.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  }
};

namespace {

// Root keys are 32-bit values that Windows widens with their sign.
HKEY rootKey(std::uint32_t root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY toHkey(KeyHandle key) {
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

NativePlatform::NativePlatform(MessageFunction message)
    : message_(std::move(message)), api_(std::make_unique<Api>()) {}
NativePlatform::~NativePlatform() = default;

long NativePlatform::openKey(std::uint32_t root, const std::string& keyName, std::uint32_t options,
                             std::uint32_t access, KeyHandle& key) {
  if (api_->open == nullptr) return ERROR_PROC_NOT_FOUND;
  HKEY opened = nullptr;
  const LONG result = api_->open(rootKey(root), keyName.c_str(), options, access, &opened);
  key = result == ERROR_SUCCESS ? reinterpret_cast<KeyHandle>(opened) : 0;
  return result;
}

long NativePlatform::queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                unsigned char* data, std::uint32_t& size) {
  if (api_->query == nullptr) return ERROR_PROC_NOT_FOUND;
  DWORD valueType = 0;
  DWORD valueSize = size;
  const LONG result =
      api_->query(toHkey(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
  type = valueType;
  size = valueSize;
  return result;
}

long NativePlatform::closeKey(KeyHandle key) {
  if (api_->close == nullptr) return ERROR_PROC_NOT_FOUND;
  return api_->close(toHkey(key));
}

// Lists exactly this path (no wildcards) and counts normal files only: a folder, or a hidden or
// system file, of that name does not count.
bool NativePlatform::fileExists(const std::string& path) {
  if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
  WIN32_FIND_DATAA found{};
  HANDLE listing = FindFirstFileA(path.c_str(), &found);
  if (listing == INVALID_HANDLE_VALUE) return false;
  bool exists = false;
  do {
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    exists = (found.dwFileAttributes & kNotNormal) == 0 && found.cFileName[0] != '\0';
  } while (!exists && FindNextFileA(listing, &found));
  FindClose(listing);
  return exists;
}

// The path goes in as the application name, so a path with blanks is never split into a program
// and arguments; the command line only repeats it, quoted, as its first argument.
void NativePlatform::launch(const std::string& path) {
  std::string quoted = "\"" + path + "\"";
  std::vector<char> commandLine(quoted.begin(), quoted.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    throw std::runtime_error("cannot start " + path + " (error " + std::to_string(GetLastError()) +
                             ")");
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace quorvel::sysinfo
