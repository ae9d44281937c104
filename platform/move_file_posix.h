// The POSIX side of moveFileNoReplace, split so that tests can drive the move
// across file systems on a single one.
#pragma once

#include <string>

// Moves the regular file `from` to `to` as moveFileNoReplace does across file
// systems: the taken source is copied to a temporary file beside `to`
// (without set-user-ID and set-group-ID bits), flushed, linked to `to` (never
// replacing anything) and only then removed. If it cannot be removed, the
// copy is taken back and the move fails. On failure nothing is left behind
// and `from` is where it was.
bool moveFileByCopy(const std::string& from, const std::string& to);
