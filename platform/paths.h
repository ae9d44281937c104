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

// folder + separator + name in the platform's form.
std::string joinPath(std::string_view folder, std::string_view name);
