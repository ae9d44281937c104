// The profile writer: a record written into an arbitrary existing file and
// read back gives the numbers and the name that were written, keeps the
// texts it does not write, and writing it again changes nothing.
//
// Input: 41 numbers (4 bytes each, little-endian), then the name up to its
// first NUL (at most 255 bytes), then the existing file's text.
#include <cstring>
#include <string>
#include <string_view>

#include "common/character_record.h"
#include "common/profile_entry.h"
#include "fuzz/fuzz_check.h"

namespace {

constexpr std::size_t kNumbersSize = kNumericFieldCount * 4;

std::string keyName(char kind, int number) {
  char key[16];
  std::snprintf(key, sizeof key, "%c_PARAM_%03d", kind, number);
  return key;
}

// The writer's steps on a file in memory, as saveCharacter takes them.
void writeRecord(ProfileFile& file, const CharacterRecord& record) {
  for (int i = 0; i < kNumericFieldCount; ++i)
    setProfileValue(file, "Data", keyName('N', i), std::to_string(record.n[i].v));
  setProfileValue(file, "Data", keyName('S', 0), nameOf(record));
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.size() < kNumbersSize) bytes.resize(kNumbersSize, '\0');
  CharacterRecord record{};
  for (int i = 0; i < kNumericFieldCount; ++i) {
    std::uint32_t value = 0;
    for (int b = 3; b >= 0; --b) value = (value << 8) | static_cast<unsigned char>(bytes[i * 4 + b]);
    record.n[i] = Int(static_cast<std::int32_t>(value));
  }
  std::string_view rest = std::string_view(bytes).substr(kNumbersSize);
  std::size_t nameEnd = std::min(rest.find('\0'), rest.size());
  std::string name(rest.substr(0, std::min<std::size_t>(nameEnd, 255)));
  rest.remove_prefix(std::min(nameEnd + 1, rest.size()));
  // A loaded name never holds a line end: its file was read line by line.
  for (char& c : name)
    if (c == '\n' || c == '\r') c = ' ';
  setName(record, name);

  ProfileFile original = parseProfileText(rest);
  ProfileFile file = original;
  writeRecord(file, record);
  std::string written = profileText(file);
  ProfileFile reread = parseProfileText(written);
  for (int i = 0; i < kNumericFieldCount; ++i) {
    auto value = profileValue(reread, "Data", keyName('N', i));
    fuzzCheck(value && profileIntOf(*value) == record.n[i].v, "every number reads back as written");
  }
  auto storedName = profileValue(reread, "Data", "S_PARAM_000");
  fuzzCheck(storedName && *storedName == trimmed(nameOf(record)), "the name reads back as written");
  for (int i = 1; i < kTextFieldCount; ++i) {
    auto before = profileValue(original, "Data", keyName('S', i));
    auto after = profileValue(reread, "Data", keyName('S', i));
    fuzzCheck(before.has_value() == after.has_value() && (!before || *before == *after),
              "the texts that are not written stay as they were");
  }
  ProfileFile again = reread;
  writeRecord(again, record);
  fuzzCheck(profileText(again) == written, "writing the same record again changes nothing");
  return 0;
}
