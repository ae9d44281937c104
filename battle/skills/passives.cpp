#include "battle/skills/passives.h"

#include "battle/report/report_output.h"
#include "battle/skills/passive_ids.h"
#include "battle/skills/skill_catalogue.h"
#include "common/sjis.h"

namespace {

void growByTenths(Int& value, Int k) { value += value * k / 10; }

bool chance(BattleState& state, Int percent) { return randomBelow(state, 100) < percent; }

// "★　　<passive name>発動！"
void logPassiveName(BattleState& state, const Combatant& holder) {
  appendLogFormat(state, "★　　%s発動！<br>\n"_sj, {skillName(holder.n[kPassive])});
}

// The target's オートガード gives every combatant at exactly 0 HP,
// of either side, one draw to come back; a failed draw leaves it at -1, out
// of reach of later draws.
void reviveByAutoGuard(BattleState& state, const Combatant& target) {
  if (target.n[kPassive] != passive::autoGuard) return;
  for (int i = 0; i < kCombatantCount; ++i) {
    Int& hp = state.combatants[i].n[kHp];
    if (hp != 0) continue;
    if (chance(state, 40)) {
      hp = 1;
      logPassiveName(state, target);
      if (state.stats != nullptr) ++state.stats->combatants[i].revived;
    } else {
      hp = -1;
    }
  }
}

void autoRepair(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!chance(state, 30)) return;
  c.n[kHp] += c.n[kHp] / 10;
  if (c.n[kHp] > c.n[kMaxHp]) c.n[kHp] = c.n[kMaxHp];
  logPassiveName(state, c);
  appendLogLine(state, "　　　ＨＰがちょっと回復。<br>\n"_sj);
}

// A gain that stays within the maximum is silent.
void magicBox(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  c.n[kMp] += randomBelow(state, 5);
  if (c.n[kMp] <= c.n[kMaxMp]) return;
  c.n[kMp] = c.n[kMaxMp];
  logPassiveName(state, c);
  appendLogLine(state, "　　　ＭＰがちょっと回復。<br>\n"_sj);
}

// Compares HP with three tenths of the current MP, as it always has.
void braveHeart(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!(c.n[kHp] < c.n[kMp] * 3 / 10) || c.skillState[slot::braveHeartUsed] != 0) return;
  c.n[kAttack] *= 2;
  logPassiveName(state, c);
  c.skillState[slot::braveHeartUsed] = 1;
}

void bonusChance(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
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

void wakeUp(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!chance(state, 30)) return;
  c.n[kGauge] = 50;
  appendLogLine(state, "★　　ウェイクアップ！<br>\n"_sj);
}

void savings(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!chance(state, 30)) return;
  playSoundCue(state, "ef014.mp3");
  c.n[kMoney] += c.n[kMoney] / 100;
  appendLogLine(state, "★　　利息が付きました。<br>\n"_sj);
}

void jetEngine(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!chance(state, 20)) return;
  c.n[kGauge] = 100;
  appendLogLine(state, "★　　ジェットエンジン噴射！<br>\n"_sj);
}

void fullRevival(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!chance(state, 10)) return;
  // The passive acts also when its holder has fallen: then it revives.
  if (state.stats != nullptr && c.n[kHp] <= 0) ++state.stats->combatants[holder].revived;
  c.n[kHp] = c.n[kMaxHp];
  logPassiveName(state, c);
  appendLogLine(state, "　　HPが最大回復。<br>\n"_sj);
}

void kingOfSword(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!chance(state, 10)) return;
  logPassiveName(state, c);
  c.n[kAttack] += c.n[kAttack] / 20;
  appendLogLine(state, "　　　物理攻撃力が大幅アップ！<br>\n"_sj);
}

// Its line carries the name the status pages give the passive.
void superAlloy(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (!chance(state, 10)) return;
  c.n[kAttack] += c.n[kAttack] / 50;
  c.n[kHp] -= 3;
  if (c.n[kHp] <= 0) c.n[kHp] = 0;
  appendLogLine(state, "★　　ブラッディローズ発動!<br>\n"_sj);
  appendLogLine(state, "　　　どくどくどく・・・<br>\n"_sj);
}

void prescription(BattleState& state, int holder) {
  Combatant& c = state.combatants[holder];
  if (c.skillState[slot::poisoned] != 1 && c.skillState[slot::paralysed] != 1) return;
  appendLogLine(state, "★　　処方箋発動！<br>\n"_sj);
  c.skillState[slot::poisoned] = 0;
  c.skillState[slot::paralysed] = 0;
  appendLogLine(state, "　　　状態異常が回復<br>\n"_sj);
}

