// The battle's random generator: a 32-bit linear congruential generator
// whose order of draws is part of the game's behaviour.
#pragma once

#include <cstdint>

#include "common/game_int.h"

struct RandomGenerator {
  std::uint32_t state = 1;  // 1 until the battle seeds it
  std::uint32_t draws = 0;  // how many values were drawn; tests watch it
};

inline void seedRandom(RandomGenerator& rng, std::uint32_t seed) { rng.state = seed; }

// The next value, 0..32767.
inline Int nextRandom(RandomGenerator& rng) {
  rng.state = rng.state * 214013u + 2531011u;
  ++rng.draws;
  return Int(static_cast<std::int32_t>((rng.state >> 16) & 0x7FFFu));
}

// The absolute value of (next value mod n), 0..n - 1; 0 and no draw for n = 0.
inline Int randomBelow(RandomGenerator& rng, Int n) {
  if (n == 0) return 0;
  Int r = nextRandom(rng) % n;
  return r < 0 ? -r : r;
}
