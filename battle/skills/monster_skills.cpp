#include "battle/skills/monster_skills.h"

#include "battle/report/report_output.h"
#include "battle/skills/skill_catalogue.h"
#include "battle/skills/skill_shapes.h"
#include "battle/turn/damage_roll.h"
#include "common/sjis.h"

namespace {

// Several monster skills name fixed combatants whoever acts: the party
// members (indices 3..5), and combatant 1. That is index 1, the second
// enemy, although the lines speak of the leader (index 0): the game has
// always worked on index 1, and its monsters are balanced on that.
constexpr int kCombatant1 = 1;

template <typename Act>
void forEachLivingPartyMember(BattleState& state, Act act) {
  for (int i = kPartyMember1; i <= kPartyMember3; ++i) {
    if (isAlive(state.combatants[i])) act(i);
  }
}

// 121 スパイダーウェブ
void spiderWeb(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.target).n[kSpeed] -= 2;
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　ぷしゅーう。<br>\n"_sj);
  appendLogFormat(state, "　　　%sの素早さが減少！<br>\n"_sj, {nameAt(state, use.target)});
}

// 123 すみ
void ink(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).skillState[slot::inkUsed] = 1;
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.n[kHitRate] -= c.n[kHitRate] / 10; });
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　ぼしゅーーん・・・<br>\n"_sj);
  appendLogLine(state, "　　　命中率が減少！<br>\n"_sj);
}

// 124 デスサイズ: a silent halving, without damage or defeat lines.
void deathScythe(BattleState& state, const SkillUse& use) {
  Int& hp = combatantAt(state, use.target).n[kHp];
  hp = hp / 2;
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　HPの半分を切り落とされた！<br>\n"_sj);
}

// 125 電気ショック
void electricShock(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.target).skillState[slot::paralysed] = 1;
  writeSkillHeader(state, use);
  appendLogFormat(state, "　　　%sは麻痺した！<br>\n"_sj, {nameAt(state, use.target)});
}

// 126 ロシアンルーレット: the party's lives are held by member 1; the last one
// takes it down.
void russianRoulette(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  if (randomBelow(state, 4) != 0) {
    appendLogLine(state, "　　　はずれ！！<br>\n"_sj);
    return;
  }
  Combatant& holder = combatantAt(state, kPartyMember1);
  holder.n[kLives] -= 1;
  appendLogLine(state, "　　　ばきゅーん！！！<br>\n"_sj);
  appendLogFormat(state, "　　　%s,ライフ喪失！<br>\n"_sj, {nameOf(holder)});
  if (holder.n[kLives] == 0) holder.n[kHp] = 0;
}

// 128 ダストシュート
void dustChute(BattleState& state, const SkillUse& use) {
  Int& magicDefence = combatantAt(state, use.target).n[kMagicDefence];
  magicDefence += magicDefence / 10;
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　防御力アップ！<br>\n"_sj);
}

// 129 自爆
void selfDestruct(BattleState& state, const SkillUse& use) {
  Int& mp = combatantAt(state, use.target).n[kMp];
  mp -= 20;
  writeSkillHeader(state, use);
  appendLogFormat(state, "　　　%sのMP捨ててやれ・・・！<br>\n"_sj, {nameAt(state, use.target)});
  if (mp < 0) mp = 0;
}

// 130 オールキャンセル (monster): silent. The actor's HP is read again for
// each member, as the actor may be one of them.
void monsterAllCancel(BattleState& state, const SkillUse& use) {
  forEachLivingPartyMember(state, [&](int i) {
    Int& hp = combatantAt(state, i).n[kHp];
    hp -= combatantAt(state, use.actor).n[kHp];
    if (hp < 0) hp = 0;
  });
}

// 131 逃走: every living combatant, the actor included.
void escape(BattleState& state, const SkillUse& use) {
  for (int i = 0; i < kCombatantCount; ++i) {
    if (isAlive(combatantAt(state, i))) combatantAt(state, i).n[kGauge] = 0;
  }
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　ACTゲージをキャンセル！<br>\n"_sj);
}

// 133 フォースシールド: raises the opponents' attack, as it always has.
void forceShield(BattleState& state, const SkillUse& use) {
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.n[kAttack] += c.n[kAttack] / 10; });
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　パーティの攻撃力アップ。<br>\n"_sj);
}

// 134 ちりょう
void treatment(BattleState& state, const SkillUse& use) {
  Int& defence = combatantAt(state, kCombatant1).n[kDefence];
  defence += defence / 10;
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　リーダーの防御力アップ。<br>\n"_sj);
}

// 135 捕食
void devour(BattleState& state, const SkillUse& use) {
  Combatant& c = combatantAt(state, kCombatant1);
  healWithCap(c, tenths(c.n[kHp], 3));
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　リーダーのHP回復。<br>\n"_sj);
}

// 139 (no name): the header has no skill line.
void leaderMagicRestore(BattleState& state, const SkillUse& use) {
  Combatant& c = combatantAt(state, kCombatant1);
  c.n[kMp] += tenths(c.n[kMp], 3);
  if (c.n[kMp] > c.n[kMaxMp]) c.n[kMp] = c.n[kMaxMp];
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　リーダーのMP回復。<br>\n"_sj);
}

