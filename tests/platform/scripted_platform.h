#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "sysinfo/sys_info_platform.h"

namespace quorvel::sysinfo::testing {

// A registry, file system and launcher that do what the test scripted, and remember what they
// were asked.
class ScriptedPlatform : public SysInfoPlatform {
 public:
  struct Value {
    std::uint32_t type = kRegSz;
    std::string bytes;
    long queryResult = kErrorSuccess;
  };
  struct Key {
    long openResult = kErrorSuccess;
    std::map<std::string, Value> values;
  };

  std::map<std::string, Key> keys;
  std::set<std::string> files;
  bool launchFails = false;

  std::vector<std::uint32_t> openAccess;
  std::vector<std::string> fileTests;
  std::vector<std::string> launched;
  std::vector<std::string> messages;
  int openKeys = 0;

  long OpenKey(std::uint32_t root, const std::string& keyName, std::uint32_t /*options*/,
               std::uint32_t access, KeyHandle& key) override {
    openAccess.push_back(access);
    const auto found = keys.find(keyName);
    if (root != kHkeyLocalMachine || found == keys.end()) return kErrorFileNotFound;
    if (found->second.openResult != kErrorSuccess) return found->second.openResult;
    ++openKeys;
    opened_.push_back(&found->second);
    key = opened_.size();
    return kErrorSuccess;
  }

  long QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                  unsigned char* data, std::uint32_t& size) override {
    const auto& values = opened_.at(key - 1)->values;
    const auto found = values.find(valueName);
    if (found == values.end()) return kErrorFileNotFound;
    const Value& value = found->second;
    if (value.queryResult != kErrorSuccess) return value.queryResult;
    if (value.bytes.size() > size) {
      size = static_cast<std::uint32_t>(value.bytes.size());
      return kErrorMoreData;
    }
    type = value.type;
    size = static_cast<std::uint32_t>(value.bytes.size());
    std::copy(value.bytes.begin(), value.bytes.end(), data);
    return kErrorSuccess;
  }

  long CloseKey(KeyHandle key) override {
    if (key == 0) return 6;  // an invalid handle
    --openKeys;
    return kErrorSuccess;
  }

  bool FileExists(const std::string& path) override {
    fileTests.push_back(path);
    return files.count(path) != 0;
  }

  void Launch(const std::string& path) override {
    if (launchFails || path.empty()) throw std::runtime_error("cannot start " + path);
    launched.push_back(path);
  }

  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.push_back(caption + ": " + text);
  }

 private:
  std::vector<Key*> opened_;
};

}  // namespace quorvel::sysinfo::testing
