#include "text_table.h"

#include <algorithm>
#include <cstdio>

#include "sim_tally.h"

using nlohmann::json;

namespace {

int columns(std::string_view text) {
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    width += length >= 3 ? 2 : 1;
    i += length;
  }
  return width;
}

std::string format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

std::string count(const json& value) { return std::to_string(value.get<std::int64_t>()); }

void outcomeRows(std::string& out, const json& doc) {
  out += "outcome               count      rate    95 % interval\n";
  for (const char* key : kOutcomeNames) {
    const json& row = doc.at("outcomes").at(key);
    out += padRight(key, 16) + padLeft(count(row.at("count")), 10) + padLeft(percent(row.at("rate")), 10) +
           "    " + percent(row.at("ci95").at(0)) + " .. " + percent(row.at("ci95").at(1)) + "\n";
  }
  out += "settled because nobody could act: " + count(doc.at("settled_no_actor")) + "\n\n";
}

void actionRows(std::string& out, const json& doc) {
  const json& actions = doc.at("actions");
  out += "actions per battle    mean " + format("%.2f", actions.at("mean")) + "   median " +
         count(actions.at("median")) + "   p90 " + count(actions.at("p90")) + "   max " +
         count(actions.at("max")) + "\n";
  std::int64_t largest = 0;
  for (const json& bin : actions.at("histogram")) largest = std::max(largest, bin.at(1).get<std::int64_t>());
  for (const json& bin : actions.at("histogram")) {
    const std::int64_t battles = bin.at(1).get<std::int64_t>();
    if (battles == 0) continue;
    const auto bar = static_cast<std::size_t>(largest > 0 ? 40 * battles / largest : 0);
    out += padLeft(count(bin.at(0)), 6) + padLeft(std::to_string(battles), 10) + "  " +
           std::string(bar, '#') + "\n";
  }
  out += "\n";
}

void combatantRows(std::string& out, const json& doc) {
  out += "per battle       name              dealt     taken    KOs  fallen revived    MP  items skills\n";
  for (const json& row : doc.at("combatants")) {
    if (!row.at("present").get<bool>()) continue;
    const json& m = row.at("per_battle");
    out += padRight(row.at("who").get<std::string>(), 17) + padRight(row.at("name").get<std::string>(), 14) +
           padLeft(format("%.1f", m.at("damage_dealt")), 10) +
           padLeft(format("%.1f", m.at("damage_taken")), 10) + padLeft(format("%.2f", m.at("knockouts")), 7) +
           padLeft(format("%.2f", m.at("fallen")), 8) + padLeft(format("%.2f", m.at("revived")), 8) +
           padLeft(format("%.1f", m.at("mp_spent")), 6) + padLeft(format("%.2f", m.at("items_used")), 7) +
           padLeft(format("%.2f", m.at("skill_activations")), 7) + "\n";
  }
  out += "\n";
}

void skillRows(std::string& out, const json& doc) {
  if (doc.at("skills").empty()) return;
  out += " id  skill                 user          activations      damage    misses  reactions\n";
  for (const json& row : doc.at("skills")) {
    out += padLeft(count(row.at("id")), 3) + "  " + padRight(row.at("name").get<std::string>(), 22) +
           padRight(row.at("user_name").get<std::string>(), 14) + padLeft(count(row.at("activations")), 11) +
           padLeft(count(row.at("damage")), 12) + padLeft(count(row.at("misses")), 10) +
           padLeft(count(row.at("reactions")), 11) + "\n";
  }
  out += "\n";
}

void partyRows(std::string& out, const json& doc) {
  out += "party afterwards      level-up   lives lost   experience       money   (means per battle)\n";
  for (const json& row : doc.at("party")) {
    out += "member" + count(row.at("member")) + "  " + padRight(row.at("name").get<std::string>(), 14) +
           padLeft(percent(row.at("level_up_share")), 8) +
           padLeft(format("%.4f", row.at("lives_lost_mean")), 13) +
           padLeft(format("%.1f", row.at("experience_mean")), 13) +
           padLeft(format("%.1f", row.at("money_mean")), 12) + "\n";
  }
  out += "\n";
}

}  // namespace

std::string padRight(std::string_view text, int width) {
  return std::string(text) + std::string(static_cast<std::size_t>(std::max(0, width - columns(text))), ' ');
}

std::string padLeft(std::string_view text, int width) {
  return std::string(static_cast<std::size_t>(std::max(0, width - columns(text))), ' ') + std::string(text);
}

std::string percent(double rate) { return format("%.2f %%", rate * 100.0); }

std::string runTable(const json& doc) {
  std::string out;
  std::string ranges;
  for (const json& r : doc.at("seed_ranges")) {
    ranges += (ranges.empty() ? "" : ", ") + count(r.at(0)) + ".." + count(r.at(1));
  }
  out += "battle-sim " + doc.at("version").get<std::string>() + "   " + doc.at("folder").get<std::string>() +
         "   seeds " + ranges + "\n";
  for (const json& set : doc.at("sets")) out += "  --set " + set.get<std::string>() + "\n";
  out += "\n";
  outcomeRows(out, doc);
  actionRows(out, doc);
  combatantRows(out, doc);
  skillRows(out, doc);
  partyRows(out, doc);
  out += count(doc.at("battles")) + " battles in " + format("%.2f", doc.at("elapsed_seconds")) + " s, " +
         format("%.0f", doc.at("battles_per_second")) + " battles/s on " + count(doc.at("threads")) +
         " threads\n";
  return out;
}
