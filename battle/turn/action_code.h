// The codes that decide what a turn does: a skill id 1..150, 0 for a normal
// attack, or one of the negative codes below.
#pragma once

// clang-format off
enum ActionCode : int {
  NormalAttack   = 0,
  Miss           = -1,
  Paralysed      = -2,
  LifeBottleSelf = -3,
  LifeBottleAlly = -4,
  ElixirSelf     = -5,
  ElixirAlly     = -6,
  MagicBottle    = -7,
  SkillCancelled = -8,   // the target's passive 109
  Deflected      = -9,   // the target's passive 114
  Evaded         = -10,  // the target's passive 111
};
// clang-format on
