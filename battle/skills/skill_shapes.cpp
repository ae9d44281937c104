#include "battle/skills/skill_shapes.h"

#include <iterator>
#include <string_view>

#include "battle/report/report_output.h"
#include "battle/turn/damage_roll.h"
#include "common/sjis.h"

namespace {

enum class Power : unsigned char { None, Attack, MagicAttack };

// The defence a roll subtracts. DEF and MDEF are the victim's own (in a
// strike the victim is the target); T_MDEF is the turn target's magic
// defence, used for every victim of a sweep.
enum class Guard : unsigned char { NONE, DEF, MDEF, HALF_MDEF, T_MDEF };
using enum Guard;

inline constexpr int kSkillLevel = -1;  // the level of the chosen skill

// damageRoll((power × k) / 10, guard, level).
struct Roll {
  Power power = Power::None;
  int k = 0;
  Guard guard = NONE;
  int level = kSkillLevel;
};

constexpr Roll atk(int k, Guard guard, int level = kSkillLevel) { return {Power::Attack, k, guard, level}; }
constexpr Roll matk(int k, Guard guard, int level = kSkillLevel) {
  return {Power::MagicAttack, k, guard, level};
}

// The damage of one hit: one roll, or two drawn in order and summed, plus a
// fixed bonus.
struct HitFormula {
  Roll first;
  Roll second;
  int bonus = 0;

