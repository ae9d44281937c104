// A test-only LD_PRELOAD library that makes file-system calls fail, kills the
// process at a chosen call, or changes a file at the moment a rename runs, so
// the tests can show what the programs do on a failing disk or a racing
// product. Configured by the environment of the program under test:
//
//   FAULT_FAIL=op:name:errno[,...]  op is open, read, rename or link; the
//       call on a path whose last component is `name` (or that ends in what
//       follows a leading '*') fails with `errno` (a number); for rename and
//       link either name counts. read fails on a file opened under the name.
//       A fourth field op:name:errno:n fails only the first n such calls.
//   FAULT_KILL_MATCH=suffix, FAULT_KILL_AT=n  counts the calls that touch a
//       path ending in `suffix` (open, write, ftruncate, fchmod, fsync,
//       rename, close of such a file) and raises SIGKILL at the n-th.
//   FAULT_SWAP_MATCH=suffix, FAULT_SWAP_PATH=path, FAULT_SWAP_KIND=kind,
//   FAULT_SWAP_WHEN=before|after  once, around the first rename or link
//       whose source ends in `suffix`: replaces `path` by a symlink, fifo,
//       folder or file ("file" writes "swapped").
//   FAULT_RMDIR_CWD=1  removes the (empty) current folder as the program
//       starts, as if the host had removed it under the running program.
//   FAULT_LOG=path  appends one line per injected fault, and with
//       FAULT_TRACE=1 one line per open.
//
// Everything here is per process and deliberately simple; it is never part
// of a program that ships.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int kMaxFds = 4096;
bool readFails[kMaxFds];
int readErrno[kMaxFds];
bool killTracked[kMaxFds];
long killCount = 0;
bool swapDone = false;

// "*.tmp" matches any path ending in ".tmp"; "name" matches a path whose
// last component is "name".
bool endsWith(const char* text, const char* suffix) {
  if (text == nullptr || suffix == nullptr || *suffix == '\0') return false;
  bool anyEnd = suffix[0] == '*';
  if (anyEnd) ++suffix;
  size_t a = strlen(text), b = strlen(suffix);
  if (a < b || strcmp(text + a - b, suffix) != 0) return false;
  return anyEnd || a == b || text[a - b - 1] == '/';
}

