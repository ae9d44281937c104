// What the host programs print when an operator asks them: --version and
// --help. The host starts them without arguments; any other command line is
// ignored, so a host that passes something by mistake still gets its battle.
#pragma once

#include <optional>

struct ProgramInfo {
  const char* name;  // the program's name, as in "battle 1.0.0"
  const char* help;  // the text of --help after its first line
};

// With exactly one argument, --version or --help, prints the version or the
// help on standard output and returns the exit code (0, or 1 when the text
// could not be written); touches no file. Otherwise returns nothing and the
// program runs as it does without arguments.
std::optional<int> answerInfoRequest(int argc, const char* const* argv, const ProgramInfo& info);
