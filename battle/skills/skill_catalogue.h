// The skill catalogue: name, activation rate and MP cost of every skill id
// 0..150. Id 0 is no skill; 1..100 active, 101..120 passive, 121..150 monster
// skills. An id outside 0..150, as a crafted file may hold, reads as entry 0.
#pragma once

#include <string_view>

#include "common/game_int.h"

inline constexpr int kSkillCount = 151;

constexpr bool isSkillId(Int id) { return id >= 0 && id < kSkillCount; }

// The name the battle report prints (CP932); empty for 0 and 139.
std::string_view skillName(Int id);
// Activation rate in percent points against a roll of 0..100.
Int skillRate(Int id);
// MP paid when the skill runs.
Int skillCost(Int id);
