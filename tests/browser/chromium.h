// Headless Chromium for the browser tests: where it is, and the page as the
// browser decoded and parsed it.
#pragma once

#include <string>
#include <vector>

// The chromium program of PATH, or empty when there is none (the tests then
// skip themselves).
std::string findChromium();

// Runs `argv` with its standard output in the file `output` and its error
// output dropped; returns the exit code.
int runCapturing(const std::vector<std::string>& argv, const std::string& output);

// The page at `file` (an absolute path) opened by `chromium` in a fresh
// profile, serialised back to HTML (UTF-8); `code` receives chromium's exit
// code.
std::string browserDom(const std::string& chromium, const std::string& file, int& code);
