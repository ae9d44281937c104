#include "battle/turn/damage_roll.h"

Int damageRoll(BattleState& state, Int a, Int b, Int c) {
  Int base = a / 4;
  if (base < 3) base = 3;
  Int r = nextRandom(state.rng);
  Int damage = r % base + a * (c + 10) / 10 - b;
  if (damage < 1) damage = randomBelow(state, 4) + 1;
  return damage;
}
