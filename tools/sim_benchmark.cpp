// battle-sim's speed: the simulator at 1 thread and at every core on the
// sample match and on a skill-heavy one, and the battle program against a
// floor process that only starts and exits.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "sim_fight.h"
#include "sim_folder.h"

namespace fs = std::filesystem;

namespace {

// clang-format off
const char* const kFolders[] = {
    SOURCE_DIR "/examples/working_folder",                    // the sample match
    SOURCE_DIR "/tests/fixtures/skills_monsters/input",       // monster skills on both sides
};
// clang-format on

void BM_SimRun(benchmark::State& bench) {
  auto folder = std::make_unique<SimFolder>();
  std::string error;
  if (!loadSimFolder(kFolders[bench.range(0)], {}, *folder, error)) {
    bench.SkipWithError(error.c_str());
    return;
  }
  const int threads = static_cast<int>(bench.range(1));
  constexpr std::int64_t kBattles = 40000;
  std::int64_t seed = 1;
  for (auto _ : bench) {
    FightPlan plan;
    plan.combatants = folder->combatants;
    plan.firstSeed = seed;
    plan.battles = kBattles;
    plan.threads = threads;
    benchmark::DoNotOptimize(fightBattles(plan).tally.battles);
    seed += kBattles;
  }
  bench.SetItemsProcessed(bench.iterations() * kBattles);
}

std::map<std::string, std::string> readFolder(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[fs::relative(entry.path(), folder).string()] = {std::istreambuf_iterator<char>(in), {}};
  }
  return files;
}

// Puts the folder back as it was: battle writes the party back and appends
// to its logs.
void restoreFolder(const fs::path& folder, const std::map<std::string, std::string>& files) {
  fs::remove_all(folder);
  for (const auto& [name, bytes] : files) {
    fs::create_directories((folder / name).parent_path());
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  fs::create_directories(folder / "kadmo");
}

// Runs `program` alone in `folder`: PATH is empty, so battle starts no page
// generator and only its own work is timed.
void runProcess(const std::string& program, const fs::path& folder) {
  pid_t child = ::fork();
  if (child == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::setenv("PATH", "", 1);
    ::setenv("BATTLE_SEED", "7", 1);
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

void timeProcess(benchmark::State& bench, const std::string& program) {
  const fs::path folder = fs::temp_directory_path() / ("battle_bench_" + std::to_string(::getpid()));
  const auto files = readFolder(kFolders[0]);
  // A private copy of the program, so it finds no pagegen beside it either.
  const fs::path bin = folder.string() + "_bin";
  fs::create_directories(bin);
  const fs::path copy = bin / fs::path(program).filename();
  fs::copy_file(program, copy, fs::copy_options::overwrite_existing);
  for (auto _ : bench) {
    bench.PauseTiming();
    restoreFolder(folder, files);
    bench.ResumeTiming();
    runProcess(copy.string(), folder);
  }
  fs::remove_all(folder);
  fs::remove_all(bin);
}

void BM_BattleProcess(benchmark::State& bench) { timeProcess(bench, BIN_DIR "/battle"); }
void BM_FloorProcess(benchmark::State& bench) { timeProcess(bench, BIN_DIR "/process_floor"); }

}  // namespace

BENCHMARK(BM_SimRun)
    ->ArgNames({"folder", "threads"})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 1})
    ->Args({1, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BattleProcess)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorProcess)->Unit(benchmark::kMicrosecond);
