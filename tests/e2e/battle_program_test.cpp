// The battle program run for real in temporary working folders.
#include <gtest/gtest.h>

#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace {

TEST(BattleProgram, SampleFolderMatchesFixture) { EXPECT_TRUE(runFixture("sample_battle")); }

}  // namespace
