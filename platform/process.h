// Starting a program without waiting for it.
#pragma once

#include <string>

// The page generator's file name on this platform.
#if defined(_WIN32)
inline constexpr const char* kPageGeneratorProgram = "pagegen.exe";
#else
inline constexpr const char* kPageGeneratorProgram = "pagegen";
#endif

// Starts `program` (a bare file name) without waiting and without a shell,
// with `workingFolder` as its current folder (the current folder when it is
// empty), on every platform. The program is looked for in the folder of the
// running executable, then in `workingFolder`, then on PATH. The child
// inherits no open file of ours and never stays behind as a zombie. Returns
// whether it started; the callers ignore it.
bool startProgramDetached(const std::string& program, const std::string& workingFolder);
