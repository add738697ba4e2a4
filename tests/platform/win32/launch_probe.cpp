// Started by the launch tests: leaves "<its own path>.ran" behind and exits at once.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main() {
  char path[MAX_PATH + 8] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  std::strcat(path, ".ran");
  std::FILE* marker = std::fopen(path, "w");
  if (marker == nullptr) return 1;
  std::fclose(marker);
  return 0;
}
