#include "sim_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

SimRun runSim(const std::vector<std::string>& args, const std::string& workingFolder) {
  TestFolder outputs;
  std::string command = "cd " + quoted(workingFolder) + " && " + quoted(std::string(BIN_DIR) + "/battle-sim");
  for (const std::string& arg : args) command += " " + quoted(arg);
  command += " >" + quoted(outputs.file("out")) + " 2>" + quoted(outputs.file("err")) + " </dev/null";
  const int status = std::system(command.c_str());
  SimRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = outputs.read("out");
  run.err = outputs.read("err");
  return run;
}

nlohmann::json simJson(const std::vector<std::string>& args, const std::string& workingFolder) {
  SimRun run = runSim(args, workingFolder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  nlohmann::json doc = nlohmann::json::parse(run.out, nullptr, false);
  EXPECT_FALSE(doc.is_discarded()) << run.out;
  return doc;
}

nlohmann::json withoutSpeed(nlohmann::json doc) {
  if (doc.is_object()) {
    for (const char* key : {"threads", "elapsed_seconds", "battles_per_second"}) doc.erase(key);
    for (auto& [key, value] : doc.items()) value = withoutSpeed(value);
  } else if (doc.is_array()) {
    for (auto& value : doc) value = withoutSpeed(value);
  }
  return doc;
}

void copyTree(const std::string& from, const std::string& into) {
  for (const auto& entry : fs::recursive_directory_iterator(from)) {
    const fs::path target = fs::path(into) / fs::relative(entry.path(), from);
    if (entry.is_directory()) {
      fs::create_directories(target);
    } else {
      fs::create_directories(target.parent_path());
      fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
    }
  }
}
