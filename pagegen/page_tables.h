// The page generator's own tables: job names, weapons, armour and skill
// names. A value outside a table (a crafted or damaged profile file) shows the
// empty text, and for equipment the value 0; no table is read outside its rows.
#pragma once

#include <string_view>

#include "common/game_int.h"

inline constexpr int kJobCount = 17;
inline constexpr int kWeaponCount = 34;
inline constexpr int kArmourCount = 24;
inline constexpr int kPageSkillCount = 143;  // the monster skills 143..150 have no entry

struct Equipment {
  std::string_view name;  // CP932
  Int value;              // shown in parentheses after the name
};

// The job's name (CP932) for a JobId 0..16.
std::string_view jobName(Int job);
// A row of the weapon table, 0..33.
Equipment weaponAt(Int weapon);
// A row of the armour table, 0..23.
Equipment armourAt(Int armour);
// The name the pages give a skill 0..142; five names differ from the battle
// report's.
std::string_view pageSkillName(Int skill);
