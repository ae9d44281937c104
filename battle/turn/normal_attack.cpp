#include "battle/turn/normal_attack.h"

#include "battle/report/report_output.h"
#include "battle/turn/damage_roll.h"
#include "common/sjis.h"

void runNormalAttack(BattleState& state) {
  Combatant& actor = state.combatants[state.actorIndex];
  Combatant& target = state.combatants[state.targetIndex];
  const bool critical = randomBelow(state, 100) < 5;
  Int damage = damageRoll(state, actor.n[kAttack] * (critical ? 11 : 8) / 10, target.n[kDefence], 0);
  if (damage > target.n[kHp]) damage = target.n[kHp];
  target.n[kHp] -= damage;
  logActionHeader(state, nameOf(actor), {}, state.actorIndex);
  if (critical) {
    appendLogLine(state, "★　　クリティカルヒット！！<br>\n"_sj);
    playHitCue(state, "eff\\ef007.mp3", state.actorIndex);
  } else {
    playHitCue(state, {}, state.actorIndex);
  }
  logDamage(state, nameOf(target), state.targetIndex, damage, target.n[kHp]);
}
