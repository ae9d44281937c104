// The current folder and the paths built from it.
#pragma once

#include <string>
#include <string_view>

// The platform's folder separator.
#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The current directory of the process; empty when it cannot be read.
std::string currentDirectory();

// A name as the host writes it (with '\' between folders) in the platform's
// form. On POSIX a backslash becomes '/', except where it is the second byte
// of a two-byte Shift-JIS character.
std::string nativeName(std::string_view name);

// folder + separator + name in the platform's form; the name alone (relative
// to the current folder) when the folder is empty.
std::string joinPath(std::string_view folder, std::string_view name);

// True when the byte opens a two-byte Shift-JIS character.
constexpr bool isShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
