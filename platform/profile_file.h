// Profile files in the Windows initialization-file format, parsed once and
// queried by section and key, changed in memory and written back atomically.
//
// Rules: section and key names match without regard to ASCII case; blanks
// (spaces and tabs) around keys and values are not part of them; the first
// section of a name and the first occurrence of a key in it count; lines
// starting with ';' are comments. Values keep their quotes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ProfileFile {
  std::vector<std::string> lines;  // without their line ends
};

// Reads the file at `path`; a missing or unreadable file gives no lines.
ProfileFile readProfileFile(const std::string& path);

// Reads the file at `path` to update it: a missing file gives no lines, a
// file that exists but cannot be read gives nothing, so it is never replaced
// by a file that lost its other lines.
std::optional<ProfileFile> readProfileFileForUpdate(const std::string& path);

// Parses profile text (LF or CRLF line ends).
ProfileFile parseProfileText(std::string_view text);

// The value text of `key` in `section`, or nothing when either is missing.
std::optional<std::string_view> profileValue(const ProfileFile& file, std::string_view section,
                                             std::string_view key);

// An optional sign and the leading decimal digits of `text`, the rest
// ignored, wrapped to signed 32 bits; no digits read 0.
std::int32_t profileIntOf(std::string_view text);

// Sets `key` in `section` to `value` as WritePrivateProfileString does: an
// existing key's line becomes KEY=value with the key spelled as found; a
// missing key goes after the last non-blank line of the section; a missing
// section is appended at the end.
void setProfileValue(ProfileFile& file, std::string_view section, std::string_view key,
                     std::string_view value);

// The file's text with every line ended by CRLF.
std::string profileText(const ProfileFile& file);

// Writes the file to `path` through a temporary file and a rename, so a
// crash leaves either the old or the new file. Returns false on failure.
bool writeProfileFile(const ProfileFile& file, const std::string& path);
