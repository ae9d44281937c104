// Texts load as Windows' profile string read returns them: one pair of
// matching quotes goes, and a long text is cut on a character boundary, before
// the clean-up.
#include <gtest/gtest.h>

#include "common/character_record.h"
#include "common/sjis.h"
#include "support/test_folder.h"

namespace {

TEST(ProfileTextRead, QuotedNamesLoadAsThePlatformReadsThem) {
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

TEST(ProfileTextRead, LongNamesAreCutBeforeACharacterThatDoesNotFit) {
  std::string hero;
  for (int i = 0; i < 200; ++i) hero += "勇"_sj;
  struct Case {
    std::string value;
    std::string name;
  };
  const Case cases[] = {
      {hero, hero.substr(0, 254)},              // 255 bytes would end in half a character
      {"A" + hero, "A" + hero.substr(0, 254)},  // 255 whole bytes fit
      {std::string(300, 'L'), std::string(255, 'L')},
      {"\"" + hero + "\"", hero.substr(0, 254)},
  };
  TestFolder folder;
  for (const auto& c : cases) {
    folder.write("c.dat", "[Data]\r\nS_PARAM_000=" + c.value + "\r\n");
    CharacterRecord record{};
    loadCharacter(folder.path(), "c.dat", record);
    EXPECT_EQ(nameOf(record), c.name) << c.value.size() << " bytes";
  }
}

}  // namespace
