// Changes of record fields given on the command line (WHO.FIELD=VALUE),
// applied to the loaded match only: the folder's files are never changed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "battle/combatant.h"

// A field a designer may change: its record key number, its readable alias
// and what it means.
struct FieldInfo {
  int field;
  const char* alias;
  const char* meaning;
};

// Every documented numeric field, in key order.
std::span<const FieldInfo> documentedFields();

// The alias of a field, or its key ("N_PARAM_009") when it has none.
std::string fieldLabel(int field);
std::string fieldKey(int field);

// A combatant and a field: "enemy2.speed", "member1.N_PARAM_033".
struct FieldTarget {
  int combatant = 0;  // index 0..5
  int field = 0;      // key number 0..40
};

struct FieldSet {
  FieldTarget target;
  std::int32_t value = 0;
  std::string text;  // as given
};

// The names of the six combatants: enemy1..enemy3, member1..member3.
std::string combatantWho(int index);

// Parses "WHO.FIELD"; on failure `error` names the bad part.
std::optional<FieldTarget> parseFieldTarget(std::string_view text, std::string& error);

// Parses a signed 32-bit decimal value.
std::optional<std::int32_t> parseFieldValue(std::string_view text);

// Parses "WHO.FIELD=VALUE".
std::optional<FieldSet> parseFieldSet(std::string_view text, std::string& error);

// Applies the changes in order to the six combatants.
void applyFieldSets(Combatant* combatants, const std::vector<FieldSet>& sets);
