// The Windows side of runProgramWith (tests/support/fixture_runner.h): the
// program is copied alone into a private folder and started there with PATH
// emptied, so battle finds no pagegen; the test waits for it and keeps what it
// printed.
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

// A file the started program writes its standard output or error into.
HANDLE inheritableOutput(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{};
  inherit.nLength = sizeof inherit;
  inherit.bInheritHandle = TRUE;
  return ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProgramRun runProgramWith(const std::string& program, const fs::path& folder,
                          const std::vector<std::string>& arguments, std::optional<std::string> seed) {
  TestFolder bin;
  std::string file = program + ".exe";
  fs::path copy = fs::path(bin.path()) / file;
  fs::copy_file(fs::path(BIN_DIR) / file, copy);
  ScopedVariable path("PATH", "");
  ScopedVariable seedVariable("BATTLE_SEED", seed ? seed->c_str() : nullptr);
  std::string application = copy.string();
  std::string commandLine = "\"" + application + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
  std::string workingFolder = folder.string();
  HANDLE out = inheritableOutput(bin.file("out.txt"));
  HANDLE err = inheritableOutput(bin.file("err.txt"));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION started{};
  BOOL ok = ::CreateProcessA(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             workingFolder.c_str(), &startup, &started);
  ::CloseHandle(out);
  ::CloseHandle(err);
  ProgramRun run;
  if (!ok) return run;
  ::CloseHandle(started.hThread);
  ::WaitForSingleObject(started.hProcess, INFINITE);
  DWORD code = 0;
  if (::GetExitCodeProcess(started.hProcess, &code)) run.exitCode = static_cast<int>(code);
  ::CloseHandle(started.hProcess);
  run.out = readFileBytes(bin.file("out.txt"));
  run.err = readFileBytes(bin.file("err.txt"));
  return run;
}
