#include "battle/settlement/write_back.h"

#include "battle/combatant_files.h"

#include <iterator>

namespace {

// clang-format off
constexpr int kKeptFields[] = {
    kExperience, kVictories, kWipeOuts, kMoney, kLives,
    kLifeBottles, kElixirs, kMagicBottles, kPhoenixRings,
};
// clang-format on
static_assert(std::size(kKeptFields) == 9);

}  // namespace

CharacterRecord mergedRecord(const BattleState& state, int index) {
  CharacterRecord record = state.snapshots[index];
  record.n[kHp] = record.n[kMaxHp];
  record.n[kMp] = record.n[kMaxMp];
  for (int field : kKeptFields) record.n[field] = state.combatants[index].n[field];
  return record;
}

void writeBackParty(BattleState& state) {
  if (!usesFiles(state)) return;
  for (int i = 0; i < 3; ++i)
    saveCharacter(mergedRecord(state, kPartyMember1 + i), state.workingFolder, kPartyFiles[i]);
}
