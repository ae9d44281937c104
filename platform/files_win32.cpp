#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "common/sjis_lead_byte.h"
#include "platform/file_open.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

// Handles made here are never inheritable (a null SECURITY_ATTRIBUTES), so a
// program started by battle holds none of our files open.
HANDLE openHandle(const std::string& path, DWORD access, DWORD disposition) {
  return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Binary mode: the callers write CRLF themselves.
std::FILE* streamOf(HANDLE handle, int flags, const char* mode) {
  int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
  if (fd < 0) {
    ::CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = ::_fdopen(fd, mode);
  if (file == nullptr) ::_close(fd);
  return file;
}

bool writeAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > 0x10000000u ? 0x10000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Inputs and outputs are files on disk only: a console, a pipe or another
// device (CON, NUL, COM1, ...) would block or never end.
bool isDiskFile(HANDLE handle) { return ::GetFileType(handle) == FILE_TYPE_DISK; }

// The volume and index of the file a name leads to; false when it cannot
// be opened (missing). Folders are opened too.
bool fileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE handle = ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  bool ok = ::GetFileInformationByHandle(handle, &info) != 0;
  ::CloseHandle(handle);
  return ok;
}

bool sameFileAt(const std::string& a, const std::string& b, bool& bothExist) {
  BY_HANDLE_FILE_INFORMATION x{}, y{};
  bool hasX = fileIdentity(a, x), hasY = fileIdentity(b, y);
  bothExist = hasX && hasY;
  return bothExist && x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
         x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

std::size_t lastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

// Windows names ignore the case of ASCII letters; the second byte of a
// two-byte Shift-JIS character is compared as it is.
bool sameLeaf(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (isShiftJisLeadByte(x) && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

bool namesSameFile(const std::string& a, const std::string& b) {
  bool bothExist = false;
  if (sameFileAt(a, b, bothExist)) return true;
  BY_HANDLE_FILE_INFORMATION info{};
  if (bothExist || fileIdentity(a, info) || fileIdentity(b, info)) return false;
  std::size_t x = lastSeparator(a), y = lastSeparator(b);
  if (x == std::string::npos || y == std::string::npos) return false;
  bool foldersExist = false;
  return sameLeaf(a.substr(x + 1), b.substr(y + 1)) &&
         sameFileAt(a.substr(0, x), b.substr(0, y), foldersExist);
}

std::FILE* openForReading(const std::string& path, bool& missing) {
  HANDLE handle = openHandle(path, GENERIC_READ, OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) {
    DWORD error = ::GetLastError();
    missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return nullptr;
  }
  missing = false;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!isDiskFile(handle) || !::GetFileInformationByHandle(handle, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    ::CloseHandle(handle);
    return nullptr;
  }
  return streamOf(handle, _O_RDONLY, "rb");
}

std::FILE* openForWriting(const std::string& path, bool append) {
  if (append) {
    HANDLE handle = openHandle(path, FILE_APPEND_DATA | SYNCHRONIZE, OPEN_ALWAYS);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (isDiskFile(handle)) return streamOf(handle, _O_WRONLY | _O_APPEND, "ab");
    ::CloseHandle(handle);
    return nullptr;
  }
  HANDLE handle = openHandle(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  if (isDiskFile(handle)) return streamOf(handle, _O_WRONLY, "wb");
  ::CloseHandle(handle);
  return nullptr;
}

// The temporary file has a fixed name beside the file, so a run killed
// while writing leaves at most that one file, which the next write-back
// reuses. It is opened without sharing: a second writer fails and the file
// keeps its old contents.
bool replaceFileAtomically(const std::string& path, std::string_view contents) {
  std::string temporary = path + ".tmp";
  HANDLE handle = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  if (!isDiskFile(handle)) {
    ::CloseHandle(handle);
    return false;
  }
  bool ok = writeAll(handle, contents) && ::FlushFileBuffers(handle);
  ok = ::CloseHandle(handle) && ok;
  if (ok) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      ok = ::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      ok = false;
    } else {
      // ReplaceFile keeps the old file's attributes and security.
      ok = ::ReplaceFileA(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                          nullptr) ||
           ::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
  }
  if (!ok) ::DeleteFileA(temporary.c_str());
  return ok;
}
