// Files as the programs use them: whole-file reads, atomic replacement, and
// output files in the Windows text mode (every "\n" is written as "\r\n").
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

enum class ReadStatus { Read, Missing, Failed };

// Reads the whole file. Missing: there is no such file; Failed: it exists but
// cannot be read (no permission, a read error, too many open files) or is not
// a regular file (a folder, a FIFO, a socket, a device).
ReadStatus readWholeFile(const std::string& path, std::string& contents);

// Replaces (or creates) the file at `path` with `contents`: the bytes go to
// the temporary file `path` + ".tmp", are flushed to disk, and the temporary
// file is renamed over the old one. False on failure; the old file is then
// untouched. A temporary file left by a killed run is reused, never added to.
bool replaceFileAtomically(const std::string& path, std::string_view contents);

// Whether the two names lead to one file: the same file (also through a
// link or a second hard link), or, when neither exists yet, the same name in
// the same folder. A dangling link counts as the name it points to.
bool namesSameFile(const std::string& a, const std::string& b);

class OutputFile;

// Copies the bytes of the file at `path` into `out`, unchanged; nothing when
// it cannot be read. The pages' header files are copied this way.
void copyFileBytes(const std::string& path, OutputFile& out);

// An output file; all files it opens are closed on exec, so a started program
// inherits none of them. Only regular files are opened (a link is followed):
// a FIFO, a socket or a device is not opened, so it can never block the
// program. Write errors are ignored, as the programs report nothing.
class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&& other) noexcept;
  ~OutputFile();

  // Creates or empties the file; not open on failure.
  static OutputFile create(const std::string& path);
  // Opens the file for appending, creating it when missing.
  static OutputFile append(const std::string& path);

  bool isOpen() const { return file_ != nullptr; }
  // Text mode: every "\n" becomes "\r\n".
  void write(std::string_view text);
  // Bytes exactly as given.
  void writeBytes(std::string_view bytes);
  void close();

 private:
  explicit OutputFile(std::FILE* file) : file_(file) {}
  std::FILE* file_ = nullptr;
};
