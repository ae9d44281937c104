#include "battle/passives.h"

void applyStartPassive(BattleState& state, int index) {
  (void)state;
  (void)index;
}

void applyAfterActionPassives(BattleState& state, int actorIndex, int targetIndex) {
  (void)state;
  (void)actorIndex;
  (void)targetIndex;
}
