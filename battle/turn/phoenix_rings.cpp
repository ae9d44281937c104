#include "battle/turn/phoenix_rings.h"

#include "battle/report/report_output.h"
#include "common/sjis.h"

void usePhoenixRings(BattleState& state) {
  // Enemies are numbered 1..3 in the game's words and sit at indices 0..2.
  constexpr int kOrder[] = {kPartyMember1, kPartyMember2, 2, 1, kEnemyLeader};
  for (int index : kOrder) {
    Combatant& c = state.combatants[index];
    if (c.n[kHp] > 0 || c.n[kPhoenixRings] <= 0) continue;
    appendLogLine(state, "□　　フェニックスリング使用！<br>\n"_sj);
    appendLogFormat(state, "　　　%s、復活！！<br>\n"_sj, {nameOf(c)});
    c.n[kHp] = c.n[kMaxHp];
    --c.n[kPhoenixRings];
    if (state.stats != nullptr) ++state.stats->combatants[index].revived;
  }
}