// 141 サザンクロス: the three enemies strike together once per battle; the
// mark is kept on the leader whoever acts. No header, no hit cue.
void southernCross(BattleState& state, const SkillUse& use) {
  for (int i = 0; i < 3; ++i) {
    if (!isAlive(combatantAt(state, i))) return;
  }
  if (combatantAt(state, kEnemyLeader).skillState[slot::southernCrossUsed] == 1) return;
  Int damage = 0;
  for (int i = 0; i < 3; ++i) {
    damage += damageRoll(state, combatantAt(state, i).n[kAttack], combatantAt(state, use.target).n[kDefence],
                         use.level);
  }
  Int dealt = subtractCapped(state, use.target, damage);
  combatantAt(state, kEnemyLeader).skillState[slot::southernCrossUsed] = 1;
  logDamage(state, nameAt(state, use.target), use.target, dealt, combatantAt(state, use.target).n[kHp]);
}

// 143 ホーリーウィンド: 68 % of the target's maximum HP, uncapped.
void holyWind(BattleState& state, const SkillUse& use) {
  Int amount = combatantAt(state, use.target).n[kMaxHp] * 68 / 100;
  ++combatantAt(state, use.actor).skillState[slot::holyWindUses];
  subtractUncapped(state, use.target, amount);
  writeSkillHeader(state, use);
  reportHit(state, use.actor, use.target, amount, {});
}

// 144 ジャッジメント (monster): no member is left below 5 HP; one already
// below is lifted to 5 and the damage line shows the negative amount.
void monsterJudgement(BattleState& state, const SkillUse& use) {
  ++combatantAt(state, use.actor).skillState[slot::judgementUses];
  writeSkillHeader(state, use);
  forEachLivingPartyMember(state, [&](int i) {
    Combatant& x = combatantAt(state, i);
    Int damage = physicalRoll(state, use.actor, 10, x.n[kDefence], use.level);  // drawn first
    damage += magicRoll(state, use.actor, 10, x.n[kMagicDefence], use.level);
    if (damage > x.n[kHp] - 5) damage = x.n[kHp] - 5;
    x.n[kHp] -= damage;
    reportHit(state, use.actor, i, damage, {});
  });
}

// 145 様子を見る: one line, no header.
void watchAndWait(BattleState& state, const SkillUse& use) {
  appendLogFormat(state, "　　　%sは様子を見ている。<br>\n"_sj, {nameAt(state, use.actor)});
}

// 146 ファイナルストライク (monster): no header; every member is hit as if it
// had the turn target's defences.
void monsterFinalStrike(BattleState& state, const SkillUse& use) {
  forEachLivingPartyMember(state, [&](int i) {
    const Combatant& t = combatantAt(state, use.target);
    Int damage = physicalRoll(state, use.actor, 30, t.n[kDefence], use.level);
    damage += magicRoll(state, use.actor, 20, t.n[kMagicDefence], use.level);
    Int dealt = subtractCapped(state, i, damage);
    reportHit(state, use.actor, i, dealt, {});
  });
  Combatant& actor = combatantAt(state, use.actor);
  actor.skillState[slot::monsterFinalStrikeUsed] = 1;
  actor.n[kHp] = 1;
}

// clang-format off
//  id  effect
constexpr SkillRow kMonsterSkills[] = {
    {121, spiderWeb},           // スパイダーウェブ
    {122, nullptr},             // ソードブレイク: no effect, no line
    {123, ink},                 // すみ
    {124, deathScythe},         // デスサイズ
    {125, electricShock},       // 電気ショック
    {126, russianRoulette},     // ロシアンルーレット
    {127, nullptr},             // からにこもる: no effect, no line
    {128, dustChute},           // ダストシュート
    {129, selfDestruct},        // 自爆
    {130, monsterAllCancel},    // オールキャンセル
    {131, escape},              // 逃走
    {132, nullptr},             // テーマソング: no effect, no line
    {133, forceShield},         // フォースシールド
    {134, treatment},           // ちりょう
    {135, devour},              // 捕食
    {136, nullptr},             // あまごい: no effect, no line
    {137, nullptr},             // ナイトメア: no effect, no line
    {138, nullptr},             // ほきゅう: no effect, no line
    {139, leaderMagicRestore},  // (no name)
    {140, nullptr},             // 記憶喪失: no effect, no line
    {141, southernCross},       // サザンクロス
    {142, nullptr},             // ガードキャンセル: no effect, no line
    {143, holyWind},            // ホーリーウィンド
    {144, monsterJudgement},    // ジャッジメント
    {145, watchAndWait},        // 様子を見る
    {146, monsterFinalStrike},  // ファイナルストライク
    {147, sweep},               // クリスタルアロー
    {148, strike},              // クリスタルランス
    {149, strike},              // クリスタルレーザー
    {150, strike},              // クリスタルスパイラル
};
// clang-format on
static_assert(rowsCoverIds(kMonsterSkills, kFirstMonsterSkill, kLastSkill));

}  // namespace

SkillEffect monsterSkillEffect(int id) { return kMonsterSkills[id - kFirstMonsterSkill].effect; }
