#include "battle/skills/skill_choice.h"

#include <iterator>

#include "battle/skills/skill_catalogue.h"

namespace {

enum class Marker { None, Equals, AtLeast };
enum class Health { None, Above, Below, AtMostOne, RingHeld };

// A skill is blocked when its use marker or the actor's health says so.
struct Gate {
  int skill;
  Marker marker;
  int slot;
  int value;
  Health health;
  int times;  // HP compared with maxHP × times / per
  int per;
};

// clang-format off
//  skill marker test      slot                          value health test       times per
constexpr Gate kGates[] = {
    {  6, Marker::AtLeast, slot::sorrowSongUses,         3, Health::None,      0,  1},
    { 19, Marker::Equals,  slot::damageField,            2, Health::None,      0,  1},
    { 23, Marker::Equals,  slot::poisoned,               3, Health::None,      0,  1},
    { 27, Marker::None,    0,                            0, Health::Above,     1,  2},
    { 40, Marker::Equals,  slot::windBarrierUsed,        1, Health::None,      0,  1},
    { 43, Marker::Equals,  slot::accelerateUsed,         1, Health::None,      0,  1},
    { 44, Marker::None,    0,                            0, Health::AtMostOne, 0,  1},
    { 55, Marker::Equals,  slot::fullSalvoUsed,          1, Health::None,      0,  1},
    { 58, Marker::Equals,  slot::poisonGasUsed,          1, Health::None,      0,  1},
    { 60, Marker::Equals,  slot::lamentUsed,             1, Health::None,      0,  1},
    { 62, Marker::Equals,  slot::fireArmourUsed,         1, Health::None,      0,  1},
    { 63, Marker::None,    0,                            0, Health::Above,     1,  2},
    { 67, Marker::Equals,  slot::forceField,             2, Health::None,      0,  1},
    { 71, Marker::None,    0,                            0, Health::Above,     4, 10},
    { 72, Marker::Equals,  slot::divineDomain,           2, Health::None,      0,  1},
    { 86, Marker::Equals,  slot::miasmaUsed,             1, Health::None,      0,  1},
    { 87, Marker::Equals,  slot::speedStarUsed,          1, Health::None,      0,  1},
    { 90, Marker::Equals,  slot::swordDanceUsed,         1, Health::None,      0,  1},
    { 93, Marker::Equals,  slot::fireMuscleUsed,         1, Health::None,      0,  1},
    { 94, Marker::Equals,  slot::finalStrikeUsed,        1, Health::Above,     1,  4},
    { 96, Marker::Equals,  slot::doomSongUsed,           1, Health::None,      0,  1},
    { 97, Marker::None,    0,                            0, Health::Above,     3, 10},
    {123, Marker::Equals,  slot::inkUsed,                1, Health::None,      0,  1},
    {143, Marker::AtLeast, slot::holyWindUses,           3, Health::Below,     7, 10},
    {144, Marker::AtLeast, slot::judgementUses,          2, Health::None,      0,  1},
    {146, Marker::AtLeast, slot::monsterFinalStrikeUsed, 1, Health::RingHeld,  0,  1},
};
// clang-format on
static_assert(std::size(kGates) == 26);

bool markerBlocks(const Combatant& actor, const Gate& gate) {
  Int mark = actor.skillState[gate.slot];
  switch (gate.marker) {
    case Marker::Equals:
      return mark == gate.value;
    case Marker::AtLeast:
      return mark >= gate.value;
    case Marker::None:
      break;
  }
  return false;
}

bool healthBlocks(const Combatant& actor, const Gate& gate) {
  Int hp = actor.n[kHp];
  switch (gate.health) {
    case Health::Above:
      return hp > actor.n[kMaxHp] * gate.times / gate.per;
    case Health::Below:
      return hp < actor.n[kMaxHp] * gate.times / gate.per;
    case Health::AtMostOne:
      return hp <= 1;
    case Health::RingHeld:
      return actor.n[kPhoenixRings] > 0;
    case Health::None:
      break;
  }
  return false;
}

// A failed slot's roll becomes 100; a surviving one keeps its unreduced roll.
Int slotRoll(const Combatant& actor, Int roll, Int skill, Int boost) {
  if (roll - actor.n[kSkillBonus] - boost * 20 >= skillRate(skill)) return 100;
  if (skillCost(skill) > actor.n[kMp]) return 100;
  return roll;
}

}  // namespace

bool skillGateBlocks(const Combatant& actor, Int skill) {
  for (const Gate& gate : kGates) {
    if (gate.skill == skill) return markerBlocks(actor, gate) || healthBlocks(actor, gate);
  }
  return false;
}

void chooseSkill(BattleState& state, int actorIndex) {
  Combatant& actor = state.combatants[actorIndex];
  Int rolls[3];
  for (Int& roll : rolls) roll = randomBelow(state, 101);
  const Int boost = actor.skillState[slot::skillRateBoost];
  for (int i = 0; i < 3; ++i) rolls[i] = slotRoll(actor, rolls[i], actor.n[kSkill1 + i], boost);

  int winner = rolls[0] <= rolls[1] ? (rolls[0] <= rolls[2] ? 0 : 2) : (rolls[1] <= rolls[2] ? 1 : 2);
  Int skill = actor.n[kSkill1 + winner];
  // A slot value outside the catalogue is no skill.
  state.actionCode = isSkillId(skill) ? skill : Int(0);
  state.skillLevel = actor.n[kSkillLevel1 + winner];
  if (rolls[0] == 100 && rolls[1] == 100 && rolls[2] == 100) state.actionCode = 0;
  actor.skillState[slot::skillRateBoost] = 0;
  if (state.actionCode > 0 && skillGateBlocks(actor, state.actionCode)) state.actionCode = 0;
}
