// The page of `compare`: two variants of a match fought with the same seeds,
// their outcome rates, the paired differences and the battles that changed.
#include <cmath>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/page_frame.h"
#include "tools/sim_html/pages.h"
#include "tools/sim_html/result_sections.h"

namespace {

constexpr long long kMaxCount = 1'000'000'000'000'000;

const Json& sideResult(const Json& doc, const char* side) { return fieldAt(fieldAt(doc, side), "result"); }

std::string sideDescription(const Json& doc, const char* side) {
  const Json& result = sideResult(doc, side);
  std::string label = textAt(fieldAt(doc, side), "label");
  std::string out = escapeHtml(label);
  std::string folder = textAt(result, "folder");
  if (!folder.empty() && folder != label) out += " · folder <code>" + escapeHtml(folder) + "</code>";
  return out + " · field changes " + setsHtml(result);
}

std::string ratesSection(const Json& doc) {
  const Json& a = fieldAt(sideResult(doc, "a"), "outcomes");
  const Json& b = fieldAt(sideResult(doc, "b"), "outcomes");
  const Json& differences = fieldAt(doc, "differences");
  ShareBar shares{
      "Outcome shares of A and B", "share of the battles on each side", {}, {{"A", {}, {}}, {"B", {}, {}}}};
  IntervalChart chart{"Paired difference of each outcome rate, B − A",
                      "percentage points with the paired 95% interval",
                      "B − A",
                      ValueFormat::kPoints,
                      2,
                      "higher with B",
                      "lower with B",
                      {}};
  std::vector<std::vector<std::string>> rows;
  for (std::size_t k = 0; k < std::size(kOutcomes); ++k) {
    const OutcomeKind& kind = kOutcomes[k];
    if (k < kEndings) {
      shares.parts.push_back({kind.label, kind.colour});
      for (const auto& [row, outcomes, name] : {std::tuple{0, &a, "A"}, std::tuple{1, &b, "B"}}) {
        const Json& outcome = fieldAt(*outcomes, kind.key);
        shares.rows[row].shares.push_back(numberAt(outcome, "rate"));
        shares.rows[row].tips.push_back(std::string(name) + ", " + kind.label + ": " +
                                        rateWithInterval(outcome));
      }
    }
    const Json& difference = fieldAt(differences, kind.key);
    const Json& interval = fieldAt(difference, "ci95");
    double low = numberOf(itemAt(interval, 0)), high = numberOf(itemAt(interval, 1));
    double diff = numberAt(difference, "diff");
    chart.bars.push_back({kind.label, diff, low, high,
                          std::string(kind.label) + ": " + formatPoints(diff, 2) +
                              " (95%: " + formatPointsInterval(low, high, 2) + ")"});
    rows.push_back({"<span class=\"swatch\" style=\"background:" + std::string(kind.colour) + "\"></span>" +
                        escapeHtml(kind.label),
                    withTip(rateText(fieldAt(a, kind.key)), "95%: " + rateInterval(fieldAt(a, kind.key))),
                    withTip(rateText(fieldAt(b, kind.key)), "95%: " + rateInterval(fieldAt(b, kind.key))),
                    formatPoints(diff, 2), formatPointsInterval(low, high, 2)});
  }
  std::string body = figure(drawShareBar(shares)) + figure(drawIntervalChart(chart));
  body += htmlTable(
      {{"outcome", false}, {"A", true}, {"B", true}, {"B − A", true}, {"95% interval of B − A", true}}, rows);
  body += note(
      "The tooltip of a rate shows its own 95% interval. Both sides fought the same seeds, so a difference "
      "is measured battle by battle; its interval is "
      "narrower than that of two independent runs.");
  return section("rates", "Outcome rates", body);
}

std::string transitionsSection(const Json& doc) {
  const Json& changed = fieldAt(doc, "changed");
  const Json& aOutcomes = fieldAt(sideResult(doc, "a"), "outcomes");
  long long counts[kEndings][kEndings] = {};
  auto indexOf = [](const std::string& key) {
    for (std::size_t k = 0; k < kEndings; ++k) {
      if (key == kOutcomes[k].key) return k;
    }
    return kEndings;
  };
  for (const Json& transition : listAt(changed, "transitions")) {
    std::size_t from = indexOf(textAt(transition, "from"));
    std::size_t to = indexOf(textAt(transition, "to"));
    long long count = countAt(transition, "count");
    // A count beyond any number of battles is not added, so sums cannot overflow.
    if (from < kEndings && to < kEndings && count > 0 && count < kMaxCount) counts[from][to] += count;
  }
  // The battles that kept their outcome: A's count less those that left it.
  for (std::size_t k = 0; k < kEndings; ++k) {
    long long left = 0;
    for (std::size_t to = 0; to < kEndings; ++to) left += to == k ? 0 : counts[k][to];
    long long kept = countAt(fieldAt(aOutcomes, kOutcomes[k].key), "count");
    counts[k][k] = kept > 0 && kept < kMaxCount ? kept - left : 0;
  }
  std::vector<Column> columns = {{"A ↓ / B →", false}};
  for (std::size_t k = 0; k < kEndings; ++k) columns.push_back({kOutcomes[k].label, true});
  std::vector<std::vector<std::string>> rows;
  for (std::size_t from = 0; from < kEndings; ++from) {
    std::vector<std::string> row = {escapeHtml(kOutcomes[from].label)};
    for (std::size_t to = 0; to < kEndings; ++to) {
      long long count = counts[from][to];
      std::string text = count == 0 ? "–" : formatCount(count);
      row.push_back(from == to ? "<span class=\"note\">" + text + "</span>"
                               : "<strong>" + text + "</strong>");
    }
    rows.push_back(row);
  }
  long long battles = countAt(doc, "battles");
  long long total = countAt(changed, "total");
  std::string body =
      note(formatCount(total) + " of " + formatCount(battles) + " battles (" +
           formatPercent(battles > 0 ? double(total) / battles : 0.0, 2) +
           ") ended differently with B than with A. Rows: the outcome with A; columns: with B; "
           "the diagonal (grey) kept its outcome.");
  body += htmlTable(columns, rows);
  return section("transitions", "Battles that changed outcome", body);
}

std::string figuresSection(const Json& doc) {
  const Json& a = sideResult(doc, "a");
  const Json& b = sideResult(doc, "b");
  std::vector<std::vector<std::string>> rows = {
      {"mean actions per battle", formatNumber(numberAt(fieldAt(a, "actions"), "mean"), 2),
       formatNumber(numberAt(fieldAt(b, "actions"), "mean"), 2)},
      {"damage dealt by the party per battle", formatNumber(sideDamage(a, true), 1),
       formatNumber(sideDamage(b, true), 1)},
      {"damage dealt by the enemies per battle", formatNumber(sideDamage(a, false), 1),
       formatNumber(sideDamage(b, false), 1)},
  };
  // The six combatants are the same slots on both sides.
  const Json& aCombatants = listAt(a, "combatants");
  const Json& bCombatants = listAt(b, "combatants");
  for (std::size_t i = 0; i < aCombatants.size(); ++i) {
    rows.push_back(
        {"damage dealt by " + escapeHtml(combatantName(aCombatants[i])) + " per battle",
         formatNumber(numberAt(fieldAt(aCombatants[i], "per_battle"), "damage_dealt"), 1),
         formatNumber(numberAt(fieldAt(itemAt(bCombatants, i), "per_battle"), "damage_dealt"), 1)});
  }
  return section("figures", "Length and damage",
                 htmlTable({{"figure", false}, {"A", true}, {"B", true}}, rows));
}

}  // namespace

std::string renderComparePage(const Json& doc) {
  std::string aLabel = textAt(fieldAt(doc, "a"), "label");
  std::string bLabel = textAt(fieldAt(doc, "b"), "label");
  std::string out = pageStart(
      "battle-sim compare: " + aLabel + " / " + bLabel, "Comparison of A and B",
      "A: " + escapeHtml(aLabel) + "; B: " + escapeHtml(bLabel) + "; both fought with the same seeds.");
  std::vector<Fact> facts = simulationFacts(doc, sideResult(doc, "a"), "on each side, with the same seeds");
  facts[0] = {"A", sideDescription(doc, "a")};
  facts[1] = {"B", sideDescription(doc, "b")};
  out += factList(facts);
  out += ratesSection(doc) + transitionsSection(doc) + figuresSection(doc);
  return out + pageEnd(doc);
}
