#include "common/character_record.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "common/profile_entry.h"
#include "platform/paths.h"

namespace {

constexpr std::string_view kSection = "Data";

std::string keyName(char kind, int number) {
  char key[16];
  std::snprintf(key, sizeof key, "%c_PARAM_%03d", kind, number);
  return key;
}

}  // namespace

std::string_view nameOf(const CharacterRecord& record) {
  return {record.s[kName], strnlen(record.s[kName], kTextCapacity)};
}

void setName(CharacterRecord& record, std::string_view name) {
  std::size_t length = std::min<std::size_t>(name.size(), kTextCapacity - 1);
  std::memcpy(record.s[kName], name.data(), length);
  record.s[kName][length] = '\0';
}

void loadCharacter(const std::string& folder, std::string_view fileName, CharacterRecord& record) {
  ProfileFile file = readProfileFile(joinPath(folder, fileName));
  for (int i = 0; i < kNumericFieldCount; ++i)
    record.n[i] = readProfileEntry(file, kSection, keyName('N', i), 0);
  for (int i = 0; i < kTextFieldCount; ++i) {
    readProfileEntry(file, kSection, keyName('S', i), "", record.s[i], kTextCapacity);
  }
}

int saveCharacter(const CharacterRecord& record, const std::string& folder, std::string_view fileName) {
  std::string path = joinPath(folder, fileName);
  std::optional<ProfileFile> existing = readProfileFileForUpdate(path);
  if (!existing) return 0;
  ProfileFile& file = *existing;
  for (int i = 0; i < kNumericFieldCount; ++i) {
    setProfileValue(file, kSection, keyName('N', i), std::to_string(record.n[i].v));
  }
  setProfileValue(file, kSection, keyName('S', 0), nameOf(record));
  writeProfileFile(file, path);
  return 0;
}
