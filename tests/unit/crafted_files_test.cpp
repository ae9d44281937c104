// Crafted and broken files never crash the readers: random bytes, huge
// lines, missing line ends and extreme numbers all read as some record.
#include <gtest/gtest.h>

#include <random>

#include "battle/bridge_file.h"
#include "common/character_record.h"
#include "platform/profile_file.h"
#include "support/test_folder.h"

namespace {

std::string randomProfileText(std::mt19937& random) {
  static const char* pieces[] = {"[Data]", "[data",      "]",        "[",    "N_PARAM_0", "S_PARAM_000",
                                 "=",      "==",         "\"",       "#",    "//",        ";",
                                 " ",      "\t",         "\r",       "\n",   "\r\n",      "-",
                                 "+",      "9999999999", "\x83\x5C", "\x81", "\0",        "\xFF"};
  std::string text;
  int count = static_cast<int>(random() % 200);
  for (int i = 0; i < count; ++i) {
    if (random() % 4 == 0) {
      text += static_cast<char>(random() % 256);
    } else {
      text += pieces[random() % std::size(pieces)];
      if (random() % 3 == 0) text += std::to_string(random() % 50);
    }
  }
  return text;
}

TEST(CraftedFiles, RandomProfileFilesLoadAndSaveWithoutHarm) {
  TestFolder folder;
  std::mt19937 random(20261211);
  for (int round = 0; round < 300; ++round) {
    folder.write("c.dat", randomProfileText(random));
    CharacterRecord record{};
    loadCharacter(folder.path(), "c.dat", record);
    for (const auto& text : record.s) EXPECT_LT(strnlen(text, kTextCapacity), std::size_t(kTextCapacity));
    saveCharacter(record, folder.path(), "c.dat");
    CharacterRecord again{};
    loadCharacter(folder.path(), "c.dat", again);
    for (int i = 0; i < kNumericFieldCount; ++i) EXPECT_EQ(again.n[i], record.n[i]) << round << " " << i;
  }
}

TEST(CraftedFiles, RandomBridgeFilesNeverCrash) {
  TestFolder folder;
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string text = randomProfileText(random);
    if (round % 10 == 0) text += std::string(5000, 'x');
    folder.write("Bridge.txt", text);
    auto bridge = readBridgeFile(folder.path());
    if (!bridge) continue;
    for (int i = 0; i < 3; ++i) EXPECT_LE(bridge->lines[i].size(), 255u);
    for (int i = 3; i < 5; ++i) EXPECT_LE(bridge->lines[i].size(), 1022u);
  }
}

}  // namespace
