// Moving a file without ever replacing an existing destination.
#pragma once

#include <string>

// Moves the regular file `from` to `to`. First `from` is taken out of reach
// in one step (renamed to a private name beside it), then what was taken is
// checked and moved, so a source swapped at the same moment is never
// delivered in place of the one checked. Fails, putting the source back and
// changing nothing else, when `to` exists in any form (a file, a folder, a
// link), also when another process creates it at the same moment, or when
// `from` is not a regular file. Across file systems the bytes are copied to
// a temporary file beside `to`, flushed, linked into place without
// replacing, and only then is the taken source removed. Returns whether the
// move happened.
bool moveFileNoReplace(const std::string& from, const std::string& to);
