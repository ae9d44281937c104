#include "tools/sim_html/result_sections.h"

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/page_frame.h"

std::string combatantName(const Json& combatant) {
  std::string name = textAt(combatant, "name");
  std::string who = textAt(combatant, "who");
  if (name.empty()) return who;
  return who.empty() ? name : name + " (" + who + ")";
}

double sideDamage(const Json& result, bool party) {
  double total = 0;
  for (const Json& combatant : listAt(result, "combatants")) {
    // Slots 0 to 2 are the enemies, 3 to 5 the party.
    bool member = countAt(combatant, "index") >= 3;
    if (member == party) total += numberAt(fieldAt(combatant, "per_battle"), "damage_dealt");
  }
  return total;
}

namespace {

int decimalsOf(const Json& outcome) { return rateDecimals(numberOf(itemAt(fieldAt(outcome, "ci95"), 1))); }

}  // namespace

std::string rateText(const Json& outcome) {
  return formatPercent(numberAt(outcome, "rate"), decimalsOf(outcome));
}

std::string rateInterval(const Json& outcome) {
  const Json& interval = fieldAt(outcome, "ci95");
  return formatPercentInterval(numberOf(itemAt(interval, 0)), numberOf(itemAt(interval, 1)),
                               decimalsOf(outcome));
}

std::string rateWithInterval(const Json& outcome) {
  return rateText(outcome) + " (" + rateInterval(outcome) + ")";
}

std::string keyFigures(const Json& result) {
  const Json& outcomes = fieldAt(result, "outcomes");
  const Json& actions = fieldAt(result, "actions");
  auto figure = [](const std::string& name, const std::string& value, const std::string& detail) {
    return "<div class=\"key-figure\"><div class=\"name\">" + escapeHtml(name) +
           "</div><div class=\"value\">" + escapeHtml(value) + "</div><div class=\"detail\">" +
           escapeHtml(detail) + "</div></div>\n";
  };
  auto interval = [&](const char* key) { return "95%: " + rateInterval(fieldAt(outcomes, key)); };
  std::string out = "<div class=\"key-figures\">\n";
  out += figure("Win rate", formatPercent(numberAt(fieldAt(outcomes, "win"), "rate"), 1), interval("win"));
  out += figure("Game over", formatPercent(numberAt(fieldAt(outcomes, "game_over"), "rate"), 1),
                interval("game_over"));
  out += figure("Actions per battle", formatNumber(numberAt(actions, "mean"), 1),
                "median " + formatNumber(numberAt(actions, "median"), 0) +
                    ", 90%: " + formatNumber(numberAt(actions, "p90"), 0));
  out += figure("Battles", formatCount(countAt(result, "battles")),
                formatCount(countAt(result, "settled_no_actor")) + " settled with nobody able to act");
  return out + "</div>\n";
}

std::string outcomeSection(const Json& result, const std::string& heading) {
  const Json& outcomes = fieldAt(result, "outcomes");
  ShareBar chart{
      "Outcome shares", "share of " + formatCount(countAt(result, "battles")) + " battles", {}, {{}}};
  std::vector<std::vector<std::string>> rows;
  for (std::size_t k = 0; k < std::size(kOutcomes); ++k) {
    const OutcomeKind& kind = kOutcomes[k];
    const Json& outcome = fieldAt(outcomes, kind.key);
    double rate = numberAt(outcome, "rate");
    if (k < kEndings) {
      chart.parts.push_back({kind.label, kind.colour});
      chart.rows[0].shares.push_back(rate);
      chart.rows[0].tips.push_back(std::string(kind.label) + ": " + formatCount(countAt(outcome, "count")) +
                                   " battles, " + rateWithInterval(outcome));
    }
    rows.push_back({"<span class=\"swatch\" style=\"background:" + std::string(kind.colour) + "\"></span>" +
                        escapeHtml(kind.label),
                    formatCount(countAt(outcome, "count")), rateText(outcome), rateInterval(outcome)});
  }
  std::string body = figure(drawShareBar(chart));
  body += htmlTable({{"outcome", false}, {"battles", true}, {"rate", true}, {"95% interval", true}}, rows);
  body += note("Game over comes on top of one of the five outcomes above it. " +
               formatCount(countAt(result, "settled_no_actor")) +
               " battles were settled because nobody could act any more.");
  return section("outcomes", heading, body);
}
