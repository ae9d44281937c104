// The page of `run`: one match fought many times.
#include <algorithm>
#include <tuple>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/page_frame.h"
#include "tools/sim_html/pages.h"
#include "tools/sim_html/result_sections.h"

namespace {

// The bar charts by skill show the skills with the largest figures; the
// table below them lists every skill.
constexpr std::size_t kSkillsCharted = 12;

std::string actionsSection(const Json& result) {
  const Json& actions = fieldAt(result, "actions");
  Histogram chart{"Actions per battle",      "share of battles by the number of actions",
                  "actions in the battle",   {},
                  numberAt(actions, "mean"), numberAt(actions, "median"),
                  numberAt(actions, "p90")};
  for (const Json& bin : listAt(actions, "histogram")) {
    chart.counts.push_back({wholeOf(itemAt(bin, 0)), wholeOf(itemAt(bin, 1))});
  }
  std::string body = chart.counts.empty() ? note("The result holds no histogram of the actions.")
                                          : figure(drawHistogram(chart));
  body +=
      htmlTable({{"mean", true}, {"median", true}, {"90th percentile", true}, {"maximum", true}},
                {{formatNumber(numberAt(actions, "mean"), 2), formatNumber(numberAt(actions, "median"), 0),
                  formatNumber(numberAt(actions, "p90"), 0), formatNumber(numberAt(actions, "max"), 0)}});
  return section("actions", "Length of the battles", body);
}

std::string combatantsSection(const Json& result) {
  BarChart chart{"Damage per battle by combatant",
                 "mean damage dealt and taken per battle, as the report's damage lines count it",
                 "damage per battle",
                 ValueFormat::kNumber,
                 1,
                 {{"dealt", kBlue, false, false}, {"taken", kOrange, false, false}},
                 {}};
  // figure key, column heading
  const std::pair<const char*, const char*> figures[] = {
      {"damage_dealt", "dealt"}, {"damage_taken", "taken"},      {"knockouts", "knock-outs"},
      {"fallen", "fallen"},      {"revived", "revived"},         {"mp_spent", "MP spent"},
      {"items_used", "items"},   {"skill_activations", "skills"}};
  std::vector<Column> columns = {{"combatant", false}};
  for (const auto& [key, heading] : figures) columns.push_back({heading, true});
  std::vector<std::vector<std::string>> rows;
  for (const Json& combatant : listAt(result, "combatants")) {
    std::string name = combatantName(combatant);
    const Json& perBattle = fieldAt(combatant, "per_battle");
    const Json& totals = fieldAt(combatant, "totals");
    bool present = !fieldAt(combatant, "present").is_boolean() || fieldAt(combatant, "present").get<bool>();
    if (present) {
      double dealt = numberAt(perBattle, "damage_dealt");
      double taken = numberAt(perBattle, "damage_taken");
      chart.groups.push_back({name,
                              {dealt, taken},
                              {name + " dealt " + formatNumber(dealt, 1) + " damage per battle",
                               name + " took " + formatNumber(taken, 1) + " damage per battle"}});
    }
    std::vector<std::string> row = {escapeHtml(name) +
                                    (present ? "" : " <span class=\"note\">absent</span>")};
    for (const auto& [key, heading] : figures) {
      row.push_back(
          withTip(formatNumber(numberAt(perBattle, key), 2), "total " + formatCount(countAt(totals, key))));
    }
    rows.push_back(row);
  }
  std::string body = chart.groups.empty() ? "" : figure(drawBarChart(chart));
  body += note("Means per battle; the tooltip of a figure shows its total over all battles.");
  body += htmlTable(columns, rows);
  return section("combatants", "Combatants", body);
}

std::string skillsSection(const Json& result) {
  const Json& skills = listAt(result, "skills");
  if (skills.empty()) return section("skills", "Skills", note("No skill fired in these battles."));
  double battles = std::max(1.0, numberAt(result, "battles"));
  std::vector<const Json*> ranked;
  for (const Json& skill : skills) ranked.push_back(&skill);
  std::string body;
  // figure key, chart title, what it counts, colour, decimals
  const std::tuple<const char*, const char*, const char*, const char*, int> charts[] = {
      {"damage", "Damage per battle by skill", "damage", kVermillion, 1},
      {"activations", "Activations per battle by skill", "activations", kGreen, 2}};
  for (const auto& [key, title, what, colour, decimals] : charts) {
    std::stable_sort(ranked.begin(), ranked.end(), [key = key](const Json* a, const Json* b) {
      return numberAt(*a, key) > numberAt(*b, key);
    });
    BarChart chart{
        title,
        std::string(what) + " per battle; the " + std::to_string(kSkillsCharted) + " largest at most",
        std::string(what) + " per battle",
        ValueFormat::kNumber,
        decimals,
        {{what, colour, false, false}},
        {}};
    for (const Json* skill : ranked) {
      double total = numberAt(*skill, key);
      if (chart.groups.size() == kSkillsCharted || total <= 0) break;
      std::string label = textAt(*skill, "name") + " · " + textAt(*skill, "user_name");
      chart.groups.push_back({label,
                              {total / battles},
                              {label + ": " + formatNumber(total / battles, 2) + " " + what +
                               " per battle (" + formatCount(countAt(*skill, key)) + " in all)"}});
    }
    body += chart.groups.empty() ? note(std::string("No skill did any ") + what + ".")
                                 : figure(drawBarChart(chart));
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Json* a, const Json* b) {
    return numberAt(*a, "activations") > numberAt(*b, "activations");
  });
  std::vector<std::vector<std::string>> rows;
  for (const Json* skill : ranked) {
    double activations = numberAt(*skill, "activations");
    double damage = numberAt(*skill, "damage");
    rows.push_back({formatCount(countAt(*skill, "id")), escapeHtml(textAt(*skill, "name")),
                    escapeHtml(textAt(*skill, "user_name")), formatCount(countAt(*skill, "activations")),
                    formatNumber(activations / battles, 3), formatCount(countAt(*skill, "damage")),
                    activations > 0 ? formatNumber(damage / activations, 1) : "–",
                    formatCount(countAt(*skill, "misses")), formatCount(countAt(*skill, "reactions"))});
  }
  body += htmlTable({{"id", true},
                     {"skill", false},
                     {"user", false},
                     {"activations", true},
                     {"per battle", true},
                     {"damage", true},
                     {"per activation", true},
                     {"misses", true},
                     {"reactions", true}},
                    rows);
  return section("skills", "Skills", body);
}

