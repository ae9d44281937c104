#include "support/fixture_runner.h"

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <regex>
#include <sstream>
#include <vector>

#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// digest.html holds the local time of the run; it is compared as a placeholder.
std::string normalised(const std::string& name, std::string bytes) {
  if (fs::path(name).filename() != "digest.html") return bytes;
  static const std::regex time("[0-9]{4}/[0-9]{2}/[0-9]{2}\x81\x40[0-9]{2}:[0-9]{2}:[0-9]{2}");
  return std::regex_replace(bytes, time, "YYYY/MM/DD\x81\x40hh:mm:ss");
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string firstDifference(const std::string& expected, const std::string& actual) {
  auto want = splitLines(cp932ToUtf8(expected));
  auto got = splitLines(cp932ToUtf8(actual));
  std::size_t i = 0;
  while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
  std::ostringstream out;
  out << "  first difference at line " << i + 1 << "\n";
  for (std::size_t k = i; k < i + 3; ++k) {
    if (k < want.size()) out << "  - " << want[k] << "\n";
    if (k < got.size()) out << "  + " << got[k] << "\n";
  }
  return out.str();
}

void writeFolder(const fs::path& root, const std::map<std::string, std::string>& files) {
  std::error_code ignored;
  fs::remove_all(root, ignored);
  for (const auto& [name, bytes] : files) {
    fs::create_directories((root / name).parent_path());
    writeFileBytes(root / name, bytes);
  }
}

}  // namespace

fs::path fixturePath(const std::string& name) { return fs::path(FIXTURE_DIR) / name; }

std::map<std::string, std::string> folderContents(const fs::path& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string name = fs::relative(entry.path(), folder).generic_string();
    if (fs::path(name).filename() == ".keep") continue;
    files[name] = readFileBytes(entry.path());
  }
  return files;
}

#if !defined(_WIN32)  // the Windows side is tests/windows/run_program_win32.cpp
int runProgramIn(const std::string& program, const fs::path& folder, std::optional<std::string> seed) {
  TestFolder bin;
  fs::path copy = fs::path(bin.path()) / program;
  fs::copy_file(fs::path(BIN_DIR) / program, copy);
  fs::permissions(copy, fs::perms::owner_all);
  pid_t child = ::fork();
  if (child == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::setenv("PATH", "", 1);
    if (seed) {
      ::setenv("BATTLE_SEED", seed->c_str(), 1);
    } else {
      ::unsetenv("BATTLE_SEED");
    }
    ::execl(copy.c_str(), copy.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

::testing::AssertionResult runFixture(const std::string& name, const std::string& program) {
  fs::path fixture = fixturePath(name);
  if (!fs::exists(fixture / "input")) return ::testing::AssertionFailure() << "no fixture " << fixture;
  TestFolder work;
  const auto input = folderContents(fixture / "input");
  for (const auto& [file, bytes] : input) {
    fs::create_directories((fs::path(work.path()) / file).parent_path());
    writeFileBytes(fs::path(work.path()) / file, bytes);
  }
  // Empty folders of the input (such as kadmo) matter to the battle.
  for (const auto& entry : fs::recursive_directory_iterator(fixture / "input")) {
    if (entry.is_directory())
      fs::create_directories(fs::path(work.path()) / fs::relative(entry.path(), fixture / "input"));
  }
  std::optional<std::string> seed;
  if (fs::exists(fixture / "seed")) {
    std::string text = readFileBytes(fixture / "seed");
    seed = text.substr(0, text.find_first_of("\r\n"));
  }
  int code = runProgramIn(program, work.path(), seed);
  const auto after = folderContents(work.path());
  // What the run wrote or changed; the input files it left alone are not
  // kept in the fixture.
  std::map<std::string, std::string> actual;
  for (const auto& [file, bytes] : after) {
    auto before = input.find(file);
    if (before == input.end() || before->second != bytes) actual[file] = normalised(file, bytes);
  }

  const char* update = std::getenv("UPDATE_FIXTURES");
  if (update != nullptr && std::string(update) == "1") {
    writeFolder(fixture / "expected", actual);
    return ::testing::AssertionSuccess() << "fixture " << name << " rewritten";
  }
  auto expected = folderContents(fixture / "expected");
  for (auto& [file, bytes] : expected) bytes = normalised(file, bytes);
  std::ostringstream problems;
  if (code != 1 && program != "collect") problems << "exit code " << code << "\n";
  for (const auto& [file, bytes] : expected) {
    auto found = actual.find(file);
    if (found == actual.end()) {
      problems << file << ": missing\n";
    } else if (found->second != bytes) {
      problems << file << ": differs\n" << firstDifference(bytes, found->second);
    }
  }
  for (const auto& [file, bytes] : actual) {
    if (expected.count(file)) continue;
    problems << file << (input.count(file) ? ": changed, expected unchanged\n" : ": not expected\n");
  }
  for (const auto& [file, bytes] : input) {
    if (!after.count(file)) problems << file << ": removed\n";
  }
  if (problems.str().empty()) return ::testing::AssertionSuccess();
  writeFolder(fixture / "actual", after);
  return ::testing::AssertionFailure()
         << "fixture " << name << " (actual folder written to " << (fixture / "actual").string() << "):\n"
         << problems.str();
}
