#include "platform/files.h"

#include "platform/file_open.h"

#include <utility>

ReadStatus readWholeFile(const std::string& path, std::string& contents) {
  bool missing = false;
  std::FILE* file = openForReading(path, missing);
  if (file == nullptr) return missing ? ReadStatus::Missing : ReadStatus::Failed;
  contents.clear();
  char buffer[8192];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, got);
  bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok ? ReadStatus::Read : ReadStatus::Failed;
}

void copyFileBytes(const std::string& path, OutputFile& out) {
  std::string bytes;
  if (readWholeFile(path, bytes) == ReadStatus::Read) out.writeBytes(bytes);
}

OutputFile::OutputFile(OutputFile&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
  if (this != &other) {
    close();
    file_ = std::exchange(other.file_, nullptr);
  }
  return *this;
}

OutputFile::~OutputFile() { close(); }

OutputFile OutputFile::create(const std::string& path) { return OutputFile(openForWriting(path, false)); }

OutputFile OutputFile::append(const std::string& path) { return OutputFile(openForWriting(path, true)); }

void OutputFile::write(std::string_view text) {
  if (file_ == nullptr) return;
  while (!text.empty()) {
    std::size_t lineFeed = text.find('\n');
    std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed;
    std::fwrite(text.data(), 1, end, file_);
    if (lineFeed == std::string_view::npos) break;
    std::fwrite("\r\n", 1, 2, file_);
    text.remove_prefix(end + 1);
  }
}

void OutputFile::writeBytes(std::string_view bytes) {
  if (file_ != nullptr) std::fwrite(bytes.data(), 1, bytes.size(), file_);
}

void OutputFile::close() {
  if (file_ != nullptr) std::fclose(std::exchange(file_, nullptr));
}