std::string partySection(const Json& result) {
  std::vector<std::vector<std::string>> rows;
  for (const Json& member : listAt(result, "party")) {
    rows.push_back({formatCount(countAt(member, "member")), escapeHtml(textAt(member, "name")),
                    withTip(formatPercent(numberAt(member, "level_up_share"), 2),
                            formatCount(countAt(member, "level_ups")) + " battles"),
                    withTip(formatNumber(numberAt(member, "lives_lost_mean"), 4),
                            "total " + formatCount(countAt(member, "lives_lost"))),
                    withTip(formatNumber(numberAt(member, "experience_mean"), 1),
                            "total " + formatCount(countAt(member, "experience"))),
                    withTip(formatNumber(numberAt(member, "money_mean"), 1),
                            "total " + formatCount(countAt(member, "money")))});
  }
  std::string body = note("After the battle; means per battle.");
  body += htmlTable({{"member", true},
                     {"name", false},
                     {"levels up", true},
                     {"lives lost", true},
                     {"experience", true},
                     {"money", true}},
                    rows);
  return section("party", "The party afterwards", body);
}

}  // namespace

std::string runResultSections(const Json& result) {
  return keyFigures(result) + outcomeSection(result, "Outcomes") + actionsSection(result) +
         combatantsSection(result) + skillsSection(result) + partySection(result);
}

std::string renderRunPage(const Json& doc) {
  std::string folder = textAt(doc, "folder");
  std::string out = pageStart("battle-sim run: " + folder, "Battle simulation",
                              "The match of <code>" + escapeHtml(folder) + "</code> fought " +
                                  formatCount(countAt(doc, "battles")) + " times, one seed each.");
  out += factList(simulationFacts(doc, doc, ""));
  out += runResultSections(doc);
  return out + pageEnd(doc);
}
