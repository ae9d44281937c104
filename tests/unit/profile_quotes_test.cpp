// Quoted values load as Windows' profile string read returns them: one pair
// of matching quotes goes before the text is cut and cleaned.
#include <gtest/gtest.h>

#include "common/character_record.h"
#include "support/test_folder.h"

namespace {

TEST(ProfileQuotes, QuotedNamesLoadAsThePlatformReadsThem) {
  struct Case {
    std::string value;
    std::string name;
  };
  const Case cases[] = {
      {"\"Goblin\"", "Goblin"},
      {"\" Goblin King \"", " Goblin King"},  // the inner trailing blank goes in the clean-up
      {"'Hero'", "Hero"},
      {"\"A#B\"", "A"},
      {"\"Bat//cave\"", "Bat"},
      {"\"\"", ""},
      {"\"", "\""},
      {"\"Hero'", "\"Hero'"},
      {"A \"B\"", "A \"B\""},
      {"\"" + std::string(300, 'Q') + "\"", std::string(255, 'Q')},
  };
  TestFolder folder;
  for (const auto& c : cases) {
    folder.write("c.dat", "[Data]\r\nS_PARAM_000=" + c.value + "\r\n");
    CharacterRecord record{};
    loadCharacter(folder.path(), "c.dat", record);
    EXPECT_EQ(nameOf(record), c.name) << c.value;
  }
}

}  // namespace
