#include "common/program_info.h"

#include <cstdio>
#include <cstring>

#include "common/version.h"

std::optional<int> answerInfoRequest(int argc, const char* const* argv, const ProgramInfo& info) {
  if (argc != 2) return std::nullopt;
  bool version = std::strcmp(argv[1], "--version") == 0;
  bool help = std::strcmp(argv[1], "--help") == 0;
  if (!version && !help) return std::nullopt;
  std::printf("%s %s\n", info.name, BATTLE_MODULE_VERSION);
  if (help) std::fputs(info.help, stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
