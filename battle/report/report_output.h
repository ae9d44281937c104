// The battle report machinery: the turn's lines, headers, hit cues, damage
// lines with their statistics and the header copy. Rules call these and
// never ask where the lines go.
#pragma once

#include <initializer_list>
#include <string_view>

#include "battle/battle_state.h"
#include "common/text_format.h"

// Adds one line (ending in "\n") to the turn's lines.
void appendLogLine(BattleState& state, std::string_view text);

// Adds one line made from a format and its arguments.
void appendLogFormat(BattleState& state, std::string_view format, std::initializer_list<TextArg> args);

// The side-coloured header of an action, and its skill line when skillName
// is not empty.
void logActionHeader(BattleState& state, std::string_view name, std::string_view skillName, int actorIndex);

// The sound of a hit: `cue`, or the side's own hit sound when it is empty.
void playHitCue(BattleState& state, std::string_view cue, int actorIndex);

// The damage line, the statistics of the target's side and, when
// remainingHp is 0 or less, the defeat line.
void logDamage(BattleState& state, std::string_view targetName, int targetIndex, Int damage, Int remainingHp);

// Writes text straight into the battle report (the file, or the memory
// report of the Memory sink); nothing with the Discard sink.
void writeReport(BattleState& state, std::string_view text);

// Writes the turn's lines to the report and starts an empty turn.
void flushLog(BattleState& state);

// Copies head.dat of `folder` into `file`, byte for byte; nothing when it is
// missing.
void copyHeader(OutputFile& file, const std::string& folder);

// The sound-cue hook: no output; recorded in `state.cues` for tests.
void playSoundCue(BattleState& state, std::string_view cue);
