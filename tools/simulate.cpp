// simulate FOLDER [BATTLES] [FIRST_SEED]: fights the battle of a working
// folder many times in memory, one seed after the other, on every core, and prints how the
// battles ended and how many battles a second it ran. Nothing is read or
// written but the folder's Bridge.txt and character files, read once.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "battle/bridge_file.h"
#include "tools/simulation/simulation.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: simulate FOLDER [BATTLES] [FIRST_SEED]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const long battles = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100000;
  const unsigned long firstSeed = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1;
  auto match = std::make_unique<Match>();
  if (!loadMatch(folder, *match)) {
    std::fprintf(stderr, "simulate: no usable Bridge.txt in %s\n", folder.c_str());
    return 1;
  }
  auto started = std::chrono::steady_clock::now();
  const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  SimulationTally tally = simulateBattles(*match, static_cast<std::uint32_t>(firstSeed), battles, threads);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("battles        %ld\n", battles);
  std::printf("wins           %ld\n", tally.wins);
  std::printf("annihilations  %ld\n", tally.annihilations);
  std::printf("judgement wins %ld\n", tally.judgementWins);
  std::printf("judgement loss %ld\n", tally.judgementLosses);
  std::printf("faults         %ld\n", tally.faults);
  std::printf("turns          %.2f per battle\n", battles > 0 ? double(tally.turns) / double(battles) : 0.0);
  std::printf("threads        %d\n", threads);
  std::printf("speed          %.0f battles per second\n", seconds > 0 ? double(battles) / seconds : 0.0);
  return 0;
}
