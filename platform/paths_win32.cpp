#include <windows.h>

#include <vector>

#include "platform/paths.h"

std::string currentDirectory() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length + 1);
  }
}

bool isAbsolutePath(std::string_view nativePath) {
  bool fromRoot = !nativePath.empty() && nativePath[0] == '\\';
  bool onDrive = nativePath.size() > 1 && nativePath[1] == ':';
  return fromRoot || onDrive;
}
