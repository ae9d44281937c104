#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/paths.h"
#include "platform/process.h"
#include "platform/program_search.h"

std::string folderOfRunningProgram() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return folderOf(std::string(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

// A PATH entry may stand in double quotes; an empty one is skipped.
std::string pathListFolder(const std::string& entry) {
  if (entry.size() >= 2 && entry.front() == '"' && entry.back() == '"')
    return entry.substr(1, entry.size() - 2);
  return entry;
}

std::string programPathIn(const std::string& folder, const std::string& program) {
  if (folder.empty()) return program;
  char last = folder.back();
  return (last == '\\' || last == '/') ? folder + program : folder + "\\" + program;
}

bool isStartableProgram(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool startProgramDetached(const std::string& program, const std::string& workingFolder) {
  std::string path = findProgram(program, workingFolder);
  if (path.empty()) return false;
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started{};
  // No inherited handles, no console window; the child runs on its own and
  // its handles are closed at once, so nothing waits for it.
  BOOL ok = ::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                             CREATE_NO_WINDOW | CREATE_NEW_PROCESS_GROUP, nullptr,
                             workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &started);
  if (!ok) return false;
  ::CloseHandle(started.hThread);
  ::CloseHandle(started.hProcess);
  return true;
}
