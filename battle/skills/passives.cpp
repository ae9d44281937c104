#include "battle/skills/passives.h"

#include "battle/report/report_output.h"
#include "battle/skills/skill_catalogue.h"
#include "common/sjis.h"

namespace {

// clang-format off
enum PassiveSkill : int {
  autoRepair     = 101,
  magicBox       = 102,
  autoGuard      = 103,
  braveHeart     = 104,
  bonusChance    = 105,
  wakeUp         = 106,
  savings        = 107,
  steal          = 108,
  jetEngine      = 110,
  cloneImage     = 111,
  fullRevival    = 112,
  kingOfSword    = 113,
  probabilityRun = 116,
  bloodyRose     = 117,
  superAlloy     = 118,
  prescription   = 119,
  quickTime      = 120,
};
// clang-format on

void growByTenths(Int& value, Int k) { value += value * k / 10; }

bool chance(BattleState& state, Int percent) { return randomBelow(state, 100) < percent; }

// "★　　<passive name>発動！"
void logPassiveName(BattleState& state, const Combatant& holder) {
  appendLogFormat(state, "★　　%s発動！<br>\n"_sj, {skillName(holder.n[kPassive])});
}

// Step 1: the target's オートガード gives every combatant at exactly 0 HP,
// of either side, one draw to come back; a failed draw leaves it at -1, out
// of reach of later draws.
void reviveByAutoGuard(BattleState& state, const Combatant& target) {
  if (target.n[kPassive] != autoGuard) return;
  for (int i = 0; i < kCombatantCount; ++i) {
    Int& hp = state.combatants[i].n[kHp];
    if (hp != 0) continue;
    if (chance(state, 40)) {
      hp = 1;
      logPassiveName(state, target);
    } else {
      hp = -1;
    }
  }
}

void autoRepairPassive(BattleState& state, Combatant& c) {
  if (!chance(state, 30)) return;
  c.n[kHp] += c.n[kHp] / 10;
  if (c.n[kHp] > c.n[kMaxHp]) c.n[kHp] = c.n[kMaxHp];
  logPassiveName(state, c);
  appendLogLine(state, "　　　ＨＰがちょっと回復。<br>\n"_sj);
}

// A gain that stays within the maximum is silent.
void magicBoxPassive(BattleState& state, Combatant& c) {
  c.n[kMp] += randomBelow(state, 5);
  if (c.n[kMp] <= c.n[kMaxMp]) return;
  c.n[kMp] = c.n[kMaxMp];
  logPassiveName(state, c);
  appendLogLine(state, "　　　ＭＰがちょっと回復。<br>\n"_sj);
}

// Compares HP with three tenths of the current MP, as it always has.
void braveHeartPassive(BattleState& state, Combatant& c) {
  if (!(c.n[kHp] < c.n[kMp] * 3 / 10) || c.skillState[braveHeartUsed] != 0) return;
  c.n[kAttack] *= 2;
  logPassiveName(state, c);
  c.skillState[braveHeartUsed] = 1;
}

void bonusChancePassive(BattleState& state, Combatant& c) {
  if (!chance(state, 20)) return;
  c.n[kGauge] = 50;
  appendLogLine(state, "★　　ボーナスチャンス！<br>\n"_sj);
  Int r = randomBelow(state, 100);
  if (r < 10) {
    appendLogLine(state, "　　　・・最大HPが2UP!<br>\n"_sj);
    c.n[kMaxHp] += 2;
  } else if (r < 20) {
    appendLogLine(state, "　　　・・最大MPが2UP!<br>\n"_sj);
    c.n[kMaxMp] += 2;
  } else {
    appendLogLine(state, "　　　・・残念!<br>\n"_sj);
  }
}

void wakeUpPassive(BattleState& state, Combatant& c) {
  if (!chance(state, 30)) return;
  c.n[kGauge] = 50;
  appendLogLine(state, "★　　ウェイクアップ！<br>\n"_sj);
}

void savingsPassive(BattleState& state, Combatant& c) {
  if (!chance(state, 30)) return;
  playSoundCue(state, "ef014.mp3");
  c.n[kMoney] += c.n[kMoney] / 100;
  appendLogLine(state, "★　　利息が付きました。<br>\n"_sj);
}

void jetEnginePassive(BattleState& state, Combatant& c) {
  if (!chance(state, 20)) return;
  c.n[kGauge] = 100;
  appendLogLine(state, "★　　ジェットエンジン噴射！<br>\n"_sj);
}

void fullRevivalPassive(BattleState& state, Combatant& c) {
  if (!chance(state, 10)) return;
  c.n[kHp] = c.n[kMaxHp];
  logPassiveName(state, c);
  appendLogLine(state, "　　HPが最大回復。<br>\n"_sj);
}

void kingOfSwordPassive(BattleState& state, Combatant& c) {
  if (!chance(state, 10)) return;
  logPassiveName(state, c);
  c.n[kAttack] += c.n[kAttack] / 20;
  appendLogLine(state, "　　　物理攻撃力が大幅アップ！<br>\n"_sj);
}

// Its line carries the name the status pages give the passive.
void superAlloyPassive(BattleState& state, Combatant& c) {
  if (!chance(state, 10)) return;
  c.n[kAttack] += c.n[kAttack] / 50;
  c.n[kHp] -= 3;
  if (c.n[kHp] <= 0) c.n[kHp] = 0;
  appendLogLine(state, "★　　ブラッディローズ発動!<br>\n"_sj);
  appendLogLine(state, "　　　どくどくどく・・・<br>\n"_sj);
}

void prescriptionPassive(BattleState& state, Combatant& c) {
  if (c.skillState[poisoned] != 1 && c.skillState[paralysed] != 1) return;
  appendLogLine(state, "★　　処方箋発動！<br>\n"_sj);
  c.skillState[poisoned] = 0;
  c.skillState[paralysed] = 0;
  appendLogLine(state, "　　　状態異常が回復<br>\n"_sj);
}

// Party member 1 fills member 2's gauge; any other holder fills member 1's.
void quickTimePassive(BattleState& state, int holder) {
  if (!chance(state, 20)) return;
  appendLogLine(state, "★　　ゴールデンコンビ発動！<br>\n"_sj);
  int partner = holder == kPartyMember1 ? kPartyMember2 : kPartyMember1;
  state.combatants[partner].n[kGauge] = 100;
}

// Step 2: the actor's own passive; only the matching passive draws.
void applyActorPassive(BattleState& state, int actor) {
  Combatant& c = state.combatants[actor];
  switch (c.n[kPassive].v) {
    case autoRepair:
      autoRepairPassive(state, c);
      break;
    case magicBox:
      magicBoxPassive(state, c);
      break;
    case braveHeart:
      braveHeartPassive(state, c);
      break;
    case bonusChance:
      bonusChancePassive(state, c);
      break;
    case wakeUp:
      wakeUpPassive(state, c);
      break;
    case savings:
      savingsPassive(state, c);
      break;
    case jetEngine:
      jetEnginePassive(state, c);
      break;
    case fullRevival:
      fullRevivalPassive(state, c);
      break;
    case kingOfSword:
      kingOfSwordPassive(state, c);
      break;
    case superAlloy:
      superAlloyPassive(state, c);
      break;
    case prescription:
      prescriptionPassive(state, c);
      break;
    case quickTime:
      quickTimePassive(state, actor);
      break;
    default:
      break;
  }
}

}  // namespace

void applyStartPassive(BattleState& state, int index) {
  Combatant& c = state.combatants[index];
  switch (c.n[kPassive].v) {
    case autoGuard:
      c.n[kDefence] += c.n[kDefence] / 10;
      c.n[kMagicDefence] += c.n[kMagicDefence] / 10;
      break;
    case wakeUp:
      c.n[kGauge] = 50;
      break;
    case steal:
      c.n[kSkillBonus] += 30;
      break;
    case cloneImage:
      c.n[kEvasion] += 10;
      break;
    case fullRevival:
      growByTenths(c.n[kSpeed], 2);
      break;
    case kingOfSword:
      growByTenths(c.n[kAttack], 2);
      break;
    case probabilityRun:
      c.n[kSkillBonus] += 30;
      break;
    case bloodyRose:
      growByTenths(c.n[kAttack], 2);
      growByTenths(c.n[kDefence], 2);
      break;
    case superAlloy:
      c.n[kDefence] *= 2;
      break;
    default:
      break;
  }
}

void applyAfterActionPassives(BattleState& state, int actorIndex, int targetIndex) {
  reviveByAutoGuard(state, state.combatants[targetIndex]);
  applyActorPassive(state, actorIndex);  // also when the actor has fallen
}
