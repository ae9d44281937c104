// What a fuzz target uses: the entry point libFuzzer calls, and a check that
// stops the run with a message when a property does not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

inline void fuzzCheck(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}