void logLine(const char* what, const char* path) {
  const char* log = getenv("FAULT_LOG");
  if (log == nullptr) return;
  char line[4200];
  int length = snprintf(line, sizeof line, "%s %s\n", what, path != nullptr ? path : "-");
  if (length <= 0) return;
  using OpenFn = int (*)(const char*, int, ...);
  static OpenFn realOpen = reinterpret_cast<OpenFn>(dlsym(RTLD_NEXT, "open"));
  int fd = realOpen(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;
  ssize_t ignored = ::write(fd, line, static_cast<size_t>(length));
  (void)ignored;
  ::close(fd);
}

// The errno that FAULT_FAIL names for `op` on `path`, or 0. An item with a
// fourth field fails only that many times.
int failureFor(const char* op, const char* path) {
  static int used[32];
  const char* rule = getenv("FAULT_FAIL");
  if (rule == nullptr || path == nullptr) return 0;
  char copy[1024];
  snprintf(copy, sizeof copy, "%s", rule);
  char* save = nullptr;
  int index = 0;
  for (char* item = strtok_r(copy, ",", &save); item != nullptr && index < 32;
       item = strtok_r(nullptr, ",", &save), ++index) {
    char* fields[4] = {item, nullptr, nullptr, nullptr};
    for (int f = 1; f < 4; ++f) {
      fields[f] = fields[f - 1] != nullptr ? strchr(fields[f - 1], ':') : nullptr;
      if (fields[f] != nullptr) *fields[f]++ = '\0';
    }
    if (fields[2] == nullptr || strcmp(fields[0], op) != 0 || !endsWith(path, fields[1])) continue;
    if (fields[3] != nullptr && used[index] >= atoi(fields[3])) continue;
    ++used[index];
    return atoi(fields[2]);
  }
  return 0;
}

void countForKill(const char* path, bool tracked) {
  const char* match = getenv("FAULT_KILL_MATCH");
  const char* at = getenv("FAULT_KILL_AT");
  if (match == nullptr || at == nullptr) return;
  if (!tracked && !endsWith(path, match)) return;
  if (++killCount == atol(at)) {
    logLine("kill", path);
    raise(SIGKILL);
  }
}

void swapNow() {
  const char* path = getenv("FAULT_SWAP_PATH");
  const char* kind = getenv("FAULT_SWAP_KIND");
  if (path == nullptr || kind == nullptr) return;
  swapDone = true;
  logLine("swap", path);
  ::unlink(path);
  ::rmdir(path);
  if (strcmp(kind, "symlink") == 0) {
    int ignored = ::symlink("/etc/hostname", path);
    (void)ignored;
  } else if (strcmp(kind, "fifo") == 0) {
    ::mkfifo(path, 0600);
  } else if (strcmp(kind, "folder") == 0) {
    ::mkdir(path, 0700);
  } else {
    using OpenFn = int (*)(const char*, int, ...);
    static OpenFn realOpen = reinterpret_cast<OpenFn>(dlsym(RTLD_NEXT, "open"));
    int fd = realOpen(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
      ssize_t ignored = ::write(fd, "swapped", 7);
      (void)ignored;
      ::close(fd);
    }
  }
}

bool swapDue(const char* source, const char* when) {
  const char* match = getenv("FAULT_SWAP_MATCH");
  const char* at = getenv("FAULT_SWAP_WHEN");
  return !swapDone && match != nullptr && at != nullptr && strcmp(at, when) == 0 && endsWith(source, match);
}

void afterOpen(int fd, const char* path) {
  if (getenv("FAULT_TRACE") != nullptr) logLine("open", path);
  if (fd < 0 || fd >= kMaxFds) return;
  int error = failureFor("read", path);
  readFails[fd] = error != 0;
  readErrno[fd] = error;
  const char* match = getenv("FAULT_KILL_MATCH");
  killTracked[fd] = match != nullptr && endsWith(path, match);
  if (killTracked[fd]) countForKill(path, true);
}

int openWith(const char* name, int dirfd, const char* path, int flags, mode_t mode) {
  if (int error = failureFor("open", path)) {
    logLine("fail-open", path);
    errno = error;
    return -1;
  }
  int fd;
  if (dirfd == AT_FDCWD && strcmp(name, "openat") != 0 && strcmp(name, "openat64") != 0) {
    using Fn = int (*)(const char*, int, ...);
    static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "open"));
    fd = real(path, flags, mode);
  } else {
    using Fn = int (*)(int, const char*, int, ...);
    static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "openat"));
    fd = real(dirfd, path, flags, mode);
  }
  int saved = errno;
  afterOpen(fd, path);
  errno = saved;
  return fd;
}

mode_t modeOf(int flags, va_list args) {
  return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

bool trackedFd(int fd) { return fd >= 0 && fd < kMaxFds && killTracked[fd]; }

int renameWith(const char* op, const char* from, const char* to, int (*forward)(void*), void* context) {
  int error = failureFor(op, from);
  if (error == 0) error = failureFor(op, to);
  if (error != 0) {
    logLine(op, from);
    errno = error;
    return -1;
  }
  if (swapDue(from, "before")) swapNow();
  countForKill(from, false);
  int result = forward(context);
  int saved = errno;
  if (result == 0 && swapDue(from, "after")) swapNow();
  errno = saved;
  return result;
}

__attribute__((constructor)) void removeCurrentFolder() {
  if (getenv("FAULT_RMDIR_CWD") == nullptr) return;
  char folder[4096];
  if (getcwd(folder, sizeof folder) != nullptr) ::rmdir(folder);
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  return openWith("open", AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  return openWith("open", AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  return openWith("openat", dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  mode_t mode = modeOf(flags, args);
  va_end(args);
  return openWith("openat", dirfd, path, flags, mode);
}

ssize_t read(int fd, void* buffer, size_t count) {
  if (fd >= 0 && fd < kMaxFds && readFails[fd]) {
    logLine("fail-read", "-");
    errno = readErrno[fd];
    return -1;
  }
  using Fn = ssize_t (*)(int, void*, size_t);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "read"));
  return real(fd, buffer, count);
}

// The programs read whole files through stdio, whose own reads do not pass
// through read() above.
size_t fread(void* buffer, size_t size, size_t count, FILE* stream) {
  int fd = fileno(stream);
  if (fd >= 0 && fd < kMaxFds && readFails[fd]) {
    logLine("fail-read", "-");
    errno = readErrno[fd];
    return 0;
  }
  using Fn = size_t (*)(void*, size_t, size_t, FILE*);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fread"));
  return real(buffer, size, count, stream);
}

int ferror(FILE* stream) {
  int fd = fileno(stream);
  if (fd >= 0 && fd < kMaxFds && readFails[fd]) return 1;
  using Fn = int (*)(FILE*);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "ferror"));
  return real(stream);
}

