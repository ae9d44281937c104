#include <ctime>

#include "platform/clock.h"

LocalTime localTimeNow() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  ::localtime_s(&parts, &now);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::uint32_t secondsNow() { return static_cast<std::uint32_t>(std::time(nullptr)); }
