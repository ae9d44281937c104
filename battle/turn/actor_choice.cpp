#include "battle/turn/actor_choice.h"

namespace {

constexpr std::int64_t kTwoTo31 = std::int64_t{1} << 31;

// The highest living gauge acts when it is 100 or more; equal gauges go to
// the lower index.
std::optional<int> firstScan(const BattleState& state) {
  Int highest = 0;
  std::optional<int> actor;
  for (int i = 0; i < kCombatantCount; ++i) {
    const Combatant& c = state.combatants[i];
    if (!isAlive(c) || c.n[kGauge] <= highest) continue;
    highest = c.n[kGauge];
    if (highest >= 100) actor = i;
  }
  return actor;
}

// For a speed with |speed| <= 2^31 - 100 and a gauge below 100: growing, the
// gauge reaches 100 before it can wrap; falling, it wraps past -2^31 to a
// value of at least 100.
std::int64_t ticksForModestSpeed(std::int64_t gauge, std::int64_t speed) {
  if (speed > 0) return (100 - gauge + speed - 1) / speed;
  return (gauge + kTwoTo31) / -speed + 1;
}

bool isModest(std::int64_t speed) { return speed >= -(kTwoTo31 - 100) && speed <= kTwoTo31 - 100; }

}  // namespace

std::optional<std::int64_t> ticksToAct(Int gauge, Int speed) {
  if (speed == 0) return std::nullopt;
  if (isModest(speed.v)) return ticksForModestSpeed(gauge.v, speed.v);
  // A speed near ±2^31 moves the gauge by a small step every two ticks: look
  // at the odd and the even ticks apart.
  const Int step = speed + speed;
  std::optional<std::int64_t> best;
  for (int first = 1; first <= 2; ++first) {
    Int start = gauge + speed * first;
    std::optional<std::int64_t> ticks;
    if (start >= 100) {
      ticks = first;
    } else if (step != 0) {
      ticks = first + 2 * ticksForModestSpeed(start.v, step.v);
    }
    if (ticks && (!best || *ticks < *best)) best = ticks;
  }
  return best;
}

std::optional<int> chooseActor(BattleState& state) {
  if (std::optional<int> actor = firstScan(state)) return actor;
  // After a tick the scan stops at the first combatant of speed 0, so only
  // the living combatants before it can act.
  std::optional<std::int64_t> first;
  for (int i = 0; i < kCombatantCount; ++i) {
    const Combatant& c = state.combatants[i];
    if (c.n[kSpeed] == 0) break;
    if (!isAlive(c)) continue;
    std::optional<std::int64_t> ticks = ticksToAct(c.n[kGauge], c.n[kSpeed]);
    if (ticks && (!first || *ticks < *first)) first = ticks;
  }
  if (!first) return std::nullopt;
  const Int ticks = Int::wrap(static_cast<std::uint32_t>(*first));
  for (int i = 0; i < kCombatantCount; ++i) {
    Combatant& c = state.combatants[i];
    if (isAlive(c)) c.n[kGauge] += ticks * c.n[kSpeed];
  }
  for (int i = 0; i < kCombatantCount; ++i) {
    const Combatant& c = state.combatants[i];
    if (c.n[kSpeed] == 0) break;
    if (isAlive(c) && c.n[kGauge] >= 100) return i;
  }
  return std::nullopt;  // not reached: the first candidate to reach 100 stands there
}
