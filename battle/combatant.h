// A combatant: a character record followed by its battle slots.
#pragma once

#include "common/character_record.h"

inline constexpr int kCombatantCount = 6;
inline constexpr int kSkillSlotCount = 200;

// Slot k belongs to the skill whose id is k; all are 0 when a battle starts.
struct Combatant : CharacterRecord {
  Int skillState[kSkillSlotCount];
};
static_assert(sizeof(Combatant) == 561 * 4);

// The battle slots the rules use, by their skill's number:
// `c.skillState[slot::poisoned]`.
namespace slot {
// clang-format off
enum : int {
  sorrowSongUses         = 6,
  counterReady           = 7,
  satoriReady            = 10,
  deathSentencePoints    = 14,
  landmine               = 16,
  damageField            = 19,
  poisoned               = 23,
  paralysed              = 26,
  windBarrierUsed        = 40,
  accelerateUsed         = 43,
  fullSalvoUsed          = 55,
  poisonGasUsed          = 58,
  lamentUsed             = 60,
  fireArmourUsed         = 62,
  forceField             = 67,
  angelCharges           = 70,
  divineDomain           = 72,
  skillRateBoost         = 81,
  miasmaUsed             = 86,
  speedStarUsed          = 87,
  swordDanceUsed         = 90,
  fireMuscleUsed         = 93,
  finalStrikeUsed        = 94,
  doomSongUsed           = 96,
  braveHeartUsed         = 104,
  inkUsed                = 123,
  southernCrossUsed      = 141,
  holyWindUses           = 143,
  judgementUses          = 144,
  monsterFinalStrikeUsed = 146,
};
// clang-format on
}  // namespace slot

// Combatant indices: 0 to 2 the enemies (0 the leader), 3 to 5 the party.
// The game's words number both sides from 1: enemy 1 is index 0, party
// member 1 is index 3.
inline constexpr int kEnemyLeader = 0;
inline constexpr int kPartyMember1 = 3;
inline constexpr int kPartyMember2 = 4;
inline constexpr int kPartyMember3 = 5;

constexpr bool isPartyMember(int index) { return index > 2; }
inline bool isAlive(const Combatant& c) { return c.n[kHp] > 0; }
