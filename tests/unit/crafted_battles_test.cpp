// Battles between crafted records: extreme numbers, skill ids and jobs
// outside every table, empty names. Every battle must end in a settlement or
// the fault path, and the sanitizer build must stay silent.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "battle/run_battle.h"
#include "common/sjis.h"
#include "support/battle_builder.h"

namespace {

Int extremeValue(std::mt19937& random) {
  static const std::int32_t picks[] = {
      0,       1,         -1, 2, 99, 100, 101, 255, -100, INT32_MIN, INT32_MAX, INT32_MIN + 1, INT32_MAX - 1,
      1 << 30, -(1 << 30)};
  switch (random() % 3) {
    case 0:
      return picks[random() % std::size(picks)];
    case 1:
      return static_cast<std::int32_t>(random() % 300);
    default:
      return static_cast<std::int32_t>(random());
  }
}

void craft(Combatant& c, std::mt19937& random) {
  c = Combatant{};
  for (Int& value : c.n) value = extremeValue(random);
  for (int slot : {kSkill1, kSkill2, kSkill3}) c.n[slot] = static_cast<std::int32_t>(random() % 170) - 5;
  c.n[kPassive] = static_cast<std::int32_t>(random() % 30) + 95;
  c.n[kJob] = static_cast<std::int32_t>(random() % 20) - 2;
  c.n[kSkillBonus] = static_cast<std::int32_t>(random() % 120);
  if (random() % 4 != 0) setName(c, random() % 2 ? "名前"_sj : std::string(255, 'N'));
}

TEST(CraftedBattles, EveryBattleEndsWithoutHarm) {
  std::mt19937 random(99);
  for (int round = 0; round < 400; ++round) {
    TestBattle battle;
    for (Combatant& c : battle.combatants) craft(c, random);
    BattleOptions options;
    options.sink = round % 2 ? ReportSink::Memory : ReportSink::Discard;
    options.seed = static_cast<std::uint32_t>(random());
    std::optional<Outcome> outcome = runBattle(*battle.state, battle.combatants, nullptr, nullptr, options);
    const std::string& report = battle.state->memoryReport;
    if (options.sink == ReportSink::Memory) {
      EXPECT_TRUE(outcome ? report.ends_with("</html>\n") : report.ends_with("32999<br>\n")) << round;
    }
    EXPECT_LE(battle.state->actionCount, 30) << round;
  }
}

}  // namespace