  constexpr HitFormula() = default;
  constexpr HitFormula(Roll a, Roll b = {}, int plus = 0) : first(a), second(b), bonus(plus) {}
};

// What a strike does after its last hit, given the amount of that hit.
using FollowUp = void (*)(BattleState& state, const SkillUse& use, Int dealt);

struct StrikeSkill {
  int id;
  int hits;
  bool capped;
  HitFormula formulas[4];           // hit i uses formula i, or the last one given
  std::string_view headerCue;       // after the header, for every actor
  std::string_view partyHeaderCue;  // after the header, for a party actor only
  std::string_view headerLine;      // after those cues
  std::string_view hitCue;          // empty: the side's own hit sound
  FollowUp followUp;
};

struct SweepSkill {
  int id;
  HitFormula formula;
  int passes;
  int markerSlot;                   // set to 1 on the actor first, or 0
  std::string_view headerCue;       // after the header, for every actor
  std::string_view enemyHeaderCue;  // after the header, for an enemy actor only
  std::string_view victimCue;       // before each victim's hit cue
  std::string_view partyHitCue;     // empty: the side's own hit sound
  std::string_view enemyHitCue;
  bool enemyHeaderPerVictim;  // an enemy actor writes the header again before each hit
};

// Follow-ups of the strikes.

// Nothing reads the magic attack between the roll and the header, so losing
// it after the hit is the same as losing it before the header.
void loseMagicAttack(BattleState& state, const SkillUse& use, Int) {
  combatantAt(state, use.actor).n[kMagicAttack] = 0;
}

void drainAbsorbed(BattleState& state, const SkillUse& use, Int dealt, Int tenthsKept) {
  Int absorbed = tenths(dealt, tenthsKept);
  appendLogFormat(state, "　　　%dを吸収！<br>\n"_sj, {absorbed});
  combatantAt(state, use.actor).n[kHp] += absorbed;  // may pass the maximum
}
void drainFourTenths(BattleState& state, const SkillUse& use, Int dealt) {
  drainAbsorbed(state, use, dealt, 4);
}
void drainSevenTenths(BattleState& state, const SkillUse& use, Int dealt) {
  drainAbsorbed(state, use, dealt, 7);
}

// An HP cost never takes the actor below 1 HP.
void payHp(BattleState& state, const SkillUse& use, Int cost) {
  Int& hp = combatantAt(state, use.actor).n[kHp];
  hp -= cost;
  if (hp <= 0) hp = 1;
}
void bloodPrice(BattleState& state, const SkillUse& use, Int) {
  appendLogLine(state, "　　　力の代償としてHPが3減少。<br>\n"_sj);
  payHp(state, use, 3);
}
void shiranuiPrice(BattleState& state, const SkillUse& use, Int) {
  appendLogLine(state, "　　　力の代償としてHPが5減少。<br>\n"_sj);
  payHp(state, use, 5);
}
void glassAceRecoil(BattleState& state, const SkillUse& use, Int dealt) {
  Int recoil = dealt / 10;
  appendLogFormat(state, "　　　くはぁ。代償として%dダメージ。<br>\n"_sj, {recoil});
  payHp(state, use, recoil);
}

void darkPowerToll(BattleState& state, const SkillUse& use, Int) {
  appendLogLine(state, "　　　体が蝕まれていく！<br>\n"_sj);
  Int& maxHp = combatantAt(state, use.actor).n[kMaxHp];
  maxHp -= 1;
  if (maxHp < 15) maxHp = 15;
}

void stopTargetGauge(BattleState& state, const SkillUse& use, Int) {
  combatantAt(state, use.target).n[kGauge] = 0;
}

void eagleShotBoost(BattleState& state, const SkillUse& use, Int) {
  Combatant& actor = combatantAt(state, use.actor);
  actor.skillState[slot::skillRateBoost] = 1;
  actor.n[kGauge] = 70;
  appendLogLine(state, "　　　確率変動！<br>\n"_sj);
}

void markSwordDance(BattleState& state, const SkillUse& use, Int) {
  combatantAt(state, use.actor).skillState[slot::swordDanceUsed] = 1;
}

void gaugeToSeventy(BattleState& state, const SkillUse& use, Int) {
  combatantAt(state, use.actor).n[kGauge] = 70;
}
void gaugeToFifty(BattleState& state, const SkillUse& use, Int) {
  combatantAt(state, use.actor).n[kGauge] = 50;
}

void finalStrikeToll(BattleState& state, const SkillUse& use, Int) {
  Combatant& actor = combatantAt(state, use.actor);
  actor.skillState[slot::finalStrikeUsed] = 1;
  actor.n[kHp] = 1;
}

// Unlike the drains of 25 and 41, the line shows the whole amount dealt.
void megaDrain(BattleState& state, const SkillUse& use, Int dealt) {
  appendLogFormat(state, "　　　%dを吸収！<br>\n"_sj, {dealt});
  combatantAt(state, use.actor).n[kHp] += tenths(dealt, 4);  // may pass the maximum
}

constexpr bool kCapped = true;
constexpr bool kUncapped = false;

// clang-format off
//  id hits cap        formulas per hit                                              header cue    party cue     header line                            hit cue            follow-up
constexpr StrikeSkill kStrikes[] = {
  {  1,  2, kUncapped, {{atk(7, DEF)}},                                              "",           "bt001.mp3",  "くらえっ！<br>\n"_sj,                  "",                nullptr},
  {  2,  2, kUncapped, {{atk(7, DEF)}},                                              "",           "bt001.mp3",  "くらえっ！<br>\n"_sj,                  "",                nullptr},
  {  3,  1, kCapped,   {{atk(11, DEF)}},                                             "",           "",           "",                                    "eff\\ef015.mp3",  nullptr},
  { 12,  1, kCapped,   {{matk(13, MDEF)}},                                           "",           "",           "",                                    "eff\\ef023.mp3",  nullptr},
  { 17,  1, kCapped,   {{atk(15, DEF), matk(2, NONE)}},                              "ef024.mp3",  "",           "",                                    "",                nullptr},
  { 18,  1, kCapped,   {{atk(30, NONE)}},                                            "ef024.mp3",  "",           "",                                    "",                loseMagicAttack},
  { 24,  1, kCapped,   {{atk(45, NONE)}},                                            "ef024.mp3",  "",           "",                                    "eff\\ef007.mp3",  loseMagicAttack},
  { 25,  1, kCapped,   {{matk(10, HALF_MDEF)}},                                      "ef016.mp3",  "",           "",                                    "",                drainFourTenths},
  { 28,  1, kCapped,   {{matk(8, MDEF)}},                                            "",           "",           "",                                    "eff\\ef019.mp3",  nullptr},
  { 29,  1, kCapped,   {{atk(14, DEF), matk(1, NONE)}},                              "",           "",           "",                                    "",                bloodPrice},
  { 31,  1, kCapped,   {{atk(18, DEF), matk(3, NONE)}},                              "",           "",           "",                                    "",                darkPowerToll},
  { 32,  1, kCapped,   {{atk(35, DEF)}},                                             "",           "",           "",                                    "",                nullptr},
  { 34,  1, kCapped,   {{atk(11, DEF), matk(1, NONE)}},                              "ef020.mp3",  "",           "",                                    "eff\\ef015.mp3",  nullptr},
  { 35,  3, kUncapped, {{atk(7, DEF)}},                                              "",           "",           "",                                    "",                nullptr},
  { 36,  3, kUncapped, {{atk(7, DEF)}},                                              "",           "",           "",                                    "",                nullptr},
  { 37,  4, kUncapped, {{atk(5, DEF)}},                                              "",           "",           "",                                    "",                nullptr},
  { 41,  1, kCapped,   {{matk(10, MDEF)}},                                           "ef016.mp3",  "",           "",                                    "",                drainSevenTenths},
  { 44,  1, kCapped,   {{atk(19, DEF)}},                                             "",           "",           "",                                    "",                glassAceRecoil},
  { 46,  1, kCapped,   {{atk(10, NONE)}},                                            "",           "",           "",                                    "eff\\ef015.mp3",  nullptr},
  { 49,  1, kCapped,   {{atk(11, DEF), matk(10, MDEF)}},                             "",           "",           "",                                    "eff\\ef023.mp3",  nullptr},
  { 54,  1, kCapped,   {{atk(17, DEF), matk(3, NONE)}},                              "",           "",           "",                                    "",                shiranuiPrice},
  { 61,  1, kCapped,   {{atk(10, DEF), matk(10, NONE)}},                             "",           "",           "",                                    "",                stopTargetGauge},
  { 64,  1, kCapped,   {{atk(10, DEF), matk(5, MDEF)}},                              "",           "",           "",                                    "eff\\ef019.mp3",  nullptr},
  { 68,  1, kCapped,   {{atk(16, DEF)}},                                             "ef031.mp3",  "",           "",                                    "",                nullptr},
  { 73,  1, kCapped,   {{atk(20, DEF), matk(10, MDEF)}},                             "",           "",           "",                                    "",                nullptr},
  { 75,  3, kUncapped, {{atk(11, DEF)}},                                             "",           "",           "",                                    "",                nullptr},
  { 76,  2, kUncapped, {{atk(7, DEF)}, {atk(13, DEF)}},                              "",           "",           "",                                    "",                nullptr},
  { 78,  1, kUncapped, {{matk(20, MDEF)}},                                           "",           "",           "",                                    "",                nullptr},
  { 79,  1, kUncapped, {{atk(30, DEF)}},                                             "ef020.mp3",  "",           "",                                    "eff\\ef015.mp3",  nullptr},
  { 80,  1, kUncapped, {{atk(12, NONE)}},                                            "",           "",           "",                                    "eff\\ef015.mp3",  nullptr},
  { 81,  1, kUncapped, {{atk(14, DEF)}},                                             "",           "",           "",                                    "",                eagleShotBoost},
  { 82,  4, kUncapped, {{atk(4, DEF)}, {atk(6, DEF)}, {atk(10, DEF)}, {atk(14, DEF)}}, "",         "",           "",                                    "",                nullptr},
  { 90,  4, kUncapped, {{atk(12, DEF)}},                                             "",           "",           "",                                    "",                markSwordDance},
  { 91, 10, kUncapped, {{atk(5, DEF)}},                                              "",           "",           "",                                    "",                nullptr},
  { 92,  2, kUncapped, {{atk(12, DEF)}},                                             "",           "",           "",                                    "",                gaugeToSeventy},
  { 94,  1, kUncapped, {{atk(30, DEF), matk(20, MDEF)}},                             "",           "",           "",                                    "",                finalStrikeToll},
  { 98,  1, kCapped,   {{matk(12, MDEF)}},                                           "ef016.mp3",  "",           "",                                    "",                megaDrain},
  {100,  1, kUncapped, {{atk(13, DEF)}},                                             "ef032.mp3",  "",           "",                                    "",                gaugeToFifty},
  {148,  2, kUncapped, {{atk(7, DEF, 4), matk(10, NONE, 4)}, {atk(7, DEF)}},         "",           "bt001.mp3",  "　　　貫け！クリスタルランス！<br>\n"_sj, "",            nullptr},
  {149,  1, kUncapped, {{atk(15, DEF, 4), matk(10, NONE, 4)}},                       "",           "bt001.mp3",  "",                                    "",                nullptr},
  {150,  1, kUncapped, {{atk(19, DEF, 4), matk(10, NONE, 4)}},                       "",           "bt001.mp3",  "",                                    "",                nullptr},
};
static_assert(std::size(kStrikes) == 41);

//  id  formula                        passes marker              header cue   enemy cue    victim cue   party hit cue     enemy hit cue     header per victim (enemy)
constexpr SweepSkill kSweeps[] = {
  {  4, {atk(10, DEF)},                       1, 0,                   "",          "",          "",          "",               "",               false},
  {  5, {matk(10, T_MDEF)},                   1, 0,                   "",          "",          "",          "ef012.mp3",      "",               false},
  { 15, {atk(10, DEF)},                       1, 0,                   "",          "",          "ef028.mp3", "",               "",               false},
  { 22, {atk(10, DEF)},                       1, 0,                   "",          "",          "",          "",               "",               false},
  { 30, {matk(4, T_MDEF)},                    1, 0,                   "ef029.mp3", "",          "",          "",               "",               false},
  { 38, {matk(8, T_MDEF)},                    1, 0,                   "",          "",          "",          "eff\\ef021.mp3", "eff\\ef021.mp3", false},
  { 39, {atk(15, DEF)},                       1, 0,                   "ef020.mp3", "",          "",          "",               "",               false},
  { 45, {atk(10, DEF), matk(1, MDEF)},        1, 0,                   "",          "",          "",          "",               "",               false},
  { 52, {atk(15, DEF)},                       1, 0,                   "ef030.mp3", "",          "",          "",               "",               true},
  { 55, {atk(20, DEF), {}, 20},               1, slot::fullSalvoUsed, "ef030.mp3", "",          "",          "",               "",               false},
  { 56, {matk(20, T_MDEF)},                   1, 0,                   "",          "",          "",          "",               "",               false},
  { 59, {matk(16, T_MDEF)},                   1, 0,                   "",          "",          "",          "",               "",               false},
  { 65, {matk(7, T_MDEF)},                    1, 0,                   "",          "ef021.mp3", "",          "eff\\ef019.mp3", "",               false},
  { 77, {atk(5, DEF)},                        3, 0,                   "",          "",          "",          "",               "",               false},
  { 84, {atk(18, DEF)},                       1, 0,                   "",          "",          "",          "",               "",               false},
  { 85, {atk(10, DEF), matk(10, MDEF)},       1, 0,                   "",          "",          "",          "",               "",               false},
  { 88, {atk(5, DEF), matk(10, MDEF)},        1, 0,                   "ef029.mp3", "",          "",          "",               "",               false},
  {147, {atk(10, DEF, 4), matk(10, NONE, 4)}, 1, 0,                   "",          "",          "",          "",               "",               false},
};
static_assert(std::size(kSweeps) == 18);
// clang-format on

Int guardOf(BattleState& state, const SkillUse& use, int victim, Guard guard) {
  const Combatant& v = combatantAt(state, victim);
  switch (guard) {
    case NONE:
      return 0;
    case DEF:
      return v.n[kDefence];
    case MDEF:
      return v.n[kMagicDefence];
    case HALF_MDEF:
      return v.n[kMagicDefence] / 2;
    case T_MDEF:
      return combatantAt(state, use.target).n[kMagicDefence];
  }
  return 0;
}

// The attack values are read at the moment of each roll.
Int rollOf(BattleState& state, const SkillUse& use, int victim, const Roll& roll) {
  const Combatant& actor = combatantAt(state, use.actor);
  Int power = roll.power == Power::Attack ? actor.n[kAttack] : actor.n[kMagicAttack];
  Int level = roll.level == kSkillLevel ? use.level : Int(roll.level);
  return damageRoll(state, tenths(power, roll.k), guardOf(state, use, victim, roll.guard), level);
}

Int hitDamage(BattleState& state, const SkillUse& use, int victim, const HitFormula& formula) {
  Int damage = rollOf(state, use, victim, formula.first);
  if (formula.second.power != Power::None) damage += rollOf(state, use, victim, formula.second);
  return damage + formula.bonus;
}

const HitFormula& formulaOfHit(const StrikeSkill& skill, int hit) {
  int last = 0;
  while (last + 1 < static_cast<int>(std::size(skill.formulas)) &&
         skill.formulas[last + 1].first.power != Power::None) {
    ++last;
  }
  return skill.formulas[hit < last ? hit : last];
}

Int landStrikeHit(BattleState& state, const SkillUse& use, const StrikeSkill& skill, int hit) {
  Int damage = hitDamage(state, use, use.target, formulaOfHit(skill, hit));
  return skill.capped ? subtractCapped(state, use.target, damage)
                      : subtractUncapped(state, use.target, damage);
}

void playIfAny(BattleState& state, std::string_view cue) {
  if (!cue.empty()) playSoundCue(state, cue);
}

void runStrike(BattleState& state, const SkillUse& use, const StrikeSkill& skill) {
  Int dealt = landStrikeHit(state, use, skill, 0);
  writeSkillHeader(state, use);
  playIfAny(state, skill.headerCue);
  if (isPartyMember(use.actor)) playIfAny(state, skill.partyHeaderCue);
  if (!skill.headerLine.empty()) appendLogLine(state, skill.headerLine);
  reportHit(state, use.actor, use.target, dealt, skill.hitCue);
  for (int hit = 1; hit < skill.hits; ++hit) {
    dealt = landStrikeHit(state, use, skill, hit);
    reportHit(state, use.actor, use.target, dealt, skill.hitCue);
  }
  if (skill.followUp != nullptr) skill.followUp(state, use, dealt);
}

void runSweep(BattleState& state, const SkillUse& use, const SweepSkill& skill) {
  bool enemyActor = !isPartyMember(use.actor);
  if (skill.markerSlot != 0) combatantAt(state, use.actor).skillState[skill.markerSlot] = 1;
  writeSkillHeader(state, use);
  playIfAny(state, skill.headerCue);
  if (enemyActor) playIfAny(state, skill.enemyHeaderCue);
  std::string_view hitCue = enemyActor ? skill.enemyHitCue : skill.partyHitCue;
  for (int pass = 0; pass < skill.passes; ++pass) {
    for (int victim = firstOpponent(use.actor); victim < firstOpponent(use.actor) + 3; ++victim) {
      if (!isAlive(combatantAt(state, victim))) continue;
      Int dealt = subtractCapped(state, victim, hitDamage(state, use, victim, skill.formula));
      if (enemyActor && skill.enemyHeaderPerVictim) writeSkillHeader(state, use);
      playIfAny(state, skill.victimCue);
      reportHit(state, use.actor, victim, dealt, hitCue);
    }
  }
}

}  // namespace

void strike(BattleState& state, const SkillUse& use) {
  for (const StrikeSkill& skill : kStrikes) {
    if (skill.id == use.code) return runStrike(state, use, skill);
  }
}

void sweep(BattleState& state, const SkillUse& use) {
  for (const SweepSkill& skill : kSweeps) {
    if (skill.id == use.code) return runSweep(state, use, skill);
  }
}
