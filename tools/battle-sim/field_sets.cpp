#include "field_sets.h"

#include <charconv>
#include <cstdio>
#include <iterator>

namespace {

// clang-format off
// key  alias            meaning
constexpr FieldInfo kFields[] = {
    { 0, "level",         "level"},
    { 1, "hp",            "HP at the start of the battle"},
    { 2, "mp",            "MP at the start of the battle"},
    { 3, "attack",        "physical attack"},
    { 4, "defence",       "physical defence"},
    { 5, "magic_attack",  "magic attack"},
    { 6, "magic_defence", "magic defence"},
    { 7, "experience",    "experience (an enemy leader: the experience it is worth)"},
    { 8, "speed",         "speed: added to the action gauge at every tick"},
    {10, "max_hp",        "maximum HP"},
    {11, "max_mp",        "maximum MP"},
    {12, "weapon",        "weapon (status pages only)"},
    {13, "armour",        "armour (status pages only)"},
    {15, "job",           "job id 0..16 (growth tables)"},
    {17, "item_policy",   "item-use policy 0, 1 or 2; other values use no item"},
    {22, "skill1",        "first skill id"},
    {23, "skill2",        "second skill id"},
    {24, "skill3",        "third skill id"},
    {25, "passive",       "passive skill id 101..120"},
    {26, "victories",     "victories"},
    {27, "wipe_outs",     "wipe-outs"},
    {28, "money",         "money (an enemy leader: the money it is worth)"},
    {29, "lives",         "lives (member 1 holds the party's lives)"},
    {30, "gauge",         "action gauge at the start of the battle"},
    {31, "evasion",       "evasion rate"},
    {32, "skill_bonus",   "skill-activation bonus"},
    {33, "hit_rate",      "hit rate"},
    {34, "life_bottles",  "life bottles"},
    {35, "elixirs",       "elixirs"},
    {36, "magic_bottles", "magic bottles"},
    {37, "phoenix_rings", "phoenix rings"},
    {38, "skill1_level",  "level of the first skill 1..5"},
    {39, "skill2_level",  "level of the second skill 1..5"},
    {40, "skill3_level",  "level of the third skill 1..5"},
};
// clang-format on
static_assert(std::size(kFields) == 34);

constexpr const char* kWho[kCombatantCount] = {"enemy1", "enemy2", "enemy3", "member1", "member2", "member3"};

std::optional<int> parseKey(std::string_view text) {
  if (text.size() != 11 || text.substr(0, 8) != "N_PARAM_") return std::nullopt;
  int number = 0;
  for (char c : text.substr(8)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number >= kNumericFieldCount) return std::nullopt;
  return number;
}

}  // namespace

std::span<const FieldInfo> documentedFields() { return kFields; }

std::string fieldKey(int field) {
  char key[16];
  std::snprintf(key, sizeof key, "N_PARAM_%03d", field);
  return key;
}

std::string fieldLabel(int field) {
  for (const FieldInfo& info : kFields) {
    if (info.field == field) return info.alias;
  }
  return fieldKey(field);
}

std::string combatantWho(int index) { return kWho[index]; }

std::optional<FieldTarget> parseFieldTarget(std::string_view text, std::string& error) {
  std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) {
    error = "'" + std::string(text) + "' is not WHO.FIELD";
    return std::nullopt;
  }
  std::string_view who = text.substr(0, dot);
  std::string_view field = text.substr(dot + 1);
  FieldTarget target;
  bool known = false;
  for (int i = 0; i < kCombatantCount; ++i) {
    if (who == kWho[i]) {
      target.combatant = i;
      known = true;
    }
  }
  if (!known) {
    error = "unknown combatant '" + std::string(who) + "' (enemy1..enemy3 or member1..member3)";
    return std::nullopt;
  }
  if (std::optional<int> key = parseKey(field)) {
    target.field = *key;
    return target;
  }
  for (const FieldInfo& info : kFields) {
    if (field == info.alias) {
      target.field = info.field;
      return target;
    }
  }
  error = "unknown field '" + std::string(field) + "' (a key N_PARAM_000..N_PARAM_040 or an alias)";
  return std::nullopt;
}

std::optional<std::int32_t> parseFieldValue(std::string_view text) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  auto [rest, code] = std::from_chars(text.data(), end, value);
  if (text.empty() || code != std::errc() || rest != end) return std::nullopt;
  return value;
}

std::optional<FieldSet> parseFieldSet(std::string_view text, std::string& error) {
  std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    error = "'" + std::string(text) + "' is not WHO.FIELD=VALUE";
    return std::nullopt;
  }
  std::optional<FieldTarget> target = parseFieldTarget(text.substr(0, equals), error);
  if (!target) return std::nullopt;
  std::optional<std::int32_t> value = parseFieldValue(text.substr(equals + 1));
  if (!value) {
    error = "value '" + std::string(text.substr(equals + 1)) + "' of " + std::string(text.substr(0, equals)) +
            " is not an integer from -2147483648 to 2147483647";
    return std::nullopt;
  }
  return FieldSet{*target, *value, std::string(text)};
}

void applyFieldSets(Combatant* combatants, const std::vector<FieldSet>& sets) {
  for (const FieldSet& set : sets) combatants[set.target.combatant].n[set.target.field] = set.value;
}
