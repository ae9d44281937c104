#include "support/test_folder.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;

TestFolder::TestFolder() {
  static std::atomic<unsigned> counter{0};
  std::random_device device;
  fs::path base = fs::temp_directory_path() /
                  ("battle-test-" + std::to_string(device()) + "-" + std::to_string(counter++));
  fs::create_directories(base);
  path_ = base.string();
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

void TestFolder::write(std::string_view name, std::string_view bytes) const {
  writeFileBytes(file(name), bytes);
}

std::string TestFolder::read(std::string_view name) const { return readFileBytes(file(name)); }

bool TestFolder::exists(std::string_view name) const { return fs::exists(file(name)); }

std::string readFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}
