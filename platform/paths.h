// The current folder and the paths built from it.
#pragma once

#include <string>
#include <string_view>

// The platform's folder separator, and every byte that separates folders.
#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kPathSeparators = "\\/";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kPathSeparators = "/";
#endif

// The current directory of the process; empty when it cannot be read.
std::string currentDirectory();

// A name as the host writes it (with '\' between folders) in the platform's
// form. On POSIX a backslash becomes '/', except where it is the second byte
// of a two-byte Shift-JIS character.
std::string nativeName(std::string_view name);

// folder + separator + name in the platform's form.
std::string joinPath(std::string_view folder, std::string_view name);

// The folder part of `path`: everything before its last separator; "." when
// it has none, the root itself for a name in the root.
std::string folderOf(std::string_view path);

// True when a name in the platform's form (see nativeName) is a full path
// rather than one relative to the working folder: it starts at the root, or
// on Windows also names a drive.
bool isAbsolutePath(std::string_view nativePath);
