#include "battle/turn/resolve_action.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/turn/action_code.h"
#include "common/sjis.h"
#include "common/sjis_decode.h"
#include "support/battle_builder.h"
#include "wanted_draws.h"

namespace {

// The turn's values as the loop leaves them, then the resolution.
void resolve(BattleState& state, int actor, int target, Int code, Int level) {
  state.actorIndex = actor;
  state.targetIndex = target;
  state.actionCode = code;
  state.skillLevel = level;
  resolveAction(state);
}

std::vector<std::string> linesOf(const BattleState& state) {
  std::vector<std::string> lines;
  std::string text = cp932ToUtf8(state.log.text);
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Party member "A" (index 3) against enemy "B" (index 0); both always hit.
struct Duel {
  TestBattle battle;
  BattleState* state;
  Combatant& a() { return battle.combatants[3]; }
  Combatant& b() { return battle.combatants[0]; }
  Duel() {
    for (int i : {0, 3}) {
      battle.combatants[i] = makeCombatant(
          i == 0 ? "B" : "A",
          {{kHp, 500}, {kMaxHp, 500}, {kMp, 50}, {kAttack, 40}, {kHitRate, 200}, {kItemPolicy, 9}});
    }
    battle.combatants[4] = makeCombatant("C", {{kHp, 500}, {kMaxHp, 500}});
    state = &battle.setUp();
  }
};

TEST(ResolveAction, CounterSatoriAndAngelRunInTheirOrder) {
  Duel duel;
  duel.a().skillState[slot::paralysed] = 1;
  duel.b().skillState[slot::counterReady] = 1;
  duel.a().skillState[slot::satoriReady] = 1;
  duel.a().skillState[slot::angelCharges] = 1;
  forceDraws(duel.state->rng, {{100, 50}, {100, 50}});  // hit check, no critical hit
  resolve(*duel.state, 3, 0, action::normalAttack, 0);

  // B counters the paralysed A, A's さとり shows, A's 天子光臨 turns B's
  // counter-attack back onto B.
  const std::vector<std::string> expected = {
      "<br><font color=blue>--->　Aの攻撃！</font><br>", "★　　カウンター発動！<br>",
      "<br><font color=red><---　Bの攻撃！<br></font>",  "★　　さとり発動！<br>",
      "そんな攻撃は何の意味も無いのだ・・・<br>",        "★　　天子光臨！<br>",
      "<br><font color=red><---　Bの攻撃！<br></font>",
  };
  std::vector<std::string> lines = linesOf(*duel.state);
  ASSERT_GE(lines.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]);
  EXPECT_NE(lines[expected.size()].find("Bは"), std::string::npos);
  EXPECT_EQ(duel.state->actorIndex, 0);
  EXPECT_EQ(duel.state->targetIndex, 0);
  EXPECT_EQ(duel.a().skillState[slot::paralysed], 0);
  EXPECT_EQ(duel.b().skillState[slot::counterReady], 0);
  EXPECT_EQ(duel.a().skillState[slot::satoriReady], 0);
  EXPECT_EQ(duel.a().skillState[slot::angelCharges], 0);
  EXPECT_LT(duel.b().n[kHp], 500);
  EXPECT_EQ(duel.a().n[kHp], 500);
}

TEST(ResolveAction, ACounterAttackCanMiss) {
  Duel duel;
  duel.b().skillState[slot::counterReady] = 1;
  duel.b().n[kHitRate] = 0;
  duel.a().n[kEvasion] = 1;  // margin -1: never hits
  resolve(*duel.state, 3, 0, 5, 1);
  EXPECT_EQ(duel.state->actionCode, action::miss);
  EXPECT_EQ(duel.state->replacedAction, action::normalAttack);
  EXPECT_EQ(duel.a().n[kMp], 50);
}

TEST(ResolveAction, HitMarginBounds) {
  // clang-format off
  struct Case { int hitRate, evasion, draw; bool hits; };
  const Case cases[] = {
      {99, 0, 99, true}, {50, 50, 0, true}, {50, 50, 1, false}, {10, 11, 0, false}, {60, 10, 50, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    Duel duel;
    duel.a().n[kHitRate] = c.hitRate;
    duel.b().n[kEvasion] = c.evasion;
    forceDraws(duel.state->rng, {{100, c.draw}});
    resolve(*duel.state, 3, 0, 5, 1);
    EXPECT_EQ(duel.state->actionCode == action::miss, !c.hits)
        << c.hitRate << " " << c.evasion << " " << c.draw;
  }
}

TEST(ResolveAction, ASkillThatRunsCountsNamesAndPays) {
  Duel duel;
  resolve(*duel.state, 3, 0, 42, 1);  // ソードブレイク has no effect
  EXPECT_EQ(duel.state->actionCode, 42);
  EXPECT_EQ(duel.a().n[kMp], 48);
  EXPECT_EQ(duel.state->partyStats.skillActivations, 1);
  EXPECT_EQ(cp932ToUtf8(std::string(duel.state->lastActionName)), "ソードブレイク");
  EXPECT_EQ(duel.state->rng.draws, 1u);  // the hit check only
}

TEST(ResolveAction, AMissNamesTheReplacedSkillAndCostsNothing) {
  Duel duel;
  duel.state->lastActionName = "x";
  duel.b().n[kEvasion] = 500;
  resolve(*duel.state, 3, 0, 5, 1);
  EXPECT_EQ(duel.state->replacedAction, 5);
  EXPECT_EQ(duel.a().n[kMp], 50);
  EXPECT_EQ(duel.state->lastActionName, "x");
  EXPECT_EQ(duel.state->partyStats.skillActivations, 0);
  std::vector<std::string> lines = linesOf(*duel.state);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "☆　　ウィンドカッター発動！<br>");
  EXPECT_EQ(lines[2], "★　　ミス！！<br>");
}

TEST(ResolveAction, SkillCancelHitsLikeANormalAttackForTheOtherSide) {
  Duel duel;
  duel.b().n[kPassive] = 109;
  duel.b().n[kDefence] = 10;
  forceDraws(duel.state->rng, {{100, 0}, {100, 19}, {-1, -1}});
  resolve(*duel.state, 3, 0, 5, 1);
  EXPECT_EQ(duel.state->actionCode, action::skillCancelled);
  EXPECT_EQ(duel.state->enemyStats.skillActivations, 1);
  EXPECT_EQ(duel.state->partyStats.skillActivations, 0);
  EXPECT_EQ(duel.a().n[kMp], 50);
  // damageRoll(32, 10, 0): 32 - 10 + 0..7
  Int damage = 500 - duel.b().n[kHp];
  EXPECT_GE(damage, 22);
  EXPECT_LE(damage, 29);
  std::vector<std::string> lines = linesOf(*duel.state);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "☆　　スキルキャンセル発動！<br>");
  EXPECT_EQ(lines[2], "★　　スキル発動をキャンセル！<br>");
}

