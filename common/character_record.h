// The character record shared by battle and pagegen, and its profile file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/game_int.h"
#include "platform/files.h"

inline constexpr int kNumericFieldCount = 41;
inline constexpr int kTextFieldCount = 5;
inline constexpr int kTextCapacity = 256;

// Keys of the numeric fields: the index is the key's number.
enum NumericField : int {
  N_PARAM_000,
  N_PARAM_001,
  N_PARAM_002,
  N_PARAM_003,
  N_PARAM_004,
  N_PARAM_005,
  N_PARAM_006,
  N_PARAM_007,
  N_PARAM_008,
  N_PARAM_009,
  N_PARAM_010,
  N_PARAM_011,
  N_PARAM_012,
  N_PARAM_013,
  N_PARAM_014,
  N_PARAM_015,
  N_PARAM_016,
  N_PARAM_017,
  N_PARAM_018,
  N_PARAM_019,
  N_PARAM_020,
  N_PARAM_021,
  N_PARAM_022,
  N_PARAM_023,
  N_PARAM_024,
  N_PARAM_025,
  N_PARAM_026,
  N_PARAM_027,
  N_PARAM_028,
  N_PARAM_029,
  N_PARAM_030,
  N_PARAM_031,
  N_PARAM_032,
  N_PARAM_033,
  N_PARAM_034,
  N_PARAM_035,
  N_PARAM_036,
  N_PARAM_037,
  N_PARAM_038,
  N_PARAM_039,
  N_PARAM_040,
};

enum TextField : int { S_PARAM_000, S_PARAM_001, S_PARAM_002, S_PARAM_003, S_PARAM_004 };

// The game's words for the fields the rules use.
// clang-format off
inline constexpr int kLevel         = N_PARAM_000;
inline constexpr int kHp            = N_PARAM_001;
inline constexpr int kMp            = N_PARAM_002;
inline constexpr int kAttack        = N_PARAM_003;  // physical attack
inline constexpr int kDefence       = N_PARAM_004;  // physical defence
inline constexpr int kMagicAttack   = N_PARAM_005;
inline constexpr int kMagicDefence  = N_PARAM_006;
inline constexpr int kExperience    = N_PARAM_007;
inline constexpr int kSpeed         = N_PARAM_008;
inline constexpr int kMaxHp         = N_PARAM_010;
inline constexpr int kMaxMp         = N_PARAM_011;
inline constexpr int kWeapon        = N_PARAM_012;
inline constexpr int kArmour        = N_PARAM_013;
inline constexpr int kJob           = N_PARAM_015;
inline constexpr int kItemPolicy    = N_PARAM_017;
inline constexpr int kSkill1        = N_PARAM_022;
inline constexpr int kSkill2        = N_PARAM_023;
inline constexpr int kSkill3        = N_PARAM_024;
inline constexpr int kPassive       = N_PARAM_025;
inline constexpr int kVictories     = N_PARAM_026;
inline constexpr int kWipeOuts      = N_PARAM_027;
inline constexpr int kMoney         = N_PARAM_028;
inline constexpr int kLives         = N_PARAM_029;
inline constexpr int kGauge         = N_PARAM_030;  // action gauge
inline constexpr int kEvasion       = N_PARAM_031;
inline constexpr int kSkillBonus    = N_PARAM_032;  // skill-activation bonus
inline constexpr int kHitRate       = N_PARAM_033;
inline constexpr int kLifeBottles   = N_PARAM_034;
inline constexpr int kElixirs       = N_PARAM_035;
inline constexpr int kMagicBottles  = N_PARAM_036;
inline constexpr int kPhoenixRings  = N_PARAM_037;
inline constexpr int kSkillLevel1   = N_PARAM_038;
inline constexpr int kSkillLevel2   = N_PARAM_039;
inline constexpr int kSkillLevel3   = N_PARAM_040;
inline constexpr int kName          = S_PARAM_000;
// clang-format on

// 41 numbers and 5 NUL-terminated Shift-JIS texts of at most 255 bytes.
struct CharacterRecord {
  Int n[kNumericFieldCount];
  char s[kTextFieldCount][kTextCapacity];
};
static_assert(sizeof(CharacterRecord) == 361 * 4);

// The record's name, S_PARAM_000.
std::string_view nameOf(const CharacterRecord& record);

// Copies a name into the record, cut to 255 bytes.
void setName(CharacterRecord& record, std::string_view name);

// Fills the record from the profile file `fileName` of `folder`; a missing
// file or key gives 0 and the empty text. Returns whether the file was read,
// is missing, or exists but could not be read (then the record holds the
// defaults, and the file must not be written back from it).
ReadStatus loadCharacter(const std::string& folder, std::string_view fileName, CharacterRecord& record);

// Writes the 41 numbers and the name into the profile file `fileName` of
// `folder`, keeping every other line; the file is replaced atomically.
// Returns 0, as the host's callers expect; a failed write is ignored.
int saveCharacter(const CharacterRecord& record, const std::string& folder, std::string_view fileName);
