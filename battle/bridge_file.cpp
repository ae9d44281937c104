#include "battle/bridge_file.h"

#include <string_view>

#include "platform/files.h"
#include "platform/paths.h"

namespace {

constexpr std::size_t kEnemyNameRoom = 254;
constexpr std::size_t kReportNameRoom = 1022;

// Text mode as the host's platform reads it: CRLF becomes LF, a lone CR stays.
std::string textModeOf(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += bytes[i];
  }
  return text;
}

}  // namespace

std::optional<BridgeFile> readBridgeFile(const std::string& folder) {
  std::string bytes;
  if (readWholeFile(joinPath(folder, "Bridge.txt"), bytes) != ReadStatus::Read) return std::nullopt;
  return parseBridgeText(bytes);
}

std::optional<BridgeFile> parseBridgeText(std::string_view bytes) {
  std::string text = textModeOf(bytes);
  BridgeFile bridge{};
  std::string_view rest = text;
  for (int i = 0; i < 5; ++i) {
    bridge.present[i] = !rest.empty();
    std::size_t lineFeed = rest.find('\n');
    std::size_t length = lineFeed == std::string_view::npos ? rest.size() : lineFeed;
    std::size_t room = i < 3 ? kEnemyNameRoom : kReportNameRoom;
    if (length > room) return std::nullopt;
    // Lines 1 to 3 keep their line end (the entry drops the last character);
    // lines 4 and 5 end before it.
    std::size_t kept = (i < 3 && lineFeed != std::string_view::npos) ? length + 1 : length;
    bridge.lines[i] = std::string(rest.substr(0, kept));
    rest.remove_prefix(lineFeed == std::string_view::npos ? rest.size() : lineFeed + 1);
  }
  return bridge;
}
