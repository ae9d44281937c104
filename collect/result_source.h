// Where the product leaves its result file.
#pragma once

#include <string>

#if defined(_WIN32)
inline constexpr const char* kResultSource = "C:\\Program Files\\tovanti\\qz\\kadmo\\_qzres.txt";
#else
// The install folder is fixed at build time (COLLECT_INSTALL_DIR of CMake);
// the environment variable of the same name replaces it at run time.
inline constexpr const char* kResultFileName = "_qzres.txt";
#endif

inline constexpr const char* kCollectedName = "qzres.txt";

// The full name of the result file for this run. `installFolder` is the
// environment's COLLECT_INSTALL_DIR (null when unset); ignored on Windows.
std::string resultSourcePath(const char* installFolder);
