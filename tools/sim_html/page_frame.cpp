#include "tools/sim_html/page_frame.h"

#include <iomanip>
#include <sstream>

#include "tools/sim_html/html_text.h"

namespace {

// One style sheet for every page. The charts are inline SVG styled from here;
// print keeps figures and table rows whole and keeps the colours.
constexpr const char* kStyle = R"(
:root{color-scheme:light}
body{margin:0;background:#f5f6f8;color:#1d1f23;font:14px/1.5 system-ui,-apple-system,"Segoe UI",Roboto,"Helvetica Neue",Arial,"Noto Sans CJK JP","Hiragino Sans","Yu Gothic",Meiryo,"VL Gothic","VL PGothic",sans-serif}
main{max-width:800px;margin:0 auto;padding:24px 20px 40px}
h1{font-size:22px;margin:0 0 2px}
.lead{color:#555;margin:0 0 14px}
dl.facts{display:grid;grid-template-columns:max-content 1fr;gap:2px 18px;background:#fff;border:1px solid #dde1e6;border-radius:6px;padding:10px 16px;margin:0 0 18px}
dl.facts dt{color:#555}
dl.facts dd{margin:0;font-variant-numeric:tabular-nums;overflow-wrap:anywhere}
code{font-family:ui-monospace,"DejaVu Sans Mono",Menlo,Consolas,monospace;font-size:13px;background:#f0f2f4;border-radius:3px;padding:0 3px}
section{background:#fff;border:1px solid #dde1e6;border-radius:6px;padding:16px 18px 6px;margin:0 0 18px}
h2{font-size:17px;margin:0 0 12px}
figure{margin:0 0 16px}
svg.chart{display:block;max-width:100%;height:auto}
.chart text{font-size:12px;fill:#333}
.chart .chart-title{font-size:15px;font-weight:600;fill:#1d1f23}
.chart .chart-subtitle{fill:#666}
.chart .grid{stroke:#e7e9ec;stroke-width:1}
.chart .zero{stroke:#8a8f96;stroke-width:1}
.chart .axis{stroke:#8a8f96;stroke-width:1}
.chart .tick,.chart .axis-title{fill:#555}
.chart .in-bar{font-weight:600}
.chart .whisker line{stroke:#1d1f23;stroke-width:1.5}
.table-wrap{overflow-x:auto;margin:0 0 14px}
table{border-collapse:collapse;width:100%;font-size:13px;font-variant-numeric:tabular-nums}
th,td{padding:4px 8px;border-bottom:1px solid #e7e9ec;text-align:left;vertical-align:top;white-space:nowrap}
th{font-weight:600;color:#444;border-bottom:2px solid #cdd2d8;white-space:normal;vertical-align:bottom}
.num{text-align:right}
tbody tr:hover{background:#f5f8fb}
.swatch{display:inline-block;width:10px;height:10px;border-radius:2px;margin-right:6px}
.note{color:#555;font-size:13px;margin:0 0 12px}
.key-figures{display:grid;grid-template-columns:repeat(auto-fit,minmax(160px,1fr));gap:10px;margin:0 0 16px}
.key-figure{border:1px solid #e7e9ec;border-radius:6px;padding:8px 12px}
.key-figure .value{font-size:21px;font-weight:600;font-variant-numeric:tabular-nums}
.key-figure .name,.key-figure .detail{color:#555;font-size:12px}
footer{color:#777;font-size:12px;text-align:center}
@media print{
body{background:#fff}
main{max-width:none;padding:0}
section{border:none;padding:0;margin:0 0 10px}
figure,tr,.key-figures,dl.facts{break-inside:avoid}
h2{break-after:avoid}
*{-webkit-print-color-adjust:exact;print-color-adjust:exact}
}
@page{margin:14mm}
)";

std::string numberText(double value) {
  std::ostringstream out;
  out << std::setprecision(4) << value;
  return out.str();
}

}  // namespace

std::string pageStart(const std::string& title, const std::string& heading, const std::string& lead) {
  std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
  out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  out += "<meta name=\"generator\" content=\"battle-sim\">\n";
  out += "<title>" + escapeHtml(title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<main>\n";
  out += "<header>\n<h1>" + escapeHtml(heading) + "</h1>\n<p class=\"lead\">" + lead + "</p>\n</header>\n";
  return out;
}

std::string pageEnd(const Json& doc) {
  return "<footer>Made by " + escapeHtml(textAt(doc, "tool").empty() ? "battle-sim" : textAt(doc, "tool")) +
         " " + escapeHtml(textAt(doc, "version")) +
         ". Intervals are 95%: Wilson for a rate, paired normal for a "
         "difference.</footer>\n</main>\n</body>\n</html>\n";
}

std::string factList(const std::vector<Fact>& facts) {
  std::string out = "<dl class=\"facts\">\n";
  for (const Fact& fact : facts)
    out += "<dt>" + escapeHtml(fact.name) + "</dt><dd>" + fact.valueHtml + "</dd>\n";
  return out + "</dl>\n";
}

std::string seedRangesText(const Json& doc) {
  std::string out;
  for (const Json& range : listAt(doc, "seed_ranges")) {
    if (!out.empty()) out += ", ";
    long long first = wholeOf(itemAt(range, 0));
    long long last = wholeOf(itemAt(range, 1));
    out += first == last ? formatCount(first) : formatCount(first) + "–" + formatCount(last);
  }
  return out.empty() ? "–" : out;
}

std::string setsHtml(const Json& result) {
  std::string out;
  for (const Json& set : listAt(result, "sets")) {
    if (!set.is_string()) continue;
    out += (out.empty() ? "" : " ") + std::string("<code>") + escapeHtml(set.get<std::string>()) + "</code>";
  }
  return out.empty() ? "none" : out;
}

std::vector<Fact> simulationFacts(const Json& doc, const Json& result, const std::string& battlesNote) {
  std::vector<Fact> facts;
  std::string folder = textAt(doc, "folder").empty() ? textAt(result, "folder") : textAt(doc, "folder");
  facts.push_back({"Folder", "<code>" + escapeHtml(folder) + "</code>"});
  facts.push_back({"Field changes", setsHtml(fieldAt(doc, "sets").is_array() ? doc : result)});
  facts.push_back({"Seeds", escapeHtml(seedRangesText(doc))});
  std::string battles = formatCount(countAt(doc, "battles"));
  facts.push_back({"Battles", battlesNote.empty() ? battles : battles + " " + escapeHtml(battlesNote)});
  facts.push_back(
      {"Threads", formatCount(countAt(doc, "threads")) + ", " + numberText(numberAt(doc, "elapsed_seconds")) +
                      " s, " + formatNumber(numberAt(doc, "battles_per_second"), 0) + " battles a second"});
  facts.push_back({"Version", escapeHtml(textAt(doc, "tool") + " " + textAt(doc, "version"))});
  return facts;
}

std::string section(const std::string& id, const std::string& heading, const std::string& body) {
  return "<section id=\"" + id + "\">\n<h2>" + escapeHtml(heading) + "</h2>\n" + body + "</section>\n";
}

std::string figure(const std::string& svg) { return "<figure>\n" + svg + "</figure>\n"; }

std::string note(const std::string& textHtml) { return "<p class=\"note\">" + textHtml + "</p>\n"; }

std::string htmlTable(const std::vector<Column>& columns, const std::vector<std::vector<std::string>>& rows) {
  std::string out = "<div class=\"table-wrap\"><table>\n<thead><tr>";
  for (const Column& column : columns) {
    out += std::string(column.numeric ? "<th class=\"num\">" : "<th>") + escapeHtml(column.heading) + "</th>";
  }
  out += "</tr></thead>\n<tbody>\n";
  for (const std::vector<std::string>& row : rows) {
    out += "<tr>";
    for (std::size_t c = 0; c < row.size(); ++c) {
      bool numeric = c < columns.size() && columns[c].numeric;
      out += std::string(numeric ? "<td class=\"num\">" : "<td>") + row[c] + "</td>";
    }
    out += "</tr>\n";
  }
  return out + "</tbody>\n</table></div>\n";
}

std::string withTip(const std::string& textHtml, const std::string& tip) {
  return "<span title=\"" + escapeHtml(tip) + "\">" + textHtml + "</span>";
}
