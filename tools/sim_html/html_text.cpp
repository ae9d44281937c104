#include "tools/sim_html/html_text.h"

#include <cmath>
#include <cstdio>

namespace {

// The length of the UTF-8 sequence that starts at `at`, or 0 when the bytes
// there are not a well-formed sequence (overlong forms and surrogates too).
std::size_t sequenceLength(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  std::size_t length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  }
  if (length == 3) {
    unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)) return 0;
  }
  if (length == 4) {
    unsigned char second = byte(at + 1);
    if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) return 0;
  }
  return length;
}

std::string withThousands(std::string digits) {
  std::size_t first = digits.find_first_of("0123456789");
  std::size_t end = digits.find('.');
  if (end == std::string::npos) end = digits.size();
  for (std::size_t at = end; at > first + 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = sequenceLength(text, at);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++at;
      continue;
    }
    char c = text[at];
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        if (length > 1 || static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') {
          out.append(text.substr(at, length));
        }
    }
    at += length;
  }
  return out;
}

std::string formatCount(long long value) { return withThousands(std::to_string(value)); }

std::string formatNumber(double value, int decimals) {
  if (!std::isfinite(value)) return "–";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find_first_not_of("-0.") == std::string::npos) text = text[0] == '-' ? text.substr(1) : text;
  return withThousands(text);
}

std::string formatPercent(double rate, int decimals) { return formatNumber(rate * 100.0, decimals) + "%"; }

std::string formatPoints(double difference, int decimals) {
  std::string number = formatNumber(difference * 100.0, decimals);
  if (number[0] != '-' && number.find_first_not_of("0.,") != std::string::npos) number = "+" + number;
  if (number[0] == '-') number = "−" + number.substr(1);
  return number + " pp";
}

std::string formatPercentInterval(double low, double high, int decimals) {
  return formatNumber(low * 100.0, decimals) + "–" + formatPercent(high, decimals);
}

std::string formatPointsInterval(double low, double high, int decimals) {
  std::string from = formatPoints(low, decimals);
  return from.substr(0, from.size() - 3) + " to " + formatPoints(high, decimals);
}

int rateDecimals(double high) { return high > 0.0 && high < 0.00005 ? 4 : 2; }

double textWidth(std::string_view utf8, double fontSize) {
  double width = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    std::size_t length = sequenceLength(utf8, at);
    if (length == 0) length = 1;
    width += length == 1 ? 0.6 : 1.0;
    at += length;
  }
  return width * fontSize;
}

std::string fitText(std::string_view utf8, double width, double fontSize) {
  if (textWidth(utf8, fontSize) <= width) return std::string(utf8);
  double used = fontSize;  // room for the ellipsis
  std::size_t at = 0;
  while (at < utf8.size()) {
    std::size_t length = sequenceLength(utf8, at);
    if (length == 0) length = 1;
    double next = (length == 1 ? 0.6 : 1.0) * fontSize;
    if (used + next > width) break;
    used += next;
    at += length;
  }
  return std::string(utf8.substr(0, at)) + "…";
}
