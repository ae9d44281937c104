#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files_posix.h"
#include "platform/move_file.h"
#include "platform/move_file_posix.h"

namespace {

// An open source file, checked to be a regular file. O_NOFOLLOW refuses a
// link; O_NONBLOCK keeps a FIFO from hanging the open.
struct Source {
  int fd = -1;
  struct stat info {};
  ~Source() {
    if (fd >= 0) ::close(fd);
  }
};

bool openSource(const std::string& from, Source& source) {
  source.fd = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (source.fd < 0) return false;
  return ::fstat(source.fd, &source.info) == 0 && S_ISREG(source.info.st_mode);
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

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Writes the source's bytes into a fresh temporary file beside `to` and
// flushes it; returns the temporary file's name, or empty on failure.
std::string writeTemporaryCopy(const Source& source, const std::string& to, struct stat& copyInfo) {
  std::string temporary = to + ".XXXXXX";
  int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return {};
  bool ok = copyAll(source.fd, fd) && ::fchmod(fd, source.info.st_mode & 07777) == 0 && ::fsync(fd) == 0 &&
            ::fstat(fd, &copyInfo) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) return temporary;
  ::unlink(temporary.c_str());
  return {};
}

// link() fails with EEXIST whatever `to` is (a file, a folder, a dangling
// link): the destination is never replaced, also against a racing creator.
bool moveWithLink(const std::string& from, const std::string& to, bool& acrossFileSystems) {
  if (::link(from.c_str(), to.c_str()) != 0) {
    acrossFileSystems = errno == EXDEV;
    return false;
  }
  if (::unlink(from.c_str()) != 0) {
    ::unlink(to.c_str());
    return false;
  }
  return true;
}

}  // namespace

bool moveFileByCopy(const std::string& from, const std::string& to) {
  Source source;
  if (!openSource(from, source)) return false;
  struct stat copyInfo {};
  std::string temporary = writeTemporaryCopy(source, to, copyInfo);
  if (temporary.empty()) return false;
  bool linked = ::link(temporary.c_str(), to.c_str()) == 0;
  ::unlink(temporary.c_str());
  if (!linked) return false;
  syncFolderOf(to);
  if (::unlink(from.c_str()) == 0) {
    syncFolderOf(from);
    return true;
  }
  // The source stays, so the copy goes again, but only if `to` is still ours.
  struct stat now {};
  if (::lstat(to.c_str(), &now) == 0 && sameFile(now, copyInfo)) ::unlink(to.c_str());
  return false;
}

bool moveFileNoReplace(const std::string& from, const std::string& to) {
  {
    Source source;
    if (!openSource(from, source)) return false;
  }
  bool acrossFileSystems = false;
#if defined(RENAME_NOREPLACE)
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    syncFolderOf(to);
    syncFolderOf(from);
    return true;
  }
  acrossFileSystems = errno == EXDEV;
  // File systems without the flag answer EINVAL; link() does the same job.
  bool unsupported = errno == EINVAL || errno == ENOSYS || errno == ENOTSUP;
  if (!acrossFileSystems && !unsupported) return false;
#endif
  if (!acrossFileSystems) {
    if (moveWithLink(from, to, acrossFileSystems)) {
      syncFolderOf(to);
      syncFolderOf(from);
      return true;
    }
    if (!acrossFileSystems) return false;
  }
  return moveFileByCopy(from, to);
}
