#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>

#include "platform/file_open.h"
#include "platform/files.h"

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

// A new file beside `path` that no other writer can have: created with
// CREATE_NEW under a name of this process and a counter.
HANDLE createTemporaryBeside(const std::string& path, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary =
        path + "." + std::to_string(::GetCurrentProcessId()) + "." + std::to_string(counter++) + ".tmp";
    HANDLE handle = openHandle(temporary, GENERIC_WRITE, CREATE_NEW);
    if (handle != INVALID_HANDLE_VALUE) return handle;
    if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

std::FILE* openForReading(const std::string& path, bool& missing) {
  HANDLE handle = openHandle(path, GENERIC_READ, OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) {
    DWORD error = ::GetLastError();
    missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return nullptr;
  }
  missing = false;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(handle, &info) ||
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
    return streamOf(handle, _O_WRONLY | _O_APPEND, "ab");
  }
  HANDLE handle = openHandle(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return streamOf(handle, _O_WRONLY, "wb");
}

bool replaceFileAtomically(const std::string& path, std::string_view contents) {
  std::string temporary;
  HANDLE handle = createTemporaryBeside(path, temporary);
  if (handle == INVALID_HANDLE_VALUE) return false;
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
