#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_open.h"
#include "platform/files.h"
#include "platform/files_posix.h"
#include "platform/paths.h"

namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Inputs and outputs are regular files only: a FIFO, a socket or a device
// would block the open or never end. O_NONBLOCK keeps the open of a FIFO from
// waiting for its other end; the check after it refuses what was opened, and
// only then is an output emptied.
std::FILE* openRegular(const std::string& path, int flags, const char* mode, bool& missing) {
  int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  missing = fd < 0 && (errno == ENOENT || errno == ENOTDIR);
  if (fd < 0) return nullptr;
  struct stat info {};
  bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  bool ready = regular && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0;
  if (ready && (flags & O_ACCMODE) != O_RDONLY && (flags & O_APPEND) == 0) ready = ::ftruncate(fd, 0) == 0;
  std::FILE* file = ready ? ::fdopen(fd, mode) : nullptr;
  if (file == nullptr) ::close(fd);
  return file;
}

std::string leafOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name a path finally stands for: a dangling link is replaced by the
// name it points to, as creating the file through it would create that one.
std::string finalName(std::string path) {
  for (int depth = 0; depth < 16; ++depth) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode) || ::stat(path.c_str(), &info) == 0)
      break;
    char target[4096];
    ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) break;
    std::string link(target, static_cast<std::size_t>(length));
    path = link[0] == '/' ? link : folderOf(path) + "/" + link;
  }
  return path;
}

bool sameFileAt(const std::string& a, const std::string& b, bool& bothExist) {
  struct stat x {
  }, y{};
  bool hasX = ::stat(a.c_str(), &x) == 0, hasY = ::stat(b.c_str(), &y) == 0;
  bothExist = hasX && hasY;
  return bothExist && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

}  // namespace

bool namesSameFile(const std::string& a, const std::string& b) {
  std::string x = finalName(a), y = finalName(b);
  bool bothExist = false;
  if (sameFileAt(x, y, bothExist)) return true;
  struct stat info {};
  if (bothExist || ::stat(x.c_str(), &info) == 0 || ::stat(y.c_str(), &info) == 0) return false;
  bool foldersExist = false;
  return leafOf(x) == leafOf(y) && sameFileAt(folderOf(x), folderOf(y), foldersExist);
}

std::FILE* openForReading(const std::string& path, bool& missing) {
  return openRegular(path, O_RDONLY, "rb", missing);
}

std::FILE* openForWriting(const std::string& path, bool append) {
  bool missing = false;
  if (append) return openRegular(path, O_WRONLY | O_CREAT | O_APPEND, "ab", missing);
  return openRegular(path, O_WRONLY | O_CREAT, "wb", missing);
}

// The temporary file has a fixed name beside the file, so a run killed
// while writing leaves at most that one file, which the next write-back
// reuses. A lock on it keeps two writers from sharing it: the second one
// fails and the file keeps its old contents.
bool replaceFileAtomically(const std::string& path, std::string_view contents) {
  std::string temporary = path + ".tmp";
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  struct stat mine {
  }, named{};
  bool ours = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
  // Another writer may have renamed the file away between our open and lock.
  ours = ours && ::fstat(fd, &mine) == 0 && S_ISREG(mine.st_mode) &&
         ::lstat(temporary.c_str(), &named) == 0 && mine.st_dev == named.st_dev &&
         mine.st_ino == named.st_ino;
  if (!ours) {
    ::close(fd);
    return false;
  }
  struct stat old {};
  mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  bool ok = ::ftruncate(fd, 0) == 0 && ::fchmod(fd, mode) == 0 && writeAll(fd, contents) && ::fsync(fd) == 0;
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  ok = ::close(fd) == 0 && ok;
  if (!ok) return false;
  syncFolderOf(path);
  return true;
}

void syncFolderOf(const std::string& path) {
  int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  ::fsync(folder);
  ::close(folder);
}
