#include "battle/turn/damage_roll.h"

Int damageRoll(BattleState& state, Int attack, Int defence, Int level) {
  Int spread = attack / 4;
  if (spread < 3) spread = 3;
  Int r = nextRandom(state.rng);
  Int damage = r % spread + attack * (level + 10) / 10 - defence;
  if (damage < 1) damage = randomBelow(state, 4) + 1;
  return damage;
}