// Party member 1 fills member 2's gauge; any other holder fills member 1's.
void quickTime(BattleState& state, int holder) {
  if (!chance(state, 20)) return;
  appendLogLine(state, "★　　ゴールデンコンビ発動！<br>\n"_sj);
  int partner = holder == kPartyMember1 ? kPartyMember2 : kPartyMember1;
  state.combatants[partner].n[kGauge] = 100;
}

void autoGuardAtStart(Combatant& c) {
  c.n[kDefence] += c.n[kDefence] / 10;
  c.n[kMagicDefence] += c.n[kMagicDefence] / 10;
}

void wakeUpAtStart(Combatant& c) { c.n[kGauge] = 50; }

// 盗む and 確率変動 alike.
void skillBonusAtStart(Combatant& c) { c.n[kSkillBonus] += 30; }

void cloneImageAtStart(Combatant& c) { c.n[kEvasion] += 10; }

void fullRevivalAtStart(Combatant& c) { growByTenths(c.n[kSpeed], 2); }

void kingOfSwordAtStart(Combatant& c) { growByTenths(c.n[kAttack], 2); }

void bloodyRoseAtStart(Combatant& c) {
  growByTenths(c.n[kAttack], 2);
  growByTenths(c.n[kDefence], 2);
}

void superAlloyAtStart(Combatant& c) { c.n[kDefence] *= 2; }

// What a passive does when the battle starts, to its holder.
using StartEffect = void (*)(Combatant& holder);
// What the actor's own passive does after its action; only the matching
// passive draws.
using AfterActionEffect = void (*)(BattleState& state, int holder);

struct PassiveRow {
  int id;
  StartEffect atStart;
  AfterActionEffect afterAction;
};

// オートガード also revives after an action as the target's passive
// (reviveByAutoGuard), and スキルキャンセル, 分身 and ディフレクト react as the
// target's passive before an action runs (turn/reactions.cpp): those are no
// effects on their holder, so this table does not list them.
// clang-format off
//  id                        at start            after the holder's action
constexpr PassiveRow kPassives[] = {
    {passive::autoRepair,     nullptr,            autoRepair},
    {passive::magicBox,       nullptr,            magicBox},
    {passive::autoGuard,      autoGuardAtStart,   nullptr},
    {passive::braveHeart,     nullptr,            braveHeart},
    {passive::bonusChance,    nullptr,            bonusChance},
    {passive::wakeUp,         wakeUpAtStart,      wakeUp},
    {passive::savings,        nullptr,            savings},
    {passive::steal,          skillBonusAtStart,  nullptr},
    {passive::skillCancel,    nullptr,            nullptr},
    {passive::jetEngine,      nullptr,            jetEngine},
    {passive::cloneImage,     cloneImageAtStart,  nullptr},
    {passive::fullRevival,    fullRevivalAtStart, fullRevival},
    {passive::kingOfSword,    kingOfSwordAtStart, kingOfSword},
    {passive::deflect,        nullptr,            nullptr},
    {passive::decoy,          nullptr,            nullptr},
    {passive::probabilityRun, skillBonusAtStart,  nullptr},
    {passive::bloodyRose,     bloodyRoseAtStart,  nullptr},
    {passive::superAlloy,     superAlloyAtStart,  superAlloy},
    {passive::prescription,   nullptr,            prescription},
    {passive::quickTime,      nullptr,            quickTime},
};
// clang-format on

static_assert(rowsCoverIds(kPassives, kFirstPassive, kLastPassive));

// The row of a combatant's passive, or null for a value outside 101..120.
const PassiveRow* passiveRowOf(const Combatant& c) {
  Int id = c.n[kPassive];
  return id >= kFirstPassive && id <= kLastPassive ? &kPassives[id.v - kFirstPassive] : nullptr;
}

}  // namespace

void applyStartPassive(BattleState& state, int index) {
  Combatant& c = state.combatants[index];
  const PassiveRow* row = passiveRowOf(c);
  if (row != nullptr && row->atStart != nullptr) row->atStart(c);
}

void applyAfterActionPassives(BattleState& state, int actorIndex, int targetIndex) {
  reviveByAutoGuard(state, state.combatants[targetIndex]);
  // The actor's own passive, also when the actor has fallen.
  const PassiveRow* row = passiveRowOf(state.combatants[actorIndex]);
  if (row != nullptr && row->afterAction != nullptr) row->afterAction(state, actorIndex);
}
