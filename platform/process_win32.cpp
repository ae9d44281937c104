#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/process.h"

namespace {

bool isFile(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string folderOf(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string folderOfRunningProgram() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return folderOf(std::string(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string joined(const std::string& folder, const std::string& program) {
  if (folder.empty()) return program;
  char last = folder.back();
  return (last == '\\' || last == '/') ? folder + program : folder + "\\" + program;
}

// The folder of the running program, then the working folder, then PATH.
std::string findProgram(const std::string& program, const std::string& workingFolder) {
  std::vector<std::string> folders;
  if (std::string own = folderOfRunningProgram(); !own.empty()) folders.push_back(own);
  if (!workingFolder.empty()) folders.push_back(workingFolder);
  if (const char* path = std::getenv("PATH")) {
    std::string list(path);
    std::size_t start = 0;
    for (;;) {
      std::size_t semicolon = list.find(';', start);
      std::string folder = list.substr(start, semicolon - start);
      if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') {
        folder = folder.substr(1, folder.size() - 2);
      }
      if (!folder.empty()) folders.push_back(folder);
      if (semicolon == std::string::npos) break;
      start = semicolon + 1;
    }
  }
  for (const auto& folder : folders) {
    std::string candidate = joined(folder, program);
    if (isFile(candidate)) return candidate;
  }
  return {};
}

}  // namespace

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
