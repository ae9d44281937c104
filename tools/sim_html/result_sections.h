// The parts of a page drawn from one run's result, shared by the run page and
// the baselines of the other pages.
#pragma once

#include <cstddef>
#include <string>

#include "tools/sim_html/palette.h"
#include "tools/sim_html/report_json.h"

struct OutcomeKind {
  const char* key;
  const char* label;
  const char* colour;
};

// clang-format off
// key               label             colour
inline constexpr OutcomeKind kOutcomes[] = {
    {"win",            "win",            kBlue},
    {"judgement_win",  "judgement win",  kSkyBlue},
    {"judgement_loss", "judgement loss", kOrange},
    {"annihilation",   "annihilation",   kVermillion},
    {"fault",          "fault",          kGrey},
    {"game_over",      "game over",      kInk},
};
// clang-format on
// Every battle ends in exactly one of the first five; game over comes on top
// of one of them.
inline constexpr std::size_t kEndings = 5;

// "スライム (enemy1)", or the slot alone for a combatant without a name.
std::string combatantName(const Json& combatant);

// The mean damage per battle dealt by the party (members) or the enemies.
double sideDamage(const Json& result, bool party);

// The rate of an outcome record, "61.23%", and its interval, "60.93–61.53%",
// with more decimals when the interval lies below 0.1 %.
std::string rateText(const Json& outcome);
std::string rateInterval(const Json& outcome);
// "61.23% (60.93–61.53%)"
std::string rateWithInterval(const Json& outcome);

// The few figures a designer looks at first: win rate, game over, actions.
std::string keyFigures(const Json& result);

// The outcome shares as a stacked bar and a table with counts and intervals.
std::string outcomeSection(const Json& result, const std::string& heading);
