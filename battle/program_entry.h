// The battle program: Bridge.txt, the report files, the six combatants, the
// battle, then the page generator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Runs the whole program in `workingFolder`; returns the exit code (1).
int runBattleProgram(const std::string& workingFolder, std::optional<std::uint32_t> seed);

// The seed a BATTLE_SEED value names: a decimal number 0..4294967295, leading
// zeros allowed; nothing for any other text, the empty one included.
std::optional<std::uint32_t> parseSeed(const char* value);

// The one line battle prints on standard error for a BATTLE_SEED value that
// names no seed. Bytes that are not printable ASCII show as \xNN, so the
// line stays one line whatever the value holds.
std::string badSeedMessage(const char* value);
