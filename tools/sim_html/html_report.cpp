#include "tools/sim_html/html_report.h"

#include <iterator>
#include <stdexcept>

#include "tools/sim_html/pages.h"

namespace {

struct PageKind {
  const char* command;
  std::string (*render)(const Json& doc);
};

constexpr PageKind kPages[] = {
    {"run", renderRunPage},
    {"sweep", renderSweepPage},
    {"compare", renderComparePage},
    {"weights", renderWeightsPage},
};

}  // namespace

std::string renderHtmlReport(const nlohmann::json& doc) {
  if (!doc.is_object()) throw std::invalid_argument("the document is not a JSON object");
  std::string command = textAt(doc, "command");
  for (const PageKind& page : kPages) {
    if (command == page.command) return page.render(doc);
  }
  throw std::invalid_argument("the document's command \"" + command + "\" has no report page");
}
