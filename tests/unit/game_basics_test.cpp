// The game's number, its generator, its text formatting and its paths.
#include <gtest/gtest.h>

#include "battle/random.h"
#include "common/game_int.h"
#include "common/text_format.h"
#include "platform/paths.h"

namespace {

TEST(GameInt, WrapsAndTruncatesLikeThe32BitMachine) {
  EXPECT_EQ(Int(INT32_MAX) + 1, INT32_MIN);
  EXPECT_EQ(Int(INT32_MIN) - 1, INT32_MAX);
  EXPECT_EQ(Int(65536) * 65536, 0);
  EXPECT_EQ(Int(-7) / 2, -3);
  EXPECT_EQ(Int(-7) % 2, -1);
  EXPECT_EQ(Int(INT32_MIN) / -1, INT32_MIN);
  EXPECT_EQ(Int(INT32_MIN) % -1, 0);
  EXPECT_EQ(-Int(INT32_MIN), INT32_MIN);
}

TEST(GameInt, DivisionByZeroIsAFaultNotATrap) {
  Int zero = 0;
  EXPECT_THROW(Int(5) / zero, ArithmeticFault);
  EXPECT_THROW(Int(5) % zero, ArithmeticFault);
  try {
    (void)(Int(1) / zero);
  } catch (const ArithmeticFault& fault) {
    EXPECT_EQ(fault.code, 0xC0000094u);
  }
}

TEST(Random, FirstValuesFromAKnownSeed) {
  RandomGenerator rng;  // 1 before seeding
  EXPECT_EQ(nextRandom(rng), 41);
  EXPECT_EQ(nextRandom(rng), 18467);
  EXPECT_EQ(nextRandom(rng), 6334);
  seedRandom(rng, 12345);
  EXPECT_EQ(nextRandom(rng), 7584);
  EXPECT_EQ(nextRandom(rng), 19164);
  EXPECT_EQ(rng.draws, 5u);
}

TEST(Random, RandomBelowZeroMakesNoDraw) {
  RandomGenerator rng;
  EXPECT_EQ(randomBelow(rng, 0), 0);
  EXPECT_EQ(rng.draws, 0u);
  EXPECT_EQ(randomBelow(rng, 100), 41);
  EXPECT_EQ(randomBelow(rng, -100), 67);  // |18467 mod -100|
  EXPECT_EQ(rng.draws, 2u);
}

TEST(TextFormat, PlaceholdersOverBytes) {
  EXPECT_EQ(formatText("%s:%d:%02d:%X:%%", {"ab", -5, 7, 0xC0000094u}), "ab:-5:07:C0000094:%");
  EXPECT_EQ(formatText("%d", {Int(INT32_MIN)}), "-2147483648");
  EXPECT_EQ(formatText("%02d", {-3}), "-3");
  EXPECT_EQ(formatText("\x83\x5C%s", {"\x95\x5C"}), "\x83\x5C\x95\x5C");
}

TEST(Paths, BackslashesAreSeparatorsExceptInsideShiftJis) {
#if defined(_WIN32)
  GTEST_SKIP() << "a backslash is the separator on Windows";
#endif
  EXPECT_EQ(nativeName("kadmo\\ovr.txt"), "kadmo/ovr.txt");
  // "ソ" is 0x83 0x5C: its trail byte is no separator.
  EXPECT_EQ(nativeName("\x83\x5C\\a"), "\x83\x5C/a");
  EXPECT_EQ(nativeName("\x83"), "\x83");
  EXPECT_EQ(joinPath("/w", "sub\\f.dat"), "/w/sub/f.dat");
}

}  // namespace
