// The codes that decide what a turn does: a skill id 1..150, 0 for a normal
// attack, or one of the negative codes below.
#pragma once

// The codes are written `action::miss`, apart from the battle slots of the
// same words (`slot::paralysed`).
namespace action {
// clang-format off
enum : int {
  normalAttack   = 0,
  miss           = -1,
  paralysed      = -2,
  lifeBottleSelf = -3,
  lifeBottleAlly = -4,
  elixirSelf     = -5,
  elixirAlly     = -6,
  magicBottle    = -7,
  skillCancelled = -8,   // the target's passive 109
  deflected      = -9,   // the target's passive 114
  evaded         = -10,  // the target's passive 111
};
// clang-format on
}  // namespace action
