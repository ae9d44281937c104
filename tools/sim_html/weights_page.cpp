// The page of `weights`: how much the win rate moves when one stat of a
// member rises, stat by stat, ranked.
#include <algorithm>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/page_frame.h"
#include "tools/sim_html/pages.h"
#include "tools/sim_html/result_sections.h"

namespace {

std::string memberName(const Json& doc) {
  long long member = countAt(doc, "member");
  for (const Json& entry : listAt(fieldAt(doc, "baseline"), "party")) {
    if (countAt(entry, "member") == member && !textAt(entry, "name").empty()) return textAt(entry, "name");
  }
  return "member " + std::to_string(member);
}

std::string weightsSection(const Json& doc, const std::string& name) {
  std::vector<const Json*> ranked;
  for (const Json& weight : listAt(doc, "weights")) ranked.push_back(&weight);
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const Json* a, const Json* b) { return numberAt(*a, "diff") > numberAt(*b, "diff"); });
  std::string delta = formatNumber(numberAt(doc, "delta"), tickDecimals(numberAt(doc, "delta")));
  IntervalChart chart{"Change of the win rate when a stat of " + name + " rises by " + delta,
                      "percentage points with the paired 95% interval, largest first",
                      "change of the win rate",
                      ValueFormat::kPoints,
                      2,
                      "raises the win rate",
                      "lowers the win rate",
                      {}};
  std::vector<std::vector<std::string>> rows;
  for (const Json* weight : ranked) {
    const Json& interval = fieldAt(*weight, "ci95");
    double diff = numberAt(*weight, "diff");
    double low = numberOf(itemAt(interval, 0)), high = numberOf(itemAt(interval, 1));
    std::string field = textAt(*weight, "field");
    chart.bars.push_back({field, diff, low, high,
                          field + " +" + delta + ": " + formatPoints(diff, 2) +
                              " (95%: " + formatPointsInterval(low, high, 2) + "), win rate " +
                              formatPercent(numberAt(*weight, "win_rate"), 2)});
    rows.push_back({escapeHtml(field), "<code>" + escapeHtml(textAt(*weight, "key")) + "</code>",
                    formatPoints(diff, 2), formatPointsInterval(low, high, 2),
                    formatPercent(numberAt(*weight, "win_rate"), 2),
                    formatCount(countAt(*weight, "improved")), formatCount(countAt(*weight, "worsened"))});
  }
  std::string body = ranked.empty() ? note("The document holds no stats.") : figure(drawIntervalChart(chart));
  body += htmlTable({{"stat", false},
                     {"field", false},
                     {"change", true},
                     {"95% interval", true},
                     {"win rate", true},
                     {"improved", true},
                     {"worsened", true}},
                    rows);
  body += note(
      "Improved, worsened: battles whose outcome the raise made better or worse for the party. "
      "Each stat was raised alone and fought with the baseline's seeds; a pale bar's interval includes "
      "zero, so that stat's effect is not told apart from none.");
  return section("weights", "Stat weights", body);
}

}  // namespace

std::string renderWeightsPage(const Json& doc) {
  std::string name = memberName(doc);
  const Json& baseline = fieldAt(doc, "baseline");
  std::string folder = textAt(doc, "folder").empty() ? textAt(baseline, "folder") : textAt(doc, "folder");
  std::string out =
      pageStart("battle-sim weights: " + name, "Stat weights of " + name,
                "Which stat of member " + std::to_string(countAt(doc, "member")) + " (" + escapeHtml(name) +
                    ") matters most in the match of <code>" + escapeHtml(folder) + "</code>.");
  std::vector<Fact> facts =
      simulationFacts(doc, baseline, "for the baseline and for each stat, with the same seeds");
  facts.insert(facts.begin() + 2,
               {"Member", std::to_string(countAt(doc, "member")) + " · " + escapeHtml(name)});
  facts.insert(
      facts.begin() + 3,
      {"Rise", formatNumber(numberAt(doc, "delta"), tickDecimals(numberAt(doc, "delta"))) + " per stat"});
  out += factList(facts);
  out += weightsSection(doc, name);
  out += section("baseline", "Baseline", keyFigures(baseline) + note("The match without any raised stat."));
  out += outcomeSection(baseline, "Baseline outcomes");
  return out + pageEnd(doc);
}
