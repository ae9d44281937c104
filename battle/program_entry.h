// The battle program: Bridge.txt, the report files, the six combatants, the
// battle, then the page generator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Runs the whole program in `workingFolder`; returns the exit code (1).
int runBattleProgram(const std::string& workingFolder, std::optional<std::uint32_t> seed);

// The seed named by the environment variable BATTLE_SEED: a decimal number
// 0..4294967295; nothing when it is unset or holds anything else.
std::optional<std::uint32_t> seedFromEnvironment(const char* value);
