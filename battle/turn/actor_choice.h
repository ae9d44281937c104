// The choice of the actor by the action gauges.
#pragma once

#include <cstdint>
#include <optional>

#include "battle/battle_state.h"

// The index of the combatant that acts next, after the clock has ticked as
// far as needed; none when nobody can ever reach 100 (the battle is over).
// The ticks are computed in closed form, never one by one.
std::optional<int> chooseActor(BattleState& state);

// The number of ticks after which a gauge `gauge` below 100 growing by `speed`
// per tick (signed 32-bit, wrapping) first stands at 100 or more; none for a
// speed of 0.
std::optional<std::int64_t> ticksToAct(Int gauge, Int speed);
