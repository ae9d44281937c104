// Time as the battle needs it.
#pragma once

#include <cstdint>

struct LocalTime {
  int year, month, day, hour, minute, second;
};

// The local time now.
LocalTime localTimeNow();

// The time in seconds since 1970, as a 32-bit seed.
std::uint32_t secondsNow();
