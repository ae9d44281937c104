#include "battle/turn/item_use.h"

#include <iterator>

#include "battle/report/report_output.h"
#include "battle/skills/skill_catalogue.h"
#include "battle/turn/action_code.h"
#include "battle/turn/damage_roll.h"
#include "common/sjis.h"

namespace {

// Adds maximum × tenths / 10 and cuts the value at its maximum.
void heal(Combatant& c, int valueField, int maxField, int tenths) {
  c.n[valueField] += c.n[maxField] * tenths / 10;
  if (c.n[valueField] > c.n[maxField]) c.n[valueField] = c.n[maxField];
}

struct ItemUse {
  int code;
  int stockField;  // the actor's stock that the use takes
  bool onAlly;     // on `itemAlly` instead of the actor
  int valueField;  // HP or MP
  int maxField;
  int tenths;
  std::string_view firstLine;
  std::string_view secondLine;
};

// clang-format off
constexpr ItemUse kItemUses[] = {
    {action::lifeBottleSelf, kLifeBottles,  false, kHp, kMaxHp, 3, "□　　ライフボトルを使用。<br>\n"_sj,       "　　　HPが少し回復。<br>\n"_sj},
    {action::lifeBottleAlly, kLifeBottles,  true,  kHp, kMaxHp, 3, "□　　ライフボトルを仲間に使用。<br>\n"_sj, "　　　HPが少し回復。<br>\n"_sj},
    {action::elixirSelf,     kElixirs,      false, kHp, kMaxHp, 7, "□　　エリクサーを使用。<br>\n"_sj,         "　　　HPがだいぶ回復。<br>\n"_sj},
    {action::elixirAlly,     kElixirs,      true,  kHp, kMaxHp, 7, "□　　エリクサーを仲間に使用。<br>\n"_sj,   "　　　HPがだいぶ回復。<br>\n"_sj},
    {action::magicBottle,    kMagicBottles, false, kMp, kMaxMp, 3, "□　　マジックボトルを使用。<br>\n"_sj,     "　　　MPが少し回復。<br>\n"_sj},
};
// clang-format on
static_assert(std::size(kItemUses) == 5);

void useItem(BattleState& state, const ItemUse& item) {
  Combatant& actor = state.combatants[state.actorIndex];
  Combatant& receiver = item.onAlly ? state.combatants[state.itemAlly] : actor;
  heal(receiver, item.valueField, item.maxField, item.tenths);
  logActionHeader(state, nameOf(actor), {}, state.actorIndex);
  appendLogLine(state, item.firstLine);
  playSoundCue(state, "ef013.mp3");
  appendLogLine(state, item.secondLine);
  --actor.n[item.stockField];
  if (state.stats != nullptr) ++state.stats->combatants[state.actorIndex].itemsUsed;
}

void handleMiss(BattleState& state) {
  Int replaced = state.replacedAction;
  std::string_view skill = replaced >= 1 && replaced <= 150 ? skillName(replaced) : std::string_view{};
  logActionHeader(state, nameOf(state.combatants[state.actorIndex]), skill, state.actorIndex);
  playSoundCue(state, "ef008.mp3");
  appendLogLine(state, "★　　ミス！！<br>\n"_sj);
  if (state.stats == nullptr || replaced < 1 || replaced > 150) return;
  if (SkillStats* row = skillStatsRow(*state.stats, replaced.v, state.actorIndex)) ++row->misses;
}

// The actor still hits with the strength of a normal attack.
void handleSkillCancelled(BattleState& state) {
  Combatant& actor = state.combatants[state.actorIndex];
  Combatant& target = state.combatants[state.targetIndex];
  Int damage = damageRoll(state, actor.n[kAttack] * 8 / 10, target.n[kDefence], 0);
  if (damage > target.n[kHp]) damage = target.n[kHp];
  target.n[kHp] -= damage;
  logActionHeader(state, nameOf(actor), "スキルキャンセル"_sj, state.actorIndex);
  appendLogLine(state, "★　　スキル発動をキャンセル！<br>\n"_sj);
  playHitCue(state, {}, state.actorIndex);
  logDamage(state, nameOf(target), state.targetIndex, damage, target.n[kHp]);
}

}  // namespace

void runNegativeCode(BattleState& state) {
  const int code = state.actionCode.v;
  std::string_view actorName = nameOf(state.combatants[state.actorIndex]);
  for (const ItemUse& item : kItemUses) {
    if (item.code == code) return useItem(state, item);
  }
  switch (code) {
    case action::miss:
      handleMiss(state);
      break;
    case action::paralysed:
      logActionHeader(state, actorName, {}, state.actorIndex);
      appendLogLine(state, "★　　体がしびれて動けない！<br>\n"_sj);
      break;
    case action::skillCancelled:
      handleSkillCancelled(state);
      break;
    case action::deflected:
      logActionHeader(state, actorName, {}, state.actorIndex);
      playSoundCue(state, "ef009.mp3");
      appendLogLine(state, "★　　ディフレクト！<br>\n"_sj);
      break;
    case action::evaded:
      logActionHeader(state, actorName, {}, state.actorIndex);
      appendLogFormat(state, "★　　%sは身をかわした！<br>\n"_sj,
                      {nameOf(state.combatants[state.targetIndex])});
      break;
    default:
      break;
  }
}
