// The profile reader and the text clean-up on arbitrary file contents: every
// field of the record is read as loadCharacter reads it, and every text stays
// inside its field, NUL-terminated, and never grows in the clean-up.
#include <cstring>
#include <string>
#include <string_view>

#include "common/character_record.h"
#include "common/profile_entry.h"
#include "fuzz/fuzz_check.h"

namespace {

std::string keyName(char kind, int number) {
  char key[16];
  std::snprintf(key, sizeof key, "%c_PARAM_%03d", kind, number);
  return key;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  ProfileFile file = parseProfileText(text);
  CharacterRecord record{};
  for (int i = 0; i < kNumericFieldCount; ++i)
    record.n[i] = readProfileEntry(file, "Data", keyName('N', i), 0);
  for (int i = 0; i < kTextFieldCount; ++i) {
    std::memset(record.s[i], 'x', kTextCapacity);
    readProfileEntry(file, "Data", keyName('S', i), "", record.s[i], kTextCapacity);
    fuzzCheck(std::memchr(record.s[i], '\0', kTextCapacity) != nullptr, "a text ends inside its field");
  }
  // Other capacities, as the reader allows them, from the first byte.
  std::size_t capacity = size > 0 ? 1 + data[0] * 5u : 1;
  std::string out(capacity, 'x');
  readProfileEntry(file, "data", "s_param_000", "fallback", out.data(), capacity);
  fuzzCheck(std::strlen(out.c_str()) < capacity, "a text fits its capacity");
  // The clean-up on the whole input.
  std::string cleaned(size + 1, 'x');
  std::size_t length = cleanProfileText(text, cleaned.data());
  fuzzCheck(length <= size && cleaned[length] == '\0', "the clean-up never grows a text");
  return 0;
}