TEST(ResolveAction, TargetPassiveDrawsOnlyWhenItApplies) {
  // clang-format off
  struct Case { int passive; int code; bool misses; unsigned draws; };
  const Case cases[] = {
      {109, action::normalAttack, true,  1},  // the hit check; a normal attack is no skill
      {109, 42,           false, 2},  // 42 is a skill without an effect
      {109, 42,           true,  1},  // a missed skill is no skill any more
      {114, action::normalAttack, true,  2},
      {111, 42,           false, 2},
      {0,   42,           false, 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    Duel duel;
    duel.b().n[kPassive] = c.passive;
    if (c.misses) duel.b().n[kEvasion] = 500;  // the miss itself draws nothing
    resolve(*duel.state, 3, 0, c.code, 1);
    EXPECT_EQ(duel.state->rng.draws, c.draws) << c.passive << " " << c.code;
  }
}

TEST(ResolveAction, AReactionCountsForTheSideOppositeTheActorAfterTheAngel) {
  Duel duel;
  duel.b().skillState[slot::angelCharges] = 3;
  duel.a().n[kPassive] = 111;  // A is now its own target and evades itself
  forceDraws(duel.state->rng, {{100, 0}, {100, 5}});
  resolve(*duel.state, 3, 0, action::normalAttack, 0);
  EXPECT_EQ(duel.state->actionCode, action::evaded);
  EXPECT_EQ(duel.state->targetIndex, 3);
  EXPECT_EQ(duel.state->enemyStats.skillActivations, 1);
  EXPECT_EQ(duel.b().skillState[slot::angelCharges], 2);
  EXPECT_EQ(linesOf(*duel.state).back(), "★　　Aは身をかわした！<br>");
}

TEST(ResolveAction, ADeflectionVoidsAnItemUse) {
  Duel duel;
  duel.a() = makeCombatant("A", {{kHp, 10}, {kMaxHp, 500}, {kHitRate, 200}, {kLifeBottles, 1}});
  duel.b().n[kPassive] = 114;
  forceDraws(duel.state->rng, {{100, 0}, {100, 0}});
  resolve(*duel.state, 3, 0, action::normalAttack, 0);
  EXPECT_EQ(duel.state->actionCode, action::deflected);
  EXPECT_EQ(duel.a().n[kLifeBottles], 1);
  EXPECT_EQ(duel.a().n[kHp], 10);
}

TEST(ResolveAction, AnItemReplacesAMissAndTakesTheStock) {
  Duel duel;
  duel.a() = makeCombatant("A", {{kHp, 40}, {kMaxHp, 100}, {kLifeBottles, 2}, {kElixirs, 1}});
  duel.battle.combatants[4] = makeCombatant("C", {{kHp, 20}, {kMaxHp, 100}});
  duel.battle.combatants[5] = makeCombatant("D", {{kHp, 0}, {kMaxHp, 100}});
  resolve(*duel.state, 3, 0, 5, 1);  // hit check fails, the item still comes
  EXPECT_EQ(duel.state->actionCode, action::elixirAlly);
  EXPECT_EQ(duel.battle.combatants[4].n[kHp], 90);
  EXPECT_EQ(duel.a().n[kElixirs], 0);
  EXPECT_EQ(duel.a().n[kLifeBottles], 2);
  EXPECT_EQ(duel.a().n[kMp], 0);
}

TEST(ResolveAction, NormalAttackIsCappedAndCriticalUsesMoreAttack) {
  Duel duel;
  duel.b().n[kHp] = 3;
  duel.a().n[kAttack] = 1000;
  forceDraws(duel.state->rng, {{100, 0}, {100, 4}});
  resolve(*duel.state, 3, 0, action::normalAttack, 0);
  EXPECT_EQ(duel.b().n[kHp], 0);
  std::vector<std::string> lines = linesOf(*duel.state);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "★　　クリティカルヒット！！<br>");
  EXPECT_EQ(lines[2], "　　　Bは3のダメージを受けた。<br>");
  EXPECT_EQ(lines[3], "<br>Bを倒した！！<br><br>");
  EXPECT_EQ(duel.state->enemyStats.damageTaken, 3);
  EXPECT_EQ(duel.state->cues[1], std::string_view("eff\\ef007.mp3"));
}

}  // namespace
