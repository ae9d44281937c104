#include "battle/turn/item_decision.h"

#include <iterator>

#include "battle/turn/action_code.h"

namespace {

struct PolicyThresholds {
  int hpTenths;  // life bottle below maxHP × k / 10
  int mpTenths;  // magic bottle below maxMP × k / 10
};

// clang-format off
// policy    hp  mp
constexpr PolicyThresholds kPolicies[] = {
    /* 0 */ {5, 4},
    /* 1 */ {4, 3},
    /* 2 */ {3, 2},
};
// clang-format on
static_assert(std::size(kPolicies) == 3);

// Null for a policy outside the table: it never passes a threshold test.
const PolicyThresholds* policyOf(const Combatant& actor) {
  Int p = actor.n[kItemPolicy];
  return p >= 0 && p < 3 ? &kPolicies[p.v] : nullptr;
}

bool belowTenths(const Combatant& c, int valueField, int maxField, int tenths) {
  return c.n[valueField] < c.n[maxField] * tenths / 10;
}

// A party member helps the first weak living ally in cyclic order after it.
int weakAlly(const BattleState& state, int actorIndex, int hpTenths) {
  for (int step = 1; step <= 2; ++step) {
    int ally = 3 + (actorIndex + step) % 3;
    const Combatant& c = state.combatants[ally];
    if (isAlive(c) && belowTenths(c, kHp, kMaxHp, hpTenths)) return ally;
  }
  return -1;
}

}  // namespace

void decideItemUse(BattleState& state) {
  const int actorIndex = state.actorIndex;
  const Combatant& actor = state.combatants[actorIndex];
  const PolicyThresholds* policy = policyOf(actor);
  if (policy == nullptr || actor.n[kLifeBottles] <= 0) return;

  bool heals = false;
  if (belowTenths(actor, kHp, kMaxHp, policy->hpTenths)) {
    state.actionCode = action::lifeBottleSelf;
    heals = true;
  }
  if (isPartyMember(actorIndex)) {
    int ally = weakAlly(state, actorIndex, policy->hpTenths);
    if (ally >= 0) {
      state.itemAlly = ally;
      state.actionCode = action::lifeBottleAlly;
      heals = true;
    }
  }
  if (!heals) return;

  if (actor.n[kElixirs] > 0) {
    if (belowTenths(actor, kHp, kMaxHp, 3)) {
      state.actionCode = action::elixirSelf;
    } else if (state.actionCode == action::lifeBottleAlly) {
      const Combatant& ally = state.combatants[state.itemAlly];
      if (isAlive(ally) && belowTenths(ally, kHp, kMaxHp, 3)) state.actionCode = action::elixirAlly;
    }
  }
  if (actor.n[kMagicBottles] > 0 && belowTenths(actor, kMp, kMaxMp, policy->mpTenths)) {
    state.actionCode = action::magicBottle;
  }
}
