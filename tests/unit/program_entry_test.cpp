// The seed a replay names in BATTLE_SEED.
#include <gtest/gtest.h>

#include "battle/program_entry.h"

namespace {

TEST(ProgramEntry, SeedIsADecimalNumberUpTo32Bits) {
  struct Case {
    const char* text;
    std::optional<std::uint32_t> seed;
  };
  const Case cases[] = {
      {"0", 0u},
      {"20240601", 20240601u},
      {"4294967295", 4294967295u},
      {"0004294967295", 4294967295u},
      {"", std::nullopt},
      {"4294967296", std::nullopt},
      {"18446744073709551617", std::nullopt},
      {"-1", std::nullopt},
      {"+5", std::nullopt},
      {" 5", std::nullopt},
      {"5 ", std::nullopt},
      {"0x10", std::nullopt},
      {"1e3", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseSeed(c.text), c.seed) << '"' << c.text << '"';
}

TEST(ProgramEntry, BadSeedMessageIsOneLineNamingTheValue) {
  EXPECT_EQ(badSeedMessage("12x"),
            "battle: BATTLE_SEED=\"12x\" is not a seed (a decimal number from 0 to 4294967295)\n");
  EXPECT_EQ(badSeedMessage(""),
            "battle: BATTLE_SEED=\"\" is not a seed (a decimal number from 0 to 4294967295)\n");
  EXPECT_EQ(badSeedMessage("1\n2\\\x82\xA0"),
            "battle: BATTLE_SEED=\"1\\x0A2\\x5C\\x82\\xA0\" is not a seed (a decimal number from 0 to "
            "4294967295)\n");
}

}  // namespace
