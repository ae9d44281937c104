// Moving a file without ever replacing an existing destination.
#pragma once

#include <string>

// Moves the regular file `from` to `to`. Fails, changing nothing, when `to`
// exists in any form (a file, a folder, a link), also when another process
// creates it at the same moment, or when `from` is not a regular file.
// Across file systems the bytes are copied to a temporary file beside `to`,
// flushed, linked into place without replacing, and only then is `from`
// removed. Returns whether the move happened.
bool moveFileNoReplace(const std::string& from, const std::string& to);
