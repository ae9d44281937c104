// The POSIX side of moveFileNoReplace, split so that tests can drive the move
// across file systems on a single one.
#pragma once

#include <string>

// Moves the regular file `from` to `to` by copying: the bytes go to a
// temporary file beside `to`, are flushed, the temporary file is linked to
// `to` (never replacing anything) and only then is `from` removed. If `from`
// cannot be removed, the copy is taken back and the move fails. On failure
// nothing is left behind and `from` is untouched.
bool moveFileByCopy(const std::string& from, const std::string& to);
