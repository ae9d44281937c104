// The plain reproducer of a fuzz target: replays every file named on the
// command line, and every file of every folder named there, through the
// target once. A crash or a failed property ends it like the fuzzer would.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"

namespace fs = std::filesystem;

namespace {

void replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  long replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<fs::path> files;
    if (fs::is_directory(argv[i])) {
      for (const auto& entry : fs::directory_iterator(argv[i]))
        if (entry.is_regular_file()) files.push_back(entry.path());
      std::sort(files.begin(), files.end());
    } else {
      files.emplace_back(argv[i]);
    }
    for (const auto& file : files) {
      replay(file);
      ++replayed;
    }
  }
  std::printf("replayed %ld inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
