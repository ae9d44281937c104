// Reading single values of a profile file as the character record needs them.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/game_int.h"
#include "platform/profile_file.h"

// The number of `key` in `section`, or `fallback` when the key is missing.
Int readProfileEntry(const ProfileFile& file, std::string_view section, std::string_view key, Int fallback);

// The text of `key` in `section` (or `fallback` when missing), without one
// pair of matching quotes (' or ") around it, cut to capacity - 1 bytes (less
// one when the cut would split a two-byte Shift-JIS character), then cleaned,
// into `out`. A capacity of 1024 or more
// is refused: `out` receives `fallback` and nothing is read.
void readProfileEntry(const ProfileFile& file, std::string_view section, std::string_view key,
                      std::string_view fallback, char* out, std::size_t capacity);

// Copies `source` into `destination` (which holds at least source.size() + 1
// bytes) and cleans it: the text ends before the first '#' and then before the
// first "//", trailing blanks and tabs go, and one pair of surrounding double
// quotes is removed. Returns the length of the result.
std::size_t cleanProfileText(std::string_view source, char* destination);
