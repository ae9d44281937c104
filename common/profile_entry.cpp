#include "common/profile_entry.h"

#include <algorithm>
#include <cstring>

#include "common/sjis_lead_byte.h"

namespace {

// Windows' profile string read drops one pair of matching quotes (' or ")
// around a whole value before the text is cut to size, so a quoted name keeps
// its inner blanks only until the clean-up and a '#' inside quotes still cuts.
std::string_view withoutQuotes(std::string_view text) {
  bool quoted =
      text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
  return quoted ? text.substr(1, text.size() - 2) : text;
}

// The length of the longest start of `text` of at most `room` bytes that
// ends on a character boundary: a long name is cut before a two-byte
// Shift-JIS character that does not fit, as Windows cuts it, never inside it.
std::size_t wholeCharactersIn(std::string_view text, std::size_t room) {
  std::size_t end = 0;
  while (end < text.size()) {
    bool pair = isShiftJisLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size();
    std::size_t width = pair ? 2 : 1;
    if (end + width > room) break;
    end += width;
  }
  return end;
}

}  // namespace

Int readProfileEntry(const ProfileFile& file, std::string_view section, std::string_view key, Int fallback) {
  auto value = profileValue(file, section, key);
  return value ? Int(profileIntOf(*value)) : fallback;
}

void readProfileEntry(const ProfileFile& file, std::string_view section, std::string_view key,
                      std::string_view fallback, char* out, std::size_t capacity) {
  if (capacity == 0) return;
  if (capacity >= 1024) {
    std::size_t length = std::min(fallback.size(), capacity - 1);
    std::memcpy(out, fallback.data(), length);
    out[length] = '\0';
    return;
  }
  std::string_view text = profileValue(file, section, key).value_or(fallback);
  text = withoutQuotes(text);
  text = text.substr(0, wholeCharactersIn(text, capacity - 1));
  cleanProfileText(text, out);
}

std::size_t cleanProfileText(std::string_view source, char* destination) {
  std::string_view text = source;
  if (std::size_t hash = text.find('#'); hash != std::string_view::npos) text = text.substr(0, hash);
  if (std::size_t slashes = text.find("//"); slashes != std::string_view::npos)
    text = text.substr(0, slashes);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  std::memmove(destination, text.data(), text.size());
  destination[text.size()] = '\0';
  return text.size();
}
