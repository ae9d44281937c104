#include "platform/profile_file.h"

#include "platform/files.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The name of a section header line, or nothing for any other line.
std::optional<std::string_view> sectionNameOf(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  std::size_t close = line.find(']');
  if (close != std::string_view::npos) line = line.substr(0, close);
  return trim(line);
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// A KEY=value line, or nothing for comments and lines without '='.
std::optional<KeyLine> keyLineOf(std::string_view line) {
  std::string_view content = trim(line);
  if (content.empty() || content.front() == ';') return std::nullopt;
  std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{trim(content.substr(0, equals)), trim(content.substr(equals + 1))};
}

struct SectionSpan {
  std::size_t header;  // index of the header line
  std::size_t end;     // one past the last line of the section
};

std::optional<SectionSpan> findSection(const ProfileFile& file, std::string_view section) {
  const auto& lines = file.lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto name = sectionNameOf(lines[i]);
    if (!name || !equalsIgnoringCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !sectionNameOf(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const ProfileFile& file, SectionSpan span, std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    auto entry = keyLineOf(file.lines[i]);
    if (entry && equalsIgnoringCase(entry->key, key)) return i;
  }
  return std::nullopt;
}

}  // namespace

ProfileFile parseProfileText(std::string_view text) {
  ProfileFile file;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    file.lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return file;
}

ProfileFile readProfileFile(const std::string& path) {
  return readProfileFileForUpdate(path).value_or(ProfileFile{});
}

std::optional<ProfileFile> readProfileFileForUpdate(const std::string& path) {
  std::string text;
  switch (readWholeFile(path, text)) {
    case ReadStatus::Read:
      return parseProfileText(text);
    case ReadStatus::Missing:
      return ProfileFile{};
    case ReadStatus::Failed:
      break;
  }
  return std::nullopt;
}

std::optional<std::string_view> profileValue(const ProfileFile& file, std::string_view section,
                                             std::string_view key) {
  auto span = findSection(file, section);
  if (!span) return std::nullopt;
  auto line = findKey(file, *span, key);
  if (!line) return std::nullopt;
  return keyLineOf(file.lines[*line])->value;
}

std::int32_t profileIntOf(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

void setProfileValue(ProfileFile& file, std::string_view section, std::string_view key,
                     std::string_view value) {
  auto span = findSection(file, section);
  if (!span) {
    file.lines.push_back("[" + std::string(section) + "]");
    file.lines.push_back(std::string(key) + "=" + std::string(value));
    return;
  }
  if (auto line = findKey(file, *span, key)) {
    std::string found(keyLineOf(file.lines[*line])->key);
    file.lines[*line] = found + "=" + std::string(value);
    return;
  }
  std::size_t last = span->end;
  while (last > span->header + 1 && trim(file.lines[last - 1]).empty()) --last;
  file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(last),
                    std::string(key) + "=" + std::string(value));
}

std::string profileText(const ProfileFile& file) {
  std::string text;
  for (const auto& line : file.lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

bool writeProfileFile(const ProfileFile& file, const std::string& path) {
  return replaceFileAtomically(path, profileText(file));
}
