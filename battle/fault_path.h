// The orderly stop of a battle on an arithmetic fault.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "battle/battle_state.h"

// The closing line of the report, the fault line in battle.log; nothing is
// written back.
void runFaultPath(BattleState& state, std::uint32_t faultCode);

// Appends `text` and "<br>\n" to battle.log of `folder`.
void writeBattleLog(const std::string& folder, std::string_view text);
