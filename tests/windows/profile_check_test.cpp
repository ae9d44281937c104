// Our profile reader and writer against the platform's own profile calls
// (GetPrivateProfileIntA, GetPrivateProfileStringA, WritePrivateProfileStringA).
// Files in the form the host and battle write must give the same records and
// the same bytes; for exotic files the table pins whether the two agree, and
// the README's notes on the file format list how they differ.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/character_record.h"
#include "common/profile_entry.h"
#include "common/sjis.h"
#include "support/test_folder.h"

namespace {

std::string keyName(char kind, int number) {
  char key[16];
  std::snprintf(key, sizeof key, "%c_PARAM_%03d", kind, number);
  return key;
}

std::string windowsPath(const TestFolder& folder, const std::string& name) {
  return folder.path() + "\\" + name;
}

// A file as the host writes it: [Data], the 41 numbers ("%d"), the 5 texts,
// CRLF. `numbers` overrides the first values (the rest count up from 10).
std::string hostFile(std::string_view name, const std::vector<int>& numbers = {}) {
  std::string text = "[Data]\r\n";
  for (int i = 0; i < kNumericFieldCount; ++i) {
    int value = i < static_cast<int>(numbers.size()) ? numbers[static_cast<std::size_t>(i)] : 10 + i;
    text += keyName('N', i) + "=" + std::to_string(value) + "\r\n";
  }
  text += "S_PARAM_000=" + std::string(name) + "\r\n";
  for (int i = 1; i < kTextFieldCount; ++i) text += keyName('S', i) + "=text" + std::to_string(i) + "\r\n";
  return text;
}

CharacterRecord loadThroughPlatform(const std::string& path) {
  CharacterRecord record{};
  for (int i = 0; i < kNumericFieldCount; ++i) {
    UINT value = ::GetPrivateProfileIntA("Data", keyName('N', i).c_str(), 0, path.c_str());
    record.n[i] = Int(static_cast<std::int32_t>(value));
  }
  for (int i = 0; i < kTextFieldCount; ++i) {
    char text[kTextCapacity] = {};
    ::GetPrivateProfileStringA("Data", keyName('S', i).c_str(), "", text, kTextCapacity, path.c_str());
    cleanProfileText(text, record.s[i]);
  }
  return record;
}

void saveThroughPlatform(const CharacterRecord& record, const std::string& path) {
  for (int i = 0; i < kNumericFieldCount; ++i) {
    ::WritePrivateProfileStringA("Data", keyName('N', i).c_str(), std::to_string(record.n[i].v).c_str(),
                                 path.c_str());
  }
  ::WritePrivateProfileStringA("Data", "S_PARAM_000", record.s[kName], path.c_str());
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // flush the platform's cache
}

std::string shown(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return cp932ToUtf8(out);
}

// The fields where the two records differ, one line each.
std::string recordDifferences(const CharacterRecord& ours, const CharacterRecord& platform) {
  std::ostringstream out;
  for (int i = 0; i < kNumericFieldCount; ++i) {
    if (ours.n[i].v != platform.n[i].v) {
      out << keyName('N', i) << ": ours " << ours.n[i].v << ", platform " << platform.n[i].v << "\n";
    }
  }
  for (int i = 0; i < kTextFieldCount; ++i) {
    if (std::strcmp(ours.s[i], platform.s[i]) != 0) {
      out << keyName('S', i) << ": ours \"" << shown(ours.s[i]) << "\" (" << std::strlen(ours.s[i])
          << " bytes), platform \"" << shown(platform.s[i]) << "\" (" << std::strlen(platform.s[i])
          << " bytes)\n";
    }
  }
  return out.str();
}

std::string readDifferences(const std::string& text) {
  TestFolder folder;
  folder.write("c.dat", text);
  CharacterRecord ours{};
  loadCharacter(folder.path(), "c.dat", ours);
  return recordDifferences(ours, loadThroughPlatform(windowsPath(folder, "c.dat")));
}

// Saves `record` over `before` (nullptr: no file) both ways; empty when the
// two files hold the same bytes.
std::string writeDifferences(const char* before, const CharacterRecord& record) {
  TestFolder folder;
  if (before != nullptr) {
    folder.write("ours.dat", before);
    folder.write("platform.dat", before);
  }
  saveCharacter(record, folder.path(), "ours.dat");
  saveThroughPlatform(record, windowsPath(folder, "platform.dat"));
  std::string ours = folder.read("ours.dat"), platform = folder.read("platform.dat");
  if (ours == platform) return {};
  std::size_t at = 0;
  while (at < ours.size() && at < platform.size() && ours[at] == platform[at]) ++at;
  std::size_t line = ours.rfind('\n', at == 0 ? 0 : at - 1);
  line = line == std::string::npos || at == 0 ? 0 : line + 1;
  auto around = [&](const std::string& text) { return shown(text.substr(line, at - line + 40)); };
  return "from byte " + std::to_string(line) + ": ours \"" + around(ours) + "\", platform \"" +
         around(platform) + "\"\n";
}

CharacterRecord sampleRecord(std::string_view name) {
  CharacterRecord record{};
  for (int i = 0; i < kNumericFieldCount; ++i) record.n[i] = Int(i * 37 - 500);
  record.n[1] = Int(-1);
  record.n[2] = Int(INT32_MIN);
  record.n[3] = Int(INT32_MAX);
  setName(record, name);
  for (int i = 1; i < kTextFieldCount; ++i) std::snprintf(record.s[i], kTextCapacity, "record text %d", i);
  return record;
}

struct ReadCase {
  const char* title;
  std::string text;
};

// The host's form: everything here must read the same both ways.
std::vector<ReadCase> hostFormFiles() {
  std::string longName(300, 'L');
  std::string longJapanese;
  for (int i = 0; i < 100; ++i) longJapanese += "勇者"_sj;
  return {
      {"plain ASCII name", hostFile("Slime")},
      {"Shift-JIS name with 0x5C trail bytes", hostFile("表示の能力者ソ"_sj)},
      {"quoted name", hostFile("\"Goblin\"")},
      {"quoted name with blanks inside", hostFile("\" Goblin King \"")},
      {"quoted Shift-JIS name", hostFile("\"魔王\""_sj)},
      {"name with '#'", hostFile("Orc#2")},
      {"name with blanks before '#'", hostFile("Orc   #2")},
      {"name with \"//\"", hostFile("Bat//cave")},
      {"empty name", hostFile("")},
      {"two double quotes", hostFile("\"\"")},
      {"minus one and the 32-bit limits", hostFile("Imp", {-1, -1, 0, 2147483647, -2147483647 - 1, -1})},
      {"long ASCII name", hostFile(longName)},
      {"long Shift-JIS name", hostFile(longJapanese)},
      {"no file content at all", ""},
      {"section without keys", "[Data]\r\n"},
  };
}

TEST(ProfileCheck, HostFormFilesReadAsThePlatformReadsThem) {
  for (const auto& file : hostFormFiles()) {
    EXPECT_EQ(readDifferences(file.text), "") << file.title;
  }
}

TEST(ProfileCheck, MissingFileReadsAsThePlatformReadsIt) {
  TestFolder folder;
  CharacterRecord ours{};
  loadCharacter(folder.path(), "none.dat", ours);
  EXPECT_EQ(recordDifferences(ours, loadThroughPlatform(windowsPath(folder, "none.dat"))), "");
}

TEST(ProfileCheck, SavingWritesTheBytesThePlatformWrites) {
  std::string full = hostFile("Hero");
  std::string lacking = full.substr(0, full.find("N_PARAM_040"));  // the host's older files
  struct Case {
    const char* title;
    const char* before;
    std::string name;
  };
  const Case cases[] = {
      {"new file", nullptr, "Hero"},
      {"host file", full.c_str(), "Hero"},
      {"host file, Shift-JIS name", full.c_str(), std::string("表示の能力者"_sj)},
      {"host file, long name", full.c_str(), std::string(255, 'L')},
      {"host file, empty name", full.c_str(), ""},
      {"host file lacking the last keys", lacking.c_str(), "Hero"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(writeDifferences(c.before, sampleRecord(c.name)), "") << c.title;
  }
}

// Files the host does not write. `agrees` pins today's result; the README
// lists the differences.
TEST(ProfileCheck, ExoticFilesAgreeOrDifferAsTheReadmeSays) {
  std::string numbers = hostFile("Hero").substr(0, hostFile("Hero").find("S_PARAM_000"));
  struct Case {
    const char* title;
    std::string text;
    bool agrees;
  };
  const Case cases[] = {
      {"blank lines", "[Data]\r\n\r\nN_PARAM_000=5\r\n\r\n\r\nS_PARAM_000=Hero\r\n\r\n", true},
      {"comment lines", "; party\r\n[Data]\r\n;N_PARAM_000=9\r\nN_PARAM_000=5\r\n", true},
      {"blanks around '=' and the key", "[Data]\r\n  N_PARAM_000 =\t5 \r\nS_PARAM_000 =  Hero  \r\n", true},
      {"blanks in the section header", "[ Data ]\r\nN_PARAM_000=5\r\n", true},
      {"case of section and key", "[data]\r\nn_param_000=5\r\ns_Param_000=Hero\r\n", true},
      {"duplicate keys", "[Data]\r\nN_PARAM_000=5\r\nN_PARAM_000=6\r\nS_PARAM_000=A\r\nS_PARAM_000=B\r\n",
       true},
      {"duplicate sections", "[Data]\r\nN_PARAM_000=5\r\n[Data]\r\nN_PARAM_000=6\r\nN_PARAM_001=7\r\n", true},
      {"hex number", "[Data]\r\nN_PARAM_000=0x10\r\n", false},
      {"plus sign, digits then letters", "[Data]\r\nN_PARAM_000=+12\r\nN_PARAM_001=34abc\r\n", true},
      {"number out of 32 bits", "[Data]\r\nN_PARAM_000=4294967297\r\nN_PARAM_001=-99999999999\r\n", true},
      {"LF line ends", "[Data]\nN_PARAM_000=5\nS_PARAM_000=Hero\n", true},
      {"keys before any section", "N_PARAM_000=5\r\n[Data]\r\nN_PARAM_001=6\r\n", true},
      {"line without '='", "[Data]\r\nN_PARAM_000\r\nN_PARAM_001=6\r\n", true},
      {"single-quoted name", "[Data]\r\nS_PARAM_000='Hero'\r\n", true},
      {"one lone double quote", "[Data]\r\nS_PARAM_000=\"\r\n", true},
      {"quoted name with '#' inside", "[Data]\r\nS_PARAM_000=\"A#B\"\r\n", true},
      {"UTF-8 byte order mark", "\xEF\xBB\xBF[Data]\r\nN_PARAM_000=5\r\n", false},
      {"numbers, then a long quoted name", numbers + "S_PARAM_000=\"" + std::string(300, 'Q') + "\"\r\n",
       true},
      {"quoted name of 255 bytes", numbers + "S_PARAM_000=\"" + std::string(255, 'Q') + "\"\r\n", false},
      {"quoted name of 254 bytes", numbers + "S_PARAM_000=\"" + std::string(254, 'Q') + "\"\r\n", true},
      {"quotes inside a name", "[Data]\r\nS_PARAM_000=A \"B\" C\r\nS_PARAM_001=\"A\" B \"C\"\r\n", true},
      {"different quotes around", "[Data]\r\nS_PARAM_000=\"Hero'\r\n", true},
      {"control characters around the value",
       "[Data]\r\nN_PARAM_000=\x0b"
       "5\x0c\r\nS_PARAM_000=\x0bHero\r\n",
       false},
  };
  for (const auto& c : cases) {
    std::string differences = readDifferences(c.text);
    EXPECT_EQ(differences.empty(), c.agrees) << c.title << "\n" << differences;
    if (!differences.empty()) std::cout << "[differs] " << c.title << "\n" << differences;
  }
}

TEST(ProfileCheck, ExoticFilesSaveAsTheReadmeSays) {
  struct Case {
    const char* title;
    const char* before;
    bool agrees;
  };
  const Case cases[] = {
      {"blank lines at the end of the section", "[Data]\r\nN_PARAM_000=1\r\n\r\n\r\n[Other]\r\nK=v\r\n",
       false},
      {"comments and an extra section", "; party\r\n[Other]\r\nK=v\r\n[Data]\r\n;x\r\nS_PARAM_003=kept\r\n",
       true},
      {"blanks around '='", "[Data]\r\n N_PARAM_000 = 1 \r\n", true},
      {"lower-case key and section", "[data]\r\nn_param_000=1\r\n", true},
      {"duplicate keys", "[Data]\r\nN_PARAM_000=1\r\nN_PARAM_000=2\r\n", true},
      {"LF line ends", "[Data]\nN_PARAM_000=1\nS_PARAM_001=kept\n", true},
      {"no line end at the end", "[Data]\r\nN_PARAM_000=1", true},
      {"blank lines between keys", "[Data]\r\nN_PARAM_000=1\r\n\r\nN_PARAM_001=2\r\n\r\n", false},
      {"a blank line before the section", "\r\n[Data]\r\nN_PARAM_000=1\r\n", false},
      {"key with an empty value", "[Data]\r\nN_PARAM_000=\r\nS_PARAM_002=\r\n", true},
      {"UTF-8 byte order mark", "\xEF\xBB\xBF[Data]\r\nN_PARAM_000=1\r\n", false},
  };
  for (const auto& c : cases) {
    std::string differences = writeDifferences(c.before, sampleRecord("Hero"));
    EXPECT_EQ(differences.empty(), c.agrees) << c.title << "\n" << differences;
    if (!differences.empty()) std::cout << "[differs on save] " << c.title << "\n" << differences;
  }
}

}  // namespace
