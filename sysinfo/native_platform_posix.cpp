// Systems without a registry. The one value the About box reads first, the tool's path, is
// answered from the desktop's own system-information programs found on PATH; every other key
// fails to open, as on a Windows machine without the tool. The launch detaches the program.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "sysinfo/native_platform.h"
#include "sysinfo/start_sys_info.h"

namespace quorvel::sysinfo {

// The keys open at the moment, each holding the path found when it was opened.
struct NativePlatform::Api {
  std::map<KeyHandle, std::string> keys;
  KeyHandle next = 1;
};

namespace {

// The programs that show what this machine is, in order of preference: KDE's Info Center, then
// HardInfo in its current and its older generation. Each starts with no arguments.
constexpr const char* kInfoPrograms[] = {"kinfocenter", "hardinfo2", "hardinfo"};

// Registry key and value names ignore the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

bool isExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The first program of the list installed in a folder of PATH, as an absolute path; empty when
// there is none. Relative entries of PATH (the current folder) are not searched.
std::string findInfoProgram() {
  const char* searchPath = std::getenv("PATH");
  if (searchPath == nullptr) return {};
  for (const char* program : kInfoPrograms) {
    std::string_view rest(searchPath);
    for (;;) {
      const std::size_t colon = rest.find(':');
      const std::string_view folder = rest.substr(0, colon);
      if (!folder.empty() && folder.front() == '/') {
        std::string candidate(folder);
        if (candidate.back() != '/') candidate += '/';
        candidate += program;
        if (isExecutableFile(candidate)) return candidate;
      }
      if (colon == std::string_view::npos) break;
      rest.remove_prefix(colon + 1);
    }
  }
  return {};
}

[[noreturn]] void throwSystemError(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

NativePlatform::NativePlatform(MessageFunction message)
    : message_(std::move(message)), api_(std::make_unique<Api>()) {}
NativePlatform::~NativePlatform() = default;

// Looks the program up on every opening, so that one installed while the box is open is found.
long NativePlatform::openKey(std::uint32_t root, const std::string& keyName,
                             std::uint32_t /*options*/, std::uint32_t /*access*/, KeyHandle& key) {
  key = 0;
  if (root != kHkeyLocalMachine || !sameName(keyName, kToolKey)) return kErrorFileNotFound;
  std::string path = findInfoProgram();
  if (path.empty()) return kErrorFileNotFound;
  key = api_->next++;
  api_->keys.emplace(key, std::move(path));
  return kErrorSuccess;
}

// A string value as the registry hands it over: its bytes with a terminating 0 counted in the
// size, or the size it needs when the buffer is too small.
long NativePlatform::queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                unsigned char* data, std::uint32_t& size) {
  const auto found = api_->keys.find(key);
  if (found == api_->keys.end() || !sameName(valueName, kToolValue)) return kErrorFileNotFound;
  const std::string& path = found->second;
  const auto needed = static_cast<std::uint32_t>(path.size() + 1);
  type = kRegSz;
  if (data == nullptr || size < needed) {
    size = needed;
    return data == nullptr ? kErrorSuccess : kErrorMoreData;
  }
  std::memcpy(data, path.c_str(), needed);
  size = needed;
  return kErrorSuccess;
}

long NativePlatform::closeKey(KeyHandle key) {
  return api_->keys.erase(key) == 1 ? kErrorSuccess : kErrorFileNotFound;
}

bool NativePlatform::fileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Starts the program through a short-lived middle process, so that the program belongs to init
// (nothing here has to reap it) and runs in a session of its own. Whether exec succeeded comes
// back through a pipe that closes on exec: end of file means it did, an errno means it did not.
// Between fork and exec only async-signal-safe calls are made.
void NativePlatform::launch(const std::string& path) {
  char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) throwSystemError(errno, "pipe");

  const pid_t middle = fork();
  if (middle < 0) {
    const int error = errno;
    close(report[0]);
    close(report[1]);
    throwSystemError(error, "fork");
  }
  if (middle == 0) {
    const pid_t program = fork();
    if (program == 0) {
      setsid();
      sigset_t none;
      sigemptyset(&none);
      sigprocmask(SIG_SETMASK, &none, nullptr);
      execv(argv[0], argv);
      const int error = errno;
      (void)!write(report[1], &error, sizeof error);
      _exit(127);
    }
    if (program < 0) {
      const int error = errno;
      (void)!write(report[1], &error, sizeof error);
    }
    _exit(0);
  }

  close(report[1]);
  int status = 0;
  while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got = 0;
  do {
    got = read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  if (got > 0) throwSystemError(error, "cannot start " + path);
}

}  // namespace quorvel::sysinfo
