#include "battle/turn/target_choice.h"

int chooseTarget(BattleState& state, int actorIndex) {
  const int side = isPartyMember(actorIndex) ? 0 : 3;
  int offset = randomBelow(state, 3).v;
  for (int tries = 0; tries < 2; ++tries) {
    if (isAlive(state.combatants[side + offset])) break;
    offset = (offset + 1) % 3;
  }
  return side + offset;
}
