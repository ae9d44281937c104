#include "battle/settlement/growth.h"

#include <iterator>

namespace {

inline constexpr int kJobCount = 17;

struct Growth {
  int hp, mp, attack, defence, magicAttack, magicDefence;
};

// clang-format off
// job           hp  mp  atk def mat mdf
constexpr Growth kGrowth[] = {
    /*  0 */ {10,  4,  4,  4,  2,  2},
    /*  1 */ {10,  4,  4,  4,  2,  2},
    /*  2 */ {14,  4,  6,  4,  2,  1},
    /*  3 */ {14,  4,  6,  4,  2,  1},
    /*  4 */ {10,  6,  3,  4,  2,  4},
    /*  5 */ {10,  6,  3,  4,  2,  4},
    /*  6 */ { 7, 10,  2,  4,  9,  5},
    /*  7 */ { 7, 10,  2,  4,  9,  5},
    /*  8 */ { 9,  8,  4,  4,  4,  3},
    /*  9 */ { 9,  8,  4,  4,  4,  3},
    /* 10 */ {10,  4,  3,  4,  2,  2},
    /* 11 */ {10,  4,  3,  4,  2,  2},
    /* 12 */ {14,  6,  6,  4,  2,  2},
    /* 13 */ {14,  6,  6,  4,  2,  2},
    /* 14 */ {10,  4,  7,  4,  2,  2},
    /* 15 */ {10,  4,  7,  4,  2,  2},
    /* 16 */ {16,  6,  6,  5,  0,  0},
};
// clang-format on
static_assert(std::size(kGrowth) == kJobCount);

// The job's base record; the growth step reads HP, MP and attack only.
struct Base {
  int hp, mp, attack, defence, magicAttack, magicDefence, speed, n009, maxHp, maxMp, job, money, evasion,
      hitRate, skillLevel1;
};

// clang-format off
// job         001  002 003 004 005 006 008 009 010 011 015   028 031 033 038
constexpr Base kBase[] = {
    /*  0 */ { 62, 12, 17,  8,  5,  4, 20,  4, 62, 12,  0, 2000,  4, 94,  1},
    /*  1 */ { 58, 13, 16,  7,  6,  5, 21,  4, 58, 13,  1, 2000,  4, 95,  1},
    /*  2 */ { 80,  8, 22, 11,  0,  2, 18,  4, 80,  8,  2, 2000,  3, 90,  1},
    /*  3 */ { 76,  9, 21, 10,  1,  3, 19,  4, 76,  9,  3, 2000,  3, 91,  1},
    /*  4 */ { 45, 10, 10,  6,  2,  7, 18,  5, 45, 10,  4, 2000,  3, 94,  1},
    /*  5 */ { 41, 11,  9,  5,  3,  8, 19,  5, 41, 11,  5, 2000,  3, 93,  1},
    /*  6 */ { 39, 26,  6,  7, 13, 10, 16,  3, 33, 26,  6, 2000,  2, 96,  1},
    /*  7 */ { 36, 30,  5,  6, 16, 12, 17,  3, 30, 30,  7, 2000,  2, 97,  1},
    /*  8 */ { 50, 11, 15,  8,  8,  6, 17,  4, 50, 11,  8, 2000,  3, 94,  1},
    /*  9 */ { 46, 12, 14,  7,  9,  7, 18,  4, 46, 12,  9, 2000,  3, 95,  1},
    /* 10 */ { 45,  8, 12,  6,  3,  4, 28,  4, 45,  8, 10, 2000,  6, 96,  1},
    /* 11 */ { 41,  9, 11,  5,  4,  5, 29,  4, 41,  9, 11, 2000,  6, 97,  1},
    /* 12 */ { 85,  9, 24,  6,  4,  3, 23,  4, 85,  9, 12, 2000,  4, 96,  1},
    /* 13 */ { 81, 10, 23,  5,  5,  4, 24,  4, 81, 10, 13, 2000,  4, 97,  1},
    /* 14 */ { 54, 11, 20,  4,  6,  3, 22,  4, 54, 11, 14, 2000,  4, 94,  1},
    /* 15 */ { 50, 12, 19,  3,  7,  4, 23,  4, 50, 12, 15, 2000,  4, 95,  1},
    /* 16 */ {120, 12, 17, 12,  0,  0, 15,  4, 99, 12, 16, 2000,  2, 93,  0},
};
// clang-format on
static_assert(std::size(kBase) == kJobCount);

// clang-format off
// The skills an empty first slot may receive at a tenth level.
constexpr int kSkillPool[] = {
     1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
    11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
    21, 22, 23, 25, 26, 27, 28, 29, 30, 31,
    32, 33, 34, 44, 48, 53, 63, 95,
};
// clang-format on
static_assert(std::size(kSkillPool) == 38);

struct Choice {
  int upTo;  // the highest roll of 0..99 that picks it
  int becomes;
};

// A skill's evolution: one fixed successor, or a roll among up to five.
struct Evolution {
  int skill;
  bool rolled;
  Choice choices[5];
};

// clang-format off
// skill  rolled  choices
constexpr Evolution kEvolutions[] = {
    { 1, true,  {{19, 35}, {39, 37}, {59, 43}, {79, 61}, {99, 66}}},
    { 2, false, {{99, 36}}},
    { 3, true,  {{49, 46}, {99, 76}}},
    { 4, false, {{99, 39}}},
    { 5, true,  {{49, 40}, {99, 59}}},
    { 6, false, {{99, 60}}},
    { 8, false, {{99, 47}}},
    {10, false, {{99, 69}}},
    {12, false, {{99, 49}}},
    {13, false, {{99, 50}}},
    {14, false, {{99, 51}}},
    {15, true,  {{19, 52}, {39, 55}, {59, 68}, {79, 75}, {99, 100}}},
    {18, false, {{99, 24}}},
    {19, false, {{99, 67}}},
    {20, false, {{99, 57}}},
    {22, false, {{99, 45}}},
    {23, false, {{99, 58}}},
    {25, false, {{99, 41}}},
    {26, false, {{99, 74}}},
    {27, false, {{99, 71}}},
    {28, true,  {{32, 62}, {66, 64}, {99, 65}}},
    {29, false, {{99, 54}}},
    {30, false, {{99, 38}}},
    {35, false, {{99, 82}}},
    {36, false, {{99, 90}}},
    {37, false, {{99, 91}}},
    {38, false, {{99, 88}}},
    {39, false, {{99, 84}}},
    {41, false, {{99, 98}}},
    {43, true,  {{49, 81}, {99, 87}}},
    {45, false, {{99, 77}}},
    {46, false, {{99, 80}}},
    {49, false, {{99, 85}}},
    {50, false, {{99, 99}}},
    {51, false, {{99, 89}}},
    {54, false, {{99, 94}}},
    {57, false, {{99, 93}}},
    {58, false, {{99, 86}}},
    {59, false, {{99, 56}}},
    {60, false, {{99, 96}}},
    {61, false, {{99, 92}}},
    {65, false, {{99, 78}}},
    {67, false, {{99, 72}}},
    {71, false, {{99, 97}}},
    {76, false, {{99, 79}}},
};
// clang-format on
static_assert(std::size(kEvolutions) == 45);

const Evolution* evolutionOf(Int skill) {
  for (const Evolution& row : kEvolutions) {
    if (row.skill == skill) return &row;
  }
  return nullptr;
}

Int evolved(RandomGenerator& rng, const Evolution& row) {
  if (!row.rolled) return row.choices[0].becomes;
  Int roll = randomBelow(rng, 100);
  for (const Choice& choice : row.choices) {
    if (roll <= choice.upTo) return choice.becomes;
  }
  return row.choices[0].becomes;  // not reached: the last choice ends at 99
}

// randomBelow(g) + 1: 1 to g, and 1 without a draw when g is 0.
Int gain(RandomGenerator& rng, int growth) { return randomBelow(rng, growth) + 1; }

// Half the way up to the job's growth line, when the value lags behind it.
void catchUp(Int& value, Int target) {
  if (target > value) value += (target - value) / 2;
}

void growStats(RandomGenerator& rng, CharacterRecord& r, const Growth& g, Int level) {
  Int hpGain = gain(rng, g.hp);
  if (level >= 10) hpGain += randomBelow(rng, g.hp);
  r.n[kHp] += hpGain;
  r.n[kMaxHp] += hpGain;
  Int mpGain = gain(rng, g.mp);
  r.n[kMp] += mpGain;
  r.n[kMaxMp] += mpGain;
  if (level > 5) {
    r.n[kAttack] += gain(rng, g.attack);
    r.n[kDefence] += gain(rng, g.defence);
    r.n[kMagicAttack] += gain(rng, g.magicAttack);
    r.n[kMagicDefence] += gain(rng, g.magicDefence);
  }
}

void growSkills(RandomGenerator& rng, CharacterRecord& r) {
  for (int i = 0; i < 3; ++i) {
    if (randomBelow(rng, 100) < 35) evolveSkill(rng, r.n[kSkill1 + i], r.n[kSkillLevel1 + i]);
  }
}

void tenthLevelCatchUp(RandomGenerator& rng, CharacterRecord& r, const Growth& g, const Base& b, Int level) {
  Int hpTarget = Int(b.hp) + (level - 1) * (g.hp + 1);
  if (level > 10) hpTarget += (level - 10) * g.hp;
  catchUp(r.n[kMaxHp], hpTarget);
  catchUp(r.n[kMaxMp], Int(b.mp) + (level - 1) * (g.mp + 1));
  catchUp(r.n[kAttack], Int(b.attack) + (level - 1) * (g.attack + 1));
  if (r.n[kSkill1] == 0) r.n[kSkill1] = kSkillPool[randomBelow(rng, 38).v];
}

}  // namespace

void evolveSkill(RandomGenerator& rng, Int& skill, Int& counter) {
  if (skill == 0) return;
  ++counter;
  if (counter > 5) counter = 5;
  if (counter != 5) return;
  counter = 1;
  if (const Evolution* row = evolutionOf(skill)) skill = evolved(rng, *row);
}

void levelUp(RandomGenerator& rng, CharacterRecord& record) {
  ++record.n[kLevel];
  const Int level = record.n[kLevel];
  const Int job = record.n[kJob];
  if (job >= 0 && job < kJobCount) {
    const Growth& g = kGrowth[job.v];
    growStats(rng, record, g, level);
    growSkills(rng, record);
    if (level % 10 == 0) tenthLevelCatchUp(rng, record, g, kBase[job.v], level);
  }
  record.n[kMp] = record.n[kMaxMp];
  record.n[kHp] = record.n[kMaxHp];
}
