#include "support/battle_builder.h"

#include "battle/battle_setup.h"
#include "battle/run_battle.h"

Combatant makeCombatant(std::string_view name, std::initializer_list<FieldValue> fields) {
  Combatant c{};
  setName(c, name);
  for (const FieldValue& f : fields) c.n[f.field] = f.value;
  return c;
}

BattleState& TestBattle::setUp(std::uint32_t seed) {
  BattleOptions options;
  options.sink = ReportSink::Memory;
  options.seed = seed;
  options.recordCues = true;
  setUpBattle(*state, combatants, nullptr, nullptr, options);
  return *state;
}
