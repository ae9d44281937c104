// Text literals of the game, written in the source as UTF-8 and turned into
// CP932 (the Windows Shift-JIS code page) by the compiler. Output never
// depends on the locale or on conversion modules: the table travels with the
// code.
//
//   std::string_view line = "★　　ミス！！<br>\n"_sj;
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sjis {

struct Cp932Row {
  std::uint16_t codePoint;
  std::uint16_t bytes;
  std::uint8_t decodesBack;  // 1: the bytes decode to this code point
};

inline constexpr Cp932Row kCp932[] = {
#include "cp932_table.inc"
};

// CP932 bytes of a code point, or -1 when the code page has none.
constexpr std::int32_t cp932Of(std::uint32_t codePoint) {
  if (codePoint < 0x80) return static_cast<std::int32_t>(codePoint);
  std::size_t low = 0, high = std::size(kCp932);
  while (low < high) {
    std::size_t mid = (low + high) / 2;
    if (kCp932[mid].codePoint < codePoint) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  if (low < std::size(kCp932) && kCp932[low].codePoint == codePoint) return kCp932[low].bytes;
  return -1;
}

// A UTF-8 literal as a template argument.
template <std::size_t N>
struct Utf8Literal {
  char chars[N]{};
  constexpr Utf8Literal(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) chars[i] = text[i];
  }
};

// The CP932 form of a literal; never longer than its UTF-8 form.
template <std::size_t N>
struct Cp932Text {
  char chars[N]{};
  std::size_t size = 0;
};

template <std::size_t N>
consteval Cp932Text<N> toCp932(const Utf8Literal<N>& in) {
  Cp932Text<N> out;
  std::size_t i = 0;
  while (i + 1 < N) {  // the last char is the terminating NUL
    auto byte = [&](std::size_t k) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(in.chars[k]));
    };
    std::uint32_t lead = byte(i);
    std::uint32_t codePoint = 0;
    std::size_t length = 1;
    if (lead < 0x80) {
      codePoint = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      codePoint = lead & 0x1F;
      length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
      codePoint = lead & 0x0F;
      length = 3;
    } else {
      throw "literal holds a character outside the BMP";
    }
    if (i + length >= N) throw "literal ends inside a UTF-8 sequence";
    for (std::size_t k = 1; k < length; ++k) codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    std::int32_t bytes = cp932Of(codePoint);
    if (bytes < 0) throw "literal holds a character that CP932 cannot encode";
    if (bytes > 0xFF) out.chars[out.size++] = static_cast<char>(bytes >> 8);
    out.chars[out.size++] = static_cast<char>(bytes & 0xFF);
    i += length;
  }
  return out;
}

template <Utf8Literal S>
inline constexpr auto kConverted = toCp932(S);

}  // namespace sjis

template <sjis::Utf8Literal S>
constexpr std::string_view operator""_sj() {
  return {sjis::kConverted<S>.chars, sjis::kConverted<S>.size};
}