ssize_t write(int fd, const void* buffer, size_t count) {
  if (trackedFd(fd)) countForKill(nullptr, true);
  using Fn = ssize_t (*)(int, const void*, size_t);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "write"));
  return real(fd, buffer, count);
}

int fsync(int fd) {
  if (trackedFd(fd)) countForKill(nullptr, true);
  using Fn = int (*)(int);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fsync"));
  return real(fd);
}

int ftruncate(int fd, off_t length) {
  if (trackedFd(fd)) countForKill(nullptr, true);
  using Fn = int (*)(int, off_t);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "ftruncate"));
  return real(fd, length);
}

int fchmod(int fd, mode_t mode) {
  if (trackedFd(fd)) countForKill(nullptr, true);
  using Fn = int (*)(int, mode_t);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fchmod"));
  return real(fd, mode);
}

int close(int fd) {
  bool tracked = trackedFd(fd);
  if (fd >= 0 && fd < kMaxFds) readFails[fd] = killTracked[fd] = false;
  if (tracked) countForKill(nullptr, true);
  using Fn = int (*)(int);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "close"));
  return real(fd);
}

struct RenameCall {
  int fromFd;
  const char* from;
  int toFd;
  const char* to;
  unsigned flags;
};

int rename(const char* from, const char* to) {
  RenameCall call{AT_FDCWD, from, AT_FDCWD, to, 0};
  return renameWith(
      "rename", from, to,
      [](void* context) {
        auto* c = static_cast<RenameCall*>(context);
        using Fn = int (*)(const char*, const char*);
        static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "rename"));
        return real(c->from, c->to);
      },
      &call);
}

int renameat(int fromFd, const char* from, int toFd, const char* to) {
  RenameCall call{fromFd, from, toFd, to, 0};
  return renameWith(
      "rename", from, to,
      [](void* context) {
        auto* c = static_cast<RenameCall*>(context);
        using Fn = int (*)(int, const char*, int, const char*);
        static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "renameat"));
        return real(c->fromFd, c->from, c->toFd, c->to);
      },
      &call);
}

int renameat2(int fromFd, const char* from, int toFd, const char* to, unsigned flags) {
  RenameCall call{fromFd, from, toFd, to, flags};
  return renameWith(
      "rename", from, to,
      [](void* context) {
        auto* c = static_cast<RenameCall*>(context);
        using Fn = int (*)(int, const char*, int, const char*, unsigned);
        static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "renameat2"));
        return real(c->fromFd, c->from, c->toFd, c->to, c->flags);
      },
      &call);
}

int link(const char* from, const char* to) {
  RenameCall call{AT_FDCWD, from, AT_FDCWD, to, 0};
  return renameWith(
      "link", from, to,
      [](void* context) {
        auto* c = static_cast<RenameCall*>(context);
        using Fn = int (*)(const char*, const char*);
        static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "link"));
        return real(c->from, c->to);
      },
      &call);
}

}  // extern "C"
