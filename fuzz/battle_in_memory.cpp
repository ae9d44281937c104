// A whole battle in memory from six arbitrary records and a seed: it ends,
// and the run that keeps its report makes the same draws, reaches the same
// outcome and leaves the same combatants as the run that discards it.
//
// Input: the seed (4 bytes, little-endian), then six records of 1444 bytes
// each (41 numbers of 4 bytes, little-endian, then 5 texts of 256 bytes);
// missing bytes are zeros.
#include <cstring>
#include <memory>
#include <string>

#include "battle/run_battle.h"
#include "fuzz/fuzz_check.h"

namespace {

constexpr std::size_t kRecordSize = kNumericFieldCount * 4 + kTextFieldCount * kTextCapacity;

std::uint32_t littleEndian(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void decodeRecord(const unsigned char* bytes, CharacterRecord& record) {
  for (int i = 0; i < kNumericFieldCount; ++i)
    record.n[i] = Int(static_cast<std::int32_t>(littleEndian(bytes + i * 4)));
  const unsigned char* texts = bytes + kNumericFieldCount * 4;
  for (int i = 0; i < kTextFieldCount; ++i) {
    std::memcpy(record.s[i], texts + i * kTextCapacity, kTextCapacity);
    record.s[i][kTextCapacity - 1] = '\0';  // a loaded text always ends in its field
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  bytes.resize(4 + kCombatantCount * kRecordSize, '\0');
  const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data());
  auto discarded = std::make_unique<Combatant[]>(kCombatantCount);
  auto kept = std::make_unique<Combatant[]>(kCombatantCount);
  for (int i = 0; i < kCombatantCount; ++i) {
    decodeRecord(raw + 4 + i * kRecordSize, discarded[i]);
    kept[i] = discarded[i];
  }
  BattleOptions options;
  options.seed = littleEndian(raw);
  options.sink = ReportSink::Discard;
  auto quiet = std::make_unique<BattleState>();
  auto outcomeQuiet = runBattle(*quiet, discarded.get(), nullptr, nullptr, options);
  options.sink = ReportSink::Memory;
  auto told = std::make_unique<BattleState>();
  auto outcomeTold = runBattle(*told, kept.get(), nullptr, nullptr, options);
  fuzzCheck(outcomeQuiet == outcomeTold, "the same outcome with and without the report");
  fuzzCheck(quiet->rng.draws == told->rng.draws && quiet->rng.state == told->rng.state,
            "the same draws with and without the report");
  fuzzCheck(std::memcmp(discarded.get(), kept.get(), sizeof(Combatant) * kCombatantCount) == 0,
            "the same combatants with and without the report");
  fuzzCheck(quiet->memoryReport.empty() && !told->memoryReport.empty(), "only the Memory sink keeps text");
  return 0;
}
