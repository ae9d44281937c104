// Bridge.txt, the match hand-off file: three enemy files, the battle report
// and the summary page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct BridgeFile {
  std::string lines[5];  // as read in text mode, lines 1 to 3 with their line end
  bool present[5];       // false: the file had no such line
};

// Reads Bridge.txt of `folder`. Nothing when the file cannot be opened, or
// when a line is longer than its field (254 bytes for lines 1 to 3, 1022 for
// lines 4 and 5, the line end not counted): the run then stops before any
// file is created.
std::optional<BridgeFile> readBridgeFile(const std::string& folder);

// The lines of Bridge.txt's bytes, as readBridgeFile takes them.
std::optional<BridgeFile> parseBridgeText(std::string_view bytes);
