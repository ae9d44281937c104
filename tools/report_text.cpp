// report_text FILE: prints a CP932 HTML page as readable UTF-8 text, with the
// tags stripped and each <br> as a line break.
#include <cctype>
#include <cstdio>
#include <string>

#include "common/sjis_decode.h"
#include "platform/files.h"

namespace {

std::string stripTags(const std::string& html) {
  std::string text;
  for (std::size_t i = 0; i < html.size(); ++i) {
    if (html[i] == '\r') continue;
    // "<---" opens an enemy's header line, not a tag.
    bool tag =
        html[i] == '<' && i + 1 < html.size() &&
        (std::isalpha(static_cast<unsigned char>(html[i + 1])) || html[i + 1] == '/' || html[i + 1] == '!');
    if (!tag) {
      if (html[i] != '\n') text += html[i];
      continue;
    }
    std::size_t close = html.find('>', i);
    if (close == std::string::npos) break;
    std::string name = html.substr(i + 1, close - i - 1);
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (name == "head") {  // the title and the meta lines are no text of the page
      std::size_t end = html.find("</head>", close);
      if (end == std::string::npos) end = html.find("</HEAD>", close);
      if (end != std::string::npos) close = end + 6;
    }
    if (name == "br" || name == "/tr" || name == "/table" || name == "/tablet") text += '\n';
    if (name == "/td") text += '\t';
    i = close;
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: report_text FILE\n");
    return 2;
  }
  std::string bytes;
  if (readWholeFile(argv[1], bytes) != ReadStatus::Read) {
    std::fprintf(stderr, "report_text: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string text = stripTags(cp932ToUtf8(bytes));
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
