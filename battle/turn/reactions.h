// The reactions that stored battle slots and the target's passive skill
// trigger before an action runs.
#pragma once

#include "battle/battle_state.h"

// A paralysed actor loses its turn; the slot is used up.
void checkParalysis(BattleState& state);

// A target ready to counter attacks its attacker instead.
void checkCounter(BattleState& state);

// さとり: lines only; the action goes on unchanged.
void checkSatori(BattleState& state);

// 天子光臨: the attack turns back onto its own user.
void checkAngel(BattleState& state);

// The target's passives 109 (skills only), 114 and 111: one draw when the
// passive applies, a 20 % chance to replace the code.
void checkTargetPassive(BattleState& state);
