#include "common/text_format.h"

namespace {

void appendNumber(std::string& out, std::int64_t value, int width, bool hex) {
  char digits[24];
  int count = 0;
  bool negative = !hex && value < 0;
  std::uint64_t magnitude =
      hex ? static_cast<std::uint32_t>(value)
          : (negative ? 0u - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
  unsigned base = hex ? 16 : 10;
  do {
    digits[count++] = "0123456789ABCDEF"[magnitude % base];
    magnitude /= base;
  } while (magnitude != 0);
  if (negative) out += '-';
  for (int pad = count + (negative ? 1 : 0); pad < width; ++pad) out += '0';
  while (count > 0) out += digits[--count];
}

}  // namespace

void appendFormatted(std::string& out, std::string_view format, std::initializer_list<TextArg> args) {
  const TextArg* next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (c != '%' || i + 1 >= format.size()) {
      out += c;
      continue;
    }
    std::size_t j = i + 1;
    int width = 0;
    if (format[j] == '0') {
      while (j < format.size() && format[j] >= '0' && format[j] <= '9')
        width = width * 10 + (format[j++] - '0');
    }
    char conversion = j < format.size() ? format[j] : '\0';
    if (conversion == '%') {
      out += '%';
    } else if (next == args.end()) {
      out.append(format.substr(i, j + 1 - i));
    } else if (conversion == 's') {
      out += next->kind == TextArg::Text ? next->text : std::string_view();
      ++next;
    } else if (conversion == 'd' || conversion == 'X') {
      appendNumber(out, next->kind == TextArg::Number ? next->number : 0, width, conversion == 'X');
      ++next;
    } else {
      out.append(format.substr(i, j + 1 - i));
    }
    i = j;
  }
}
