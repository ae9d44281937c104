#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/move_file.h"

namespace {

std::wstring fullWidePath(const std::string& path) {
  int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
  DWORD full = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (full == 0) return {};
  std::wstring result(full, L'\0');
  full = ::GetFullPathNameW(wide.c_str(), full, result.data(), nullptr);
  result.resize(full);
  return result;
}

bool exists(const std::string& path) {
  if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  DWORD error = ::GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

// The source itself (not what a link points to), held so that nobody can
// write, rename, replace or delete it while it is checked and moved: what is
// checked is what is moved.
HANDLE holdSource(const std::string& from) {
  HANDLE handle = ::CreateFileA(from.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return handle;
  BY_HANDLE_FILE_INFORMATION info{};
  bool regular = ::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &info) &&
                 (info.dwFileAttributes &
                  (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0;
  if (regular) return handle;
  ::CloseHandle(handle);
  return INVALID_HANDLE_VALUE;
}

// Renames the held file to `to`, never replacing it. ERROR_NOT_SAME_DEVICE
// when `to` is on another volume.
bool renameHeld(HANDLE handle, const std::string& to) {
  std::wstring target = fullWidePath(to);
  if (target.empty()) return false;
  std::size_t bytes = sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t);
  std::vector<unsigned char> buffer(bytes, 0);
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  rename->ReplaceIfExists = FALSE;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
  std::memcpy(rename->FileName, target.c_str(), target.size() * sizeof(wchar_t));
  return ::SetFileInformationByHandle(handle, FileRenameInfo, rename, static_cast<DWORD>(bytes)) != 0;
}

bool deleteHeld(HANDLE handle) {
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = TRUE;
  return ::SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}

bool writeAll(HANDLE handle, const char* bytes, DWORD size) {
  while (size > 0) {
    DWORD written = 0;
    if (!::WriteFile(handle, bytes, size, &written, nullptr) || written == 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

// Across volumes: the held file's bytes go to a new temporary file beside
// `to`, which is moved into place without replacing; then the held file, and
// only it, is deleted. If it cannot be deleted, the copy goes again.
bool copyHeld(HANDLE source, const std::string& to) {
  std::string temporary = to + "." + std::to_string(::GetCurrentProcessId()) + ".tmp";
  HANDLE copy =
      ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (copy == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(source, buffer, sizeof buffer, &got, nullptr)) ok = false;
    if (!ok || got == 0) break;
    if (!writeAll(copy, buffer, got)) ok = false;
  }
  ok = ok && ::FlushFileBuffers(copy);
  ok = ::CloseHandle(copy) && ok;
  if (!ok || !::MoveFileExA(temporary.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileA(temporary.c_str());
    return false;
  }
  if (deleteHeld(source)) return true;
  ::DeleteFileA(to.c_str());
  return false;
}

}  // namespace

bool moveFileNoReplace(const std::string& from, const std::string& to) {
  if (exists(to)) return false;
  HANDLE source = holdSource(from);
  if (source == INVALID_HANDLE_VALUE) return false;
  bool moved = renameHeld(source, to);
  if (!moved && ::GetLastError() == ERROR_NOT_SAME_DEVICE) moved = copyHeld(source, to);
  ::CloseHandle(source);
  return moved;
}
