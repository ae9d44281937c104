// End-to-end runs of the real programs: a fixture is a working folder
// (tests/fixtures/NAME/input), a seed (tests/fixtures/NAME/seed) and the files
// the run writes or changes, as they must be afterwards
// (tests/fixtures/NAME/expected). The run happens in a temporary copy; every
// expected file is compared byte for byte, and every other input file must be
// left exactly as it was.
//
// On a mismatch the actual folder is written beside the expected one
// (NAME/actual, ignored by git) and the message shows the first differing
// lines as UTF-8. With UPDATE_FIXTURES=1 in the environment the expected
// folder is rewritten from the run instead, with the files the run wrote or
// changed: review the result before committing it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

// Runs `program` (a file name of the build's bin folder) in `folder` with
// BATTLE_SEED set when `seed` is given; returns its exit code. The program is
// copied alone into a private folder and PATH is emptied, so battle finds no
// pagegen and starts nothing that could change the folder afterwards.
int runProgramIn(const std::string& program, const std::filesystem::path& folder,
                 std::optional<std::string> seed);

// Every regular file below `folder`, by relative path, with its bytes.
std::map<std::string, std::string> folderContents(const std::filesystem::path& folder);

// Copies the fixture's input into a temporary folder, runs `program` there
// and compares the folder with the fixture's expected folder.
::testing::AssertionResult runFixture(const std::string& name, const std::string& program = "battle");

// The fixture folder of the source tree.
std::filesystem::path fixturePath(const std::string& name);
