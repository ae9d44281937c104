// The simulator's statistics, field changes and seed plans.
#include "sim_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "cli_values.h"
#include "field_sets.h"
#include "sim_tally.h"

namespace {

TEST(SimStatistics, WilsonIntervalsOfKnownCases) {
  struct Case {
    std::int64_t count, n;
    double low, high;
  };
  const Case cases[] = {
      {0, 10, 0.0, 0.277533},        {5, 10, 0.236593, 0.763407},     {10, 10, 0.722467, 1.0},
      {1, 1000, 0.000177, 0.005643}, {612, 1000, 0.581424, 0.641719}, {0, 0, 0.0, 1.0},
  };
  for (const Case& c : cases) {
    Interval ci = wilsonInterval(c.count, c.n);
    EXPECT_NEAR(ci.low, c.low, 1e-6) << c.count << "/" << c.n;
    EXPECT_NEAR(ci.high, c.high, 1e-6) << c.count << "/" << c.n;
  }
}

TEST(SimStatistics, PairedDifferenceComesFromTheBattlesThatDiffer) {
  EXPECT_EQ(pairedDifference(0, 0, 100), 0.0);
  Interval none = pairedInterval(0, 0, 100);
  EXPECT_EQ(none.low, 0.0);
  EXPECT_EQ(none.high, 0.0);
  // 30 battles won only by b, 10 only by a, of 1000: the mean of the ±1s and
  // its normal interval.
  EXPECT_DOUBLE_EQ(pairedDifference(10, 30, 1000), 0.02);
  const double sd = std::sqrt((40.0 - 1000 * 0.02 * 0.02) / 999.0);
  Interval ci = pairedInterval(10, 30, 1000);
  EXPECT_NEAR(ci.low, 0.02 - kZ95 * sd / std::sqrt(1000.0), 1e-12);
  EXPECT_NEAR(ci.high, 0.02 + kZ95 * sd / std::sqrt(1000.0), 1e-12);
}

TEST(SimStatistics, HistogramRanksAreNearestRank) {
  const std::vector<std::int64_t> histogram = {0, 5, 0, 4, 1};  // values 1 x5, 3 x4, 4 x1
  EXPECT_EQ(histogramRank(histogram, 0.5), 1);
  EXPECT_EQ(histogramRank(histogram, 0.51), 3);
  EXPECT_EQ(histogramRank(histogram, 0.9), 3);
  EXPECT_EQ(histogramRank(histogram, 1.0), 4);
  EXPECT_DOUBLE_EQ(histogramMean(histogram), (5 + 12 + 4) / 10.0);
  EXPECT_EQ(histogramRank({}, 0.5), 0);
}

TEST(SimStatistics, ShardsCoverTheSeedsOnce) {
  for (std::int64_t count : {1, 3, 7}) {
    std::vector<SeedRange> ranges;
    for (std::int64_t k = 1; k <= count; ++k) {
      SeedPlan plan = seedPlan(100, 10, Shard{k, count});
      ranges.emplace_back(plan.firstSeed, plan.firstSeed + plan.battles - 1);
    }
    EXPECT_TRUE(joinSeedRanges(ranges));
    ASSERT_EQ(ranges.size(), 1u);
    EXPECT_EQ(ranges[0], SeedRange(100, 109));
  }
  EXPECT_THROW(seedPlan(4294967290, 10, Shard{}), UsageError);
  EXPECT_NO_THROW(seedPlan(4294967286, 10, Shard{}));
  std::vector<SeedRange> overlapping = {{1, 10}, {10, 20}};
  EXPECT_FALSE(joinSeedRanges(overlapping));
}

TEST(SimStatistics, FieldChangesByKeyOrAlias) {
  struct Case {
    const char* text;
    int combatant, field;
    std::int32_t value;
  };
  const Case good[] = {
      {"enemy1.max_hp=500", 0, 10, 500},
      {"member3.N_PARAM_033=-7", 5, 33, -7},
      {"enemy3.passive=111", 2, 25, 111},
      {"member1.skill1=42", 3, 22, 42},
      {"member2.speed=2147483647", 4, 8, 2147483647},
  };
  for (const Case& c : good) {
    std::string error;
    std::optional<FieldSet> set = parseFieldSet(c.text, error);
    ASSERT_TRUE(set) << c.text << ": " << error;
    EXPECT_EQ(set->target.combatant, c.combatant) << c.text;
    EXPECT_EQ(set->target.field, c.field) << c.text;
    EXPECT_EQ(set->value, c.value) << c.text;
  }
  for (const char* bad : {"enemy4.hp=1", "member1.hp", "member1=5", "member1.N_PARAM_041=1",
                          "member1.hp=2147483648", "member1.hp=1.5", "member1.hp="}) {
    std::string error;
    EXPECT_FALSE(parseFieldSet(bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
}

}  // namespace
