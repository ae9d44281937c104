#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_open.h"
#include "platform/files.h"
#include "platform/files_posix.h"
#include "platform/paths.h"

namespace {

std::FILE* openDescriptor(const std::string& path, int flags, const char* mode) {
  int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, mode);
  if (file == nullptr) ::close(fd);
  return file;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::FILE* openForReading(const std::string& path, bool& missing) {
  std::FILE* file = openDescriptor(path, O_RDONLY, "rb");
  missing = file == nullptr && (errno == ENOENT || errno == ENOTDIR);
  if (file == nullptr) return nullptr;
  struct stat info {};
  if (::fstat(::fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

std::FILE* openForWriting(const std::string& path, bool append) {
  if (append) return openDescriptor(path, O_WRONLY | O_CREAT | O_APPEND, "ab");
  return openDescriptor(path, O_WRONLY | O_CREAT | O_TRUNC, "wb");
}

bool replaceFileAtomically(const std::string& path, std::string_view contents) {
  std::string temporary = path + ".XXXXXX";
  int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  struct stat old {};
  mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, contents) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolderOf(path);
  return true;
}

void syncFolderOf(const std::string& path) {
  int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  ::fsync(folder);
  ::close(folder);
}
