// The progress bar of long runs: battles done, rate and time left, on
// standard error, only when it is a terminal and the run is expected to take
// more than a second.
#pragma once

#include <chrono>
#include <cstdint>

struct ProgressBar {
  bool terminal = false;
  bool drawn = false;
  std::int64_t total = 0;
  std::chrono::steady_clock::time_point started;
};

// A bar for `total` battles; silent when standard error is no terminal.
ProgressBar startProgress(std::int64_t total);

// Redraws the bar for `done` battles.
void showProgress(ProgressBar& bar, std::int64_t done);

// Clears the bar's line.
void endProgress(ProgressBar& bar);
