// The command line's values, checked: every bad value is a UsageError whose
// message names the option and the problem; the program exits 2 on it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "field_sets.h"

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A positive integer of at most `limit`.
std::int64_t positiveCount(const std::string& option, const std::string& text, std::int64_t limit);

// A seed 0..4294967295.
std::int64_t seedValue(const std::string& option, const std::string& text);

// A signed 32-bit integer.
std::int32_t intValue(const std::string& option, const std::string& text);

// A number greater than 0 and less than 1.
double fractionValue(const std::string& option, const std::string& text);

// "K/N" with 1 <= K <= N.
struct Shard {
  std::int64_t index = 1;
  std::int64_t count = 1;
};
Shard shardValue(const std::string& text);

// Every WHO.FIELD=VALUE of a --set option.
std::vector<FieldSet> fieldSets(const std::string& option, const std::vector<std::string>& texts);

// The seeds a command fights: `battles` seeds from `seed`, or shard K's share
// of them. Fails when the range leaves 0..4294967295.
struct SeedPlan {
  std::int64_t firstSeed = 1;
  std::int64_t battles = 0;
};
SeedPlan seedPlan(std::int64_t seed, std::int64_t battles, const Shard& shard);
