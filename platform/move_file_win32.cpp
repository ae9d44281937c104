#include <windows.h>

#include "platform/move_file.h"

// MoveFileA never replaces an existing destination (file or folder) and moves
// a file across volumes by copying it; it fails while the destination exists.
bool moveFileNoReplace(const std::string& from, const std::string& to) {
  DWORD attributes = ::GetFileAttributesA(from.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) != 0) {
    return false;
  }
  return ::MoveFileA(from.c_str(), to.c_str()) != 0;
}
