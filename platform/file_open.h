// The platform side of platform/files.h: opening files so that a started
// program inherits none of them.
#pragma once

#include <cstdio>
#include <string>

// Null on failure; `missing` tells whether the file does not exist.
std::FILE* openForReading(const std::string& path, bool& missing);
std::FILE* openForWriting(const std::string& path, bool append);
