// The POSIX pieces that the file and move sides share.
#pragma once

#include <string>

// Flushes the folder that holds `path` to disk, so that a rename or link in
// it survives a crash; nothing when the folder cannot be opened.
void syncFolderOf(const std::string& path);
