#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "battle/combatant.h"
#include "common/character_record.h"
#include "common/profile_entry.h"
#include "common/text_format.h"
#include "support/test_folder.h"

namespace {

TEST(ProfileFile, LooksUpSectionsAndKeysAsTheWindowsFormatDoes) {
  ProfileFile file = parseProfileText(
      "; a comment\r\n"
      "[Other]\r\nN_PARAM_000=7\r\n"
      "[data]\r\n"
      "  n_param_000  =  42  \r\n"
      ";N_PARAM_001=9\r\n"
      "N_PARAM_001=5\r\n"
      "N_PARAM_000=99\r\n"
      "S_PARAM_000= \"Quoted\" \r\n"
      "[DATA]\r\nN_PARAM_002=3\r\n");
  EXPECT_EQ(profileValue(file, "Data", "N_PARAM_000"), "42");  // first [Data], first key
  EXPECT_EQ(profileValue(file, "Data", "N_PARAM_001"), "5");   // the comment does not count
  EXPECT_EQ(profileValue(file, "Data", "S_PARAM_000"), "\"Quoted\"");
  EXPECT_FALSE(profileValue(file, "Data", "N_PARAM_002"));  // only the first [Data] counts
  EXPECT_FALSE(profileValue(file, "Missing", "N_PARAM_000"));
}

TEST(ProfileFile, IntegersAreASignAndLeadingDigitsWrappedTo32Bits) {
  struct Case {
    const char* text;
    std::int32_t value;
  };
  const Case cases[] = {{"-1", -1},
                        {"+12", 12},
                        {"12abc", 12},
                        {"abc", 0},
                        {"", 0},
                        {"-", 0},
                        {"0x1F", 0},
                        {"2147483647", 2147483647},
                        {"2147483648", INT32_MIN},
                        {"4294967297", 1},
                        {"-2147483648", INT32_MIN}};
  for (const Case& c : cases) EXPECT_EQ(profileIntOf(c.text), c.value) << c.text;
}

TEST(ProfileFile, CleanUpOfTexts) {
  struct Case {
    const char* source;
    const char* cleaned;
  };
  const Case cases[] = {
      {"Name", "Name"},
      {"Name  #comment", "Name"},
      {"a#b//c", "a"},
      {"http://x", "http:"},
      {"\" Name \"", " Name "},
      {"\"\"", ""},
      {"\"", "\""},  // one lone quote stays
      {"\"a\" \t", "a"},
      {"\"a", "\"a"},
      {"tab\t", "tab"},
  };
  for (const Case& c : cases) {
    char out[256];
    EXPECT_EQ(cleanProfileText(c.source, out), std::strlen(c.cleaned)) << c.source;
    EXPECT_STREQ(out, c.cleaned) << c.source;
  }
}

TEST(ProfileFile, TextIsCutTo255BytesBeforeCleaning) {
  std::string longName(300, 'x');
  ProfileFile file = parseProfileText("[Data]\r\nS_PARAM_000=" + longName + "\r\n");
  char out[256];
  readProfileEntry(file, "Data", "S_PARAM_000", "", out, 256);
  EXPECT_EQ(std::string(out), std::string(255, 'x'));
  // Quotes around the whole value go before the cut, as Windows reads them.
  file = parseProfileText("[Data]\r\nS_PARAM_000=\"" + std::string(254, 'y') + "\"\r\n");
  readProfileEntry(file, "Data", "S_PARAM_000", "", out, 256);
  EXPECT_EQ(std::string(out), std::string(254, 'y'));
  readProfileEntry(file, "Data", "S_PARAM_000", "fallback", out, 1024);
  EXPECT_STREQ(out, "fallback");  // a capacity of 1024 is refused
}

TEST(ProfileFile, SettingKeysKeepsEveryOtherLine) {
  ProfileFile file = parseProfileText("[Head]\nx=1\n[Data]\nn_param_000 = 5\nEXTRA=keep\n\n\n[Tail]\ny=2");
  setProfileValue(file, "Data", "N_PARAM_000", "6");
  setProfileValue(file, "Data", "N_PARAM_001", "-1");
  EXPECT_EQ(profileText(file),
            "[Head]\r\nx=1\r\n[Data]\r\nn_param_000=6\r\nEXTRA=keep\r\nN_PARAM_001=-1\r\n\r\n\r\n[Tail]\r\ny="
            "2\r\n");
  ProfileFile empty;
  setProfileValue(empty, "Data", "A", "1");
  setProfileValue(empty, "Data", "B", "2");
  EXPECT_EQ(profileText(empty), "[Data]\r\nA=1\r\nB=2\r\n");
}

Combatant sampleRecord() {
  Combatant c{};
  for (int i = 0; i < kNumericFieldCount; ++i) c.n[i] = i * 3 - 10;
  c.n[kHp] = -1;
  setName(c, "\x83\x5C\x83\x93 name");  // a Shift-JIS trail byte 0x5C
  std::strcpy(c.s[S_PARAM_001], "never written");
  return c;
}

TEST(CharacterFile, MissingFileLoadsAsZerosAndIsCreatedInOrder) {
  TestFolder folder;
  Combatant loaded{};
  std::memset(static_cast<void*>(&loaded), 0x55, sizeof loaded);
  loadCharacter(folder.path(), "nothing.dat", loaded);
  for (int i = 0; i < kNumericFieldCount; ++i) EXPECT_EQ(loaded.n[i], 0);
  for (int i = 0; i < kTextFieldCount; ++i) EXPECT_STREQ(loaded.s[i], "");

  EXPECT_EQ(saveCharacter(sampleRecord(), folder.path(), "new.dat"), 0);
  std::string expected = "[Data]\r\n";
  for (int i = 0; i < kNumericFieldCount; ++i) {
    expected += formatText("N_PARAM_%03d=%d\r\n", {i, i == 1 ? -1 : i * 3 - 10});
  }
  expected += "S_PARAM_000=\x83\x5C\x83\x93 name\r\n";
  EXPECT_EQ(folder.read("new.dat"), expected);
}

TEST(CharacterFile, RoundTripKeepsExtraKeysSectionsAndOtherTexts) {
  TestFolder folder;
  folder.write("c.dat", "[Extra]\r\nkeep=1\r\n[Data]\r\nS_PARAM_001=\"text # 1\"\r\nZ_KEY=z\r\n");
  Combatant record = sampleRecord();
  saveCharacter(record, folder.path(), "c.dat");
  Combatant loaded{};
  loadCharacter(folder.path(), "c.dat", loaded);
  for (int i = 0; i < kNumericFieldCount; ++i) EXPECT_EQ(loaded.n[i], record.n[i]) << i;
  EXPECT_EQ(nameOf(loaded), nameOf(record));
  // The quotes go first, as Windows reads them; then the clean-up cuts at '#'.
  EXPECT_STREQ(loaded.s[S_PARAM_001], "text");  // cleaned on reading, never written
  std::string text = folder.read("c.dat");
  EXPECT_EQ(
      text.rfind("[Extra]\r\nkeep=1\r\n[Data]\r\nS_PARAM_001=\"text # 1\"\r\nZ_KEY=z\r\nN_PARAM_000=-10\r\n",
                 0),
      0u);
  EXPECT_NE(text.find("N_PARAM_001=-1\r\n"), std::string::npos);
}

TEST(CharacterFile, AFileThatCannotBeReadIsNeverReplaced) {
  TestFolder folder;
  std::filesystem::create_directory(folder.file("dir.dat"));
  saveCharacter(sampleRecord(), folder.path(), "dir.dat");
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("dir.dat")));
  Combatant loaded{};
  loadCharacter(folder.path(), "dir.dat", loaded);
  EXPECT_EQ(loaded.n[kHp], 0);
}

TEST(CharacterFile, SaveLeavesNoTemporaryFileBehind) {
  TestFolder folder;
  folder.write("c.dat", "[Data]\r\n");
  saveCharacter(sampleRecord(), folder.path(), "c.dat");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1);
}

}  // namespace
