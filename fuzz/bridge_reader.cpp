// The Bridge.txt reader on arbitrary bytes: what it accepts fits the fields
// of the battle (254 bytes for an enemy file, 1022 for a report name, the
// line end not counted), and no line holds a line feed but at its end.
#include <string_view>

#include "battle/bridge_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::optional<BridgeFile> bridge = parseBridgeText(bytes);
  if (!bridge) return 0;
  for (int i = 0; i < 5; ++i) {
    std::string_view line = bridge->lines[i];
    std::size_t lineFeed = line.find('\n');
    if (i < 3) {
      fuzzCheck(lineFeed == std::string_view::npos || lineFeed == line.size() - 1,
                "a line end ends its line");
      fuzzCheck(line.size() - (lineFeed == std::string_view::npos ? 0 : 1) <= 254, "an enemy file name fits");
    } else {
      fuzzCheck(lineFeed == std::string_view::npos, "a report name holds no line end");
      fuzzCheck(line.size() <= 1022, "a report name fits");
    }
    fuzzCheck(bridge->present[i] || line.empty(), "a missing line is empty");
  }
  return 0;
}
