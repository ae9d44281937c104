// The Windows side of runProgramIn (tests/support/fixture_runner.h): the
// program is copied alone into a private folder and started there with PATH
// emptied, so battle finds no pagegen; the test waits for it.
#include <windows.h>

#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the time of a run, then puts it back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    char buffer[32768];
    DWORD length = ::GetEnvironmentVariableA(name, buffer, sizeof buffer);
    had_ = length > 0 && length < sizeof buffer;
    if (had_) old_.assign(buffer, length);
    ::SetEnvironmentVariableA(name, value);
  }
  ~ScopedVariable() { ::SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

}  // namespace

int runProgramIn(const std::string& program, const fs::path& folder, std::optional<std::string> seed) {
  TestFolder bin;
  std::string file = program + ".exe";
  fs::path copy = fs::path(bin.path()) / file;
  fs::copy_file(fs::path(BIN_DIR) / file, copy);
  ScopedVariable path("PATH", "");
  ScopedVariable seedVariable("BATTLE_SEED", seed ? seed->c_str() : nullptr);
  std::string application = copy.string();
  std::string commandLine = "\"" + application + "\"";
  std::string workingFolder = folder.string();
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &started)) {
    return -1;
  }
  ::CloseHandle(started.hThread);
  ::WaitForSingleObject(started.hProcess, INFINITE);
  DWORD code = 0;
  bool ok = ::GetExitCodeProcess(started.hProcess, &code);
  ::CloseHandle(started.hProcess);
  return ok ? static_cast<int>(code) : -1;
}
