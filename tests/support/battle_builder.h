// Small battles in memory for unit tests: combatants from a few fields, a
// state set up with the Memory sink (report text in state.memoryReport, the
// turn's lines in state.log.text, cues recorded, no file touched).
#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

#include "battle/battle_state.h"

struct FieldValue {
  int field;
  Int value;
};

// A combatant with `name` (UTF-8 test text is fine: names are bytes) and the
// given numeric fields; everything else 0.
Combatant makeCombatant(std::string_view name, std::initializer_list<FieldValue> fields);

// Six combatants and a state, kept together so the state's pointer stays valid.
struct TestBattle {
  Combatant combatants[kCombatantCount]{};
  std::unique_ptr<BattleState> state = std::make_unique<BattleState>();

  // Runs the set-up with the Memory sink and the given seed.
  BattleState& setUp(std::uint32_t seed = 1);
};
