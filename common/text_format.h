// printf-style formatting of report lines over bytes, independent of the
// locale: %s, %d (with an optional zero-padded width such as %02d), %X and %%.
// Shift-JIS text passes through unchanged: no trail byte is ever '%'.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/game_int.h"

struct TextArg {
  enum Kind { Number, Text } kind;
  std::int64_t number = 0;
  std::string_view text;

  TextArg(Int value) : kind(Number), number(value.v) {}
  TextArg(int value) : kind(Number), number(value) {}
  TextArg(unsigned value) : kind(Number), number(value) {}
  TextArg(std::string_view value) : kind(Text), text(value) {}
  TextArg(const char* value) : kind(Text), text(value) {}
};

// Appends `format` with its placeholders filled from `args` in order.
void appendFormatted(std::string& out, std::string_view format, std::initializer_list<TextArg> args);

inline std::string formatText(std::string_view format, std::initializer_list<TextArg> args) {
  std::string out;
  appendFormatted(out, format, args);
  return out;
}
