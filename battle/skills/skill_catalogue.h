// The skill catalogue: name, activation rate and MP cost of every skill id
// 0..150. Id 0 is no skill; 1..100 active, 101..120 passive, 121..150 monster
// skills. An id outside 0..150, as a crafted file may hold, reads as entry 0.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/game_int.h"

inline constexpr int kSkillCount = 151;

// The families of ids: each has a dispatch table of its own.
inline constexpr int kFirstActiveSkill = 1;
inline constexpr int kLastActiveSkill = 100;
inline constexpr int kFirstPassive = 101;
inline constexpr int kLastPassive = 120;
inline constexpr int kFirstMonsterSkill = 121;
inline constexpr int kLastSkill = 150;
static_assert(kLastActiveSkill + 1 == kFirstPassive && kLastPassive + 1 == kFirstMonsterSkill &&
              kLastSkill + 1 == kSkillCount);

// True when `rows` holds one row for each id first..last, in id order, so a
// row is found by its id alone and no id is missing or given twice. Every
// family's dispatch table is checked with it at compile time; the families'
// ranges above together are 1..150.
template <typename Row, std::size_t N>
consteval bool rowsCoverIds(const Row (&rows)[N], int first, int last) {
  if (static_cast<int>(N) != last - first + 1) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].id != first + static_cast<int>(i)) return false;
  }
  return true;
}

constexpr bool isSkillId(Int id) { return id >= 0 && id < kSkillCount; }

// The name the battle report prints (CP932); empty for 0 and 139.
std::string_view skillName(Int id);
// Activation rate in percent points against a roll of 0..100.
Int skillRate(Int id);
// MP paid when the skill runs.
Int skillCost(Int id);
