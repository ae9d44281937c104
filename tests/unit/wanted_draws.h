// Finds a generator state whose next draws are the wanted values, so a test
// can force a roll without knowing the generator's arithmetic.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "battle/random.h"

struct WantedDraw {
  int below;  // randomBelow(below)
  int value;  // the wanted result; -1 for any
};

inline std::uint32_t stateGiving(std::initializer_list<WantedDraw> draws) {
  for (std::uint32_t s = 0;; ++s) {
    RandomGenerator rng;
    rng.state = s;
    bool wanted = true;
    for (const WantedDraw& d : draws) {
      Int got = randomBelow(rng, d.below);
      if (d.value >= 0 && got != d.value) {
        wanted = false;
        break;
      }
    }
    if (wanted) return s;
  }
}

inline void forceDraws(RandomGenerator& rng, std::initializer_list<WantedDraw> draws) {
  rng.state = stateGiving(draws);
}
