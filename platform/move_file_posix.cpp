#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files_posix.h"
#include "platform/move_file.h"
#include "platform/move_file_posix.h"

namespace {

// The taken source, opened and checked to be a regular file. O_NOFOLLOW
// refuses a link; O_NONBLOCK keeps a FIFO from hanging the open.
struct Source {
  int fd = -1;
  struct stat info {};
  ~Source() {
    if (fd >= 0) ::close(fd);
  }
};

bool openSource(const std::string& path, Source& source) {
  source.fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (source.fd < 0) return false;
  return ::fstat(source.fd, &source.info) == 0 && S_ISREG(source.info.st_mode);
}

bool exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `path` still names the file `info` describes.
bool stillNames(const std::string& path, const struct stat& info) {
  struct stat now {};
  return ::lstat(path.c_str(), &now) == 0 && sameFile(now, info);
}

// Renames without ever replacing `to`. The fallback for file systems
// without RENAME_NOREPLACE links and unlinks, which is safe only for a name
// that nobody else uses: here, the private name of a taken source.
bool renameNoReplace(const std::string& from, const std::string& to) {
#if defined(RENAME_NOREPLACE)
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
#endif
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  if (::unlink(from.c_str()) == 0) return true;
  int error = errno;
  ::unlink(to.c_str());
  errno = error;
  return false;
}

// Takes the source out of the product's reach in one step: it is renamed to
// a private name in its own folder, so whatever is checked and moved after
// this is what was there at that moment, and a result that the product puts
// in place meanwhile stays where it is. Returns the private name, or empty.
std::string takeSource(const std::string& from) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string taken = from + "." + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".taken";
#if defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, taken.c_str(), RENAME_NOREPLACE) == 0) return taken;
    if (errno == EEXIST) continue;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return {};
#endif
    // A rename replaces nothing here: the private name is checked to be free.
    if (exists(taken)) continue;
    return ::rename(from.c_str(), taken.c_str()) == 0 ? taken : std::string();
  }
  return {};
}

// Puts a taken source back under its name. When the product has put a new
// result there meanwhile, the taken one stays under its private name: it is
// never removed, as it was not delivered.
void giveBack(const std::string& taken, const std::string& from) {
  if (renameNoReplace(taken, from)) syncFolderOf(from);
}

bool copyAll(int from, int to) {
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    for (ssize_t done = 0; done < got;) {
      ssize_t put = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return false;
      done += put;
    }
  }
}

// Writes the source's bytes into a fresh temporary file beside `to` and
// flushes it; returns the temporary file's name, or empty on failure. The
// copy belongs to the user running the program, so it gets the permission
// bits without set-user-ID, set-group-ID and sticky.
std::string writeTemporaryCopy(const Source& source, const std::string& to, struct stat& copyInfo) {
  std::string temporary = to + ".XXXXXX";
  int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return {};
  bool ok = copyAll(source.fd, fd) && ::fchmod(fd, source.info.st_mode & 0777) == 0 && ::fsync(fd) == 0 &&
            ::fstat(fd, &copyInfo) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) return temporary;
  ::unlink(temporary.c_str());
  return {};
}

// Copies the taken source to `to` (linked into place, never replacing), then
// removes the taken source, which only this process can name. If it cannot
// be removed, the copy is taken back and the move fails.
bool copyTaken(const Source& source, const std::string& taken, const std::string& to) {
  struct stat copyInfo {};
  std::string temporary = writeTemporaryCopy(source, to, copyInfo);
  if (temporary.empty()) return false;
  bool linked = ::link(temporary.c_str(), to.c_str()) == 0;
  ::unlink(temporary.c_str());
  if (!linked) return false;
  syncFolderOf(to);
  if (stillNames(taken, source.info) && ::unlink(taken.c_str()) == 0) {
    syncFolderOf(taken);
    return true;
  }
  if (stillNames(to, copyInfo)) ::unlink(to.c_str());
  return false;
}

bool moveFile(const std::string& from, const std::string& to, bool forceCopy) {
  if (exists(to)) return false;
  std::string taken = takeSource(from);
  if (taken.empty()) return false;
  Source source;
  bool moved = false;
  if (openSource(taken, source)) {
    if (!forceCopy && renameNoReplace(taken, to)) {
      syncFolderOf(to);
      syncFolderOf(from);
      moved = true;
    } else if (forceCopy || errno == EXDEV) {
      moved = copyTaken(source, taken, to);
    }
  }
  if (!moved) giveBack(taken, from);
  return moved;
}

}  // namespace

bool moveFileByCopy(const std::string& from, const std::string& to) { return moveFile(from, to, true); }

bool moveFileNoReplace(const std::string& from, const std::string& to) { return moveFile(from, to, false); }
