#include "battle/turn/upkeep.h"

#include <iterator>

#include "battle/report/report_output.h"
#include "common/sjis.h"

namespace {

struct FieldDamage {
  int slot;
  int damage;
  std::string_view line;
  std::string_view damageLine;  // with the actor's name
};

// clang-format off
constexpr FieldDamage kFields[] = {
    {slot::damageField,  10, "★　　ダメージフィールド！<br>\n"_sj, "　　　%sに10のダメージ。<br>\n"_sj},
    {slot::forceField,   30, "★　　フォースフィールド！<br>\n"_sj, "　　　%sに30のダメージ。<br>\n"_sj},
    {slot::divineDomain, 80, "★　　神の領域！<br>\n"_sj,           "　　　%sに80のダメージ。<br>\n"_sj},
};
constexpr FieldDamage kLandmine =
    {slot::landmine,     50, "★　　地雷発動！<br>\n"_sj,           "　　　%sに50のダメージ。<br>\n"_sj};
// clang-format on
static_assert(std::size(kFields) == 3);

void hurt(BattleState& state, Combatant& actor, const FieldDamage& field) {
  actor.n[kHp] -= field.damage;
  appendLogLine(state, field.line);
  playSoundCue(state, "ef005.mp3");
  appendLogFormat(state, field.damageLine, {nameOf(actor)});
}

}  // namespace

void runUpkeep(BattleState& state, int actorIndex) {
  Combatant& actor = state.combatants[actorIndex];
  if (actor.skillState[slot::poisoned] == 1) {
    Int damage = actor.n[kHp] / 20;
    actor.n[kHp] -= damage;
    appendLogFormat(state, "　　　%sは毒により%dダメージ。<br>\n"_sj, {nameOf(actor), damage});
  }
  for (const FieldDamage& field : kFields) {
    if (actor.skillState[field.slot] == 1) hurt(state, actor, field);
  }
  // The mine stays set and may go off again on later turns.
  if (actor.skillState[slot::landmine] == 1 && randomBelow(state, 10) < 3) hurt(state, actor, kLandmine);
}
