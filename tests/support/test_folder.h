// Temporary working folders and file helpers for tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/sjis_decode.h"

// A fresh empty folder under the system's temporary folder, removed with the
// object.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
  void write(std::string_view name, std::string_view bytes) const;
  std::string read(std::string_view name) const;
  bool exists(std::string_view name) const;

 private:
  std::string path_;
};

// Reads a whole file; empty when missing.
std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

// CRLF line ends as the programs write them: "\n" becomes "\r\n".
std::string crlf(std::string_view text);
