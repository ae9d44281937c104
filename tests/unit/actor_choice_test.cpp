#include "battle/turn/actor_choice.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "battle/random.h"
#include "support/battle_builder.h"

namespace {

constexpr std::int64_t kLimit = 200'000;     // ticks tried by hand for one gauge
constexpr std::int64_t kTurnLimit = 20'000;  // ticks tried by hand for a whole choice

// The clock as the game describes it: one tick at a time.
std::optional<std::int64_t> ticksByHand(Int gauge, Int speed) {
  for (std::int64_t t = 1; t <= kLimit; ++t) {
    gauge += speed;
    if (gauge >= 100) return t;
  }
  return std::nullopt;
}

// The whole choice, ticking one by one; nullopt when nobody acts in time.
std::optional<int> chooseByHand(Combatant* c) {
  Int highest = 0;
  std::optional<int> actor;
  for (int i = 0; i < 6; ++i) {
    if (isAlive(c[i]) && c[i].n[kGauge] > highest) {
      highest = c[i].n[kGauge];
      if (highest >= 100) actor = i;
    }
  }
  if (actor) return actor;
  for (std::int64_t t = 0; t < kTurnLimit; ++t) {
    for (int i = 0; i < 6; ++i) {
      if (isAlive(c[i])) c[i].n[kGauge] += c[i].n[kSpeed];
    }
    for (int i = 0; i < 6; ++i) {
      if (c[i].n[kSpeed] == 0) break;
      if (isAlive(c[i]) && c[i].n[kGauge] >= 100) return i;
    }
  }
  return std::nullopt;
}

Int pick(RandomGenerator& rng, std::int64_t low, std::int64_t high) {
  std::uint64_t span = static_cast<std::uint64_t>(high - low + 1);
  std::uint64_t r = (static_cast<std::uint64_t>(nextRandom(rng).v) << 30) ^
                    (static_cast<std::uint64_t>(nextRandom(rng).v) << 15) ^
                    static_cast<std::uint64_t>(nextRandom(rng).v);
  return Int(static_cast<std::int32_t>(low + static_cast<std::int64_t>(r % span)));
}

Int randomSpeed(RandomGenerator& rng) {
  switch (randomBelow(rng, 5).v) {
    case 0:
      return pick(rng, -60, 60);
    case 1:
      return pick(rng, -100000, 100000);
    case 2:
      return pick(rng, INT32_MAX - 120, INT32_MAX);
    case 3:
      return pick(rng, INT32_MIN, INT32_MIN + 120);
    default:
      return pick(rng, INT32_MIN, INT32_MAX);
  }
}

TEST(ActorChoice, ClosedFormTicksMatchTickingOneByOne) {
  // clang-format off
  struct Case { Int gauge, speed; std::int64_t ticks; };
  const Case cases[] = {
      {0, 10, 10},  {99, 1, 1},  {-1, 101, 1},  {50, 7, 8},
      {0, -1, 2147483649LL},  {INT32_MIN, -1, 1},  {99, INT32_MAX, 101},
      {INT32_MIN, INT32_MIN, 0},  // never
  };
  // clang-format on
  for (const Case& c : cases) {
    std::optional<std::int64_t> got = ticksToAct(c.gauge, c.speed);
    if (c.ticks == 0) {
      EXPECT_FALSE(got) << c.gauge.v << " " << c.speed.v;
    } else {
      EXPECT_EQ(got, c.ticks) << c.gauge.v << " " << c.speed.v;
    }
  }
  RandomGenerator rng;
  for (int i = 0; i < 3000; ++i) {
    Int gauge = randomBelow(rng, 2).v == 0 ? pick(rng, -300, 99) : pick(rng, INT32_MIN, 99);
    Int speed = randomSpeed(rng);
    if (speed == 0) continue;
    std::optional<std::int64_t> byHand = ticksByHand(gauge, speed);
    std::optional<std::int64_t> closed = ticksToAct(gauge, speed);
    if (byHand) {
      EXPECT_EQ(closed, byHand) << gauge.v << " " << speed.v;
    } else {
      EXPECT_TRUE(!closed || *closed > kLimit) << gauge.v << " " << speed.v;
    }
  }
}

TEST(ActorChoice, WholeChoiceMatchesTickingOneByOne) {
  RandomGenerator rng;
  int compared = 0;
  for (int round = 0; round < 2000; ++round) {
    TestBattle battle;
    BattleState& state = battle.setUp();
    Combatant* c = battle.combatants;
    for (int i = 0; i < 6; ++i) {
      c[i].n[kHp] = randomBelow(rng, 4) == 0 ? Int(0) : Int(10);
      c[i].n[kGauge] = randomBelow(rng, 3) == 0 ? pick(rng, -200, 160) : pick(rng, INT32_MIN, 99);
      c[i].n[kSpeed] = randomBelow(rng, 8) == 0 ? Int(0) : randomSpeed(rng);
    }
    Combatant byHand[6];
    for (int i = 0; i < 6; ++i) byHand[i] = c[i];
    std::optional<int> expected = chooseByHand(byHand);
    std::optional<int> got = chooseActor(state);
    if (!expected) continue;  // beyond what ticking by hand reaches in time
    ++compared;
    ASSERT_EQ(got, expected) << "round " << round;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(c[i].n[kGauge], byHand[i].n[kGauge]) << "round " << round;
  }
  EXPECT_GT(compared, 1000);
}

TEST(ActorChoice, FirstReachingInIndexOrderActsThenTheHighestGauge) {
  TestBattle battle;
  for (int i = 0; i < 6; ++i) battle.combatants[i] = makeCombatant("c", {{kHp, 10}, {kSpeed, 10 * (i + 1)}});
  BattleState& state = battle.setUp();
  EXPECT_EQ(chooseActor(state), 4);
  EXPECT_EQ(battle.combatants[4].n[kGauge], 100);
  EXPECT_EQ(battle.combatants[5].n[kGauge], 120);
  battle.combatants[4].n[kGauge] = 0;
  EXPECT_EQ(chooseActor(state), 5);
  EXPECT_EQ(battle.combatants[0].n[kGauge], 20);  // no tick in between
}

TEST(ActorChoice, EqualGaugesGoToTheLowerIndex) {
  TestBattle battle;
  for (int i = 0; i < 6; ++i) battle.combatants[i] = makeCombatant("c", {{kHp, 10}, {kSpeed, 5}});
  battle.combatants[1].n[kGauge] = 150;
  battle.combatants[3].n[kGauge] = 150;
  EXPECT_EQ(chooseActor(battle.setUp()), 1);
}

TEST(ActorChoice, AnAbsentEnemyTwoStopsEveryScanAfterATick) {
  TestBattle battle;
  battle.combatants[0] = makeCombatant("leader", {{kHp, 10}, {kSpeed, 1}});
  battle.combatants[2] = makeCombatant("third", {{kHp, 10}, {kSpeed, 50}});
  for (int i = 3; i < 6; ++i) battle.combatants[i] = makeCombatant("member", {{kHp, 10}, {kSpeed, 50}});
  BattleState& state = battle.setUp();
  ASSERT_EQ(battle.combatants[1].n[kGauge], -1);
  EXPECT_EQ(chooseActor(state), 0);  // after 100 ticks, though the others passed 100 long before
  EXPECT_EQ(battle.combatants[3].n[kGauge], 5000);
  battle.combatants[0].n[kGauge] = 0;
  EXPECT_EQ(chooseActor(state), 2);  // the first scan: 5000 is the highest, index 2 first
  // With the leader down nobody before the absent enemy can act: no turn ever.
  battle.combatants[0].n[kHp] = 0;
  for (int i = 2; i < 6; ++i) battle.combatants[i].n[kGauge] = 0;
  EXPECT_EQ(chooseActor(state), std::nullopt);
}

}  // namespace
