#include "common/sjis_decode.h"

#include <algorithm>
#include <vector>

#include "common/sjis.h"
#include "common/sjis_lead_byte.h"

std::string cp932ToUtf8(std::string_view bytes) {
  static const std::vector<sjis::Cp932Row> byBytes = [] {
    std::vector<sjis::Cp932Row> rows;
    for (const sjis::Cp932Row& row : sjis::kCp932) {
      if (row.decodesBack) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end(), [](auto a, auto b) { return a.bytes < b.bytes; });
    return rows;
  }();
  auto appendUtf8 = [](std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  };
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    std::uint16_t code = byte;
    if (byte >= 0x80 && isShiftJisLeadByte(byte) && i + 1 < bytes.size()) {
      code = static_cast<std::uint16_t>((byte << 8) | static_cast<unsigned char>(bytes[++i]));
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
      continue;
    }
    auto found = std::lower_bound(byBytes.begin(), byBytes.end(), code,
                                  [](const sjis::Cp932Row& row, std::uint16_t c) { return row.bytes < c; });
    appendUtf8(out, found != byBytes.end() && found->bytes == code ? found->codePoint : 0xFFFD);
  }
  return out;
}
