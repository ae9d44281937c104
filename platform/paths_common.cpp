#include "platform/paths.h"

#include "common/sjis_lead_byte.h"

std::string nativeName(std::string_view name) {
  std::string out(name);
  if (kPathSeparator == '\\') return out;
  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(out[i]);
    if (isShiftJisLeadByte(byte) && i + 1 < out.size()) {
      ++i;  // the trail byte may be 0x5C and is no separator
    } else if (byte == '\\') {
      out[i] = kPathSeparator;
    }
  }
  return out;
}

std::string joinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += kPathSeparator;
  path += nativeName(name);
  return path;
}

std::string folderOf(std::string_view path) {
  std::size_t separator = path.find_last_of(kPathSeparators);
  if (separator == std::string_view::npos) return ".";
  return std::string(path.substr(0, separator == 0 ? 1 : separator));
}
