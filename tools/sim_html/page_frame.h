// The frame every page of the report shares: the head with the style sheet,
// the facts that identify a simulation, sections, figures and tables.
#pragma once

#include <string>
#include <vector>

#include "tools/sim_html/report_json.h"

// The page up to the opening of its main part: `title` names the browser tab,
// `heading` and `lead` open the page.
std::string pageStart(const std::string& title, const std::string& heading, const std::string& lead);
std::string pageEnd(const Json& doc);

// One fact of the list at the top of a page; `valueHtml` is markup.
struct Fact {
  std::string name;
  std::string valueHtml;
};
std::string factList(const std::vector<Fact>& facts);

// The facts of a simulation: folder, field changes, seeds, battles, version,
// threads and speed, as far as the document holds them; `battlesNote` follows
// the number of battles ("at each value").
std::vector<Fact> simulationFacts(const Json& doc, const Json& result, const std::string& battlesNote);

// The seed ranges of a document, "1–100,000" each, comma-separated.
std::string seedRangesText(const Json& doc);
// The field changes of a result as markup, "none" when there are none.
std::string setsHtml(const Json& result);

std::string section(const std::string& id, const std::string& heading, const std::string& body);
std::string figure(const std::string& svg);
std::string note(const std::string& textHtml);

struct Column {
  std::string heading;
  bool numeric;
};
// A table of cells that are markup already.
std::string htmlTable(const std::vector<Column>& columns, const std::vector<std::vector<std::string>>& rows);

// A cell with a tooltip of its exact value: "<span title=...>text</span>".
std::string withTip(const std::string& textHtml, const std::string& tip);
