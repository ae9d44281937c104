#include "battle/skills/active_skills.h"

#include "battle/report/report_output.h"
#include "battle/skills/skill_catalogue.h"
#include "battle/skills/skill_shapes.h"
#include "common/sjis.h"

namespace {

void growByTenths(Int& value, Int k) { value += tenths(value, k); }

// The death sentence: 1..maxPoints more points, death at 8 (no damage line).
// `cueAlways`: the warning cue plays for any actor, not for a party actor only.
void addDeathPoints(BattleState& state, const SkillUse& use, int victim, Int maxPoints, bool cueAlways) {
  Combatant& v = combatantAt(state, victim);
  v.skillState[slot::deathSentencePoints] += randomBelow(state, maxPoints) + 1;
  if (v.skillState[slot::deathSentencePoints] >= 8) {
    v.n[kHp] = 0;
    appendLogFormat(state, "　　　%s即死。<br>\n"_sj, {nameOf(v)});
    return;
  }
  if (cueAlways || isPartyMember(use.actor)) playSoundCue(state, "ef018.mp3");
  appendLogFormat(state, "　　　%s死亡まであと%dポイント・・・<br>\n"_sj,
                  {nameOf(v), Int(8) - v.skillState[slot::deathSentencePoints]});
}

// HP + h, where h is `amount` cut to what the actor lacks of its maximum.
Int healSelf(Combatant& actor, Int amount) {
  Int missing = actor.n[kMaxHp] - actor.n[kHp];
  Int healed = amount > missing ? missing : amount;
  actor.n[kHp] += healed;
  return healed;
}

// 6 憂いの唄
void sorrowSong(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　相手パーティの攻撃力が減少！<br>\n"_sj);
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.n[kAttack] -= c.n[kAttack] / 10; });
  ++combatantAt(state, use.actor).skillState[slot::sorrowSongUses];
}

// 7 カウンター
void counter(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogFormat(state, "　　　%sは待ち構えている・・・<br>\n"_sj, {nameAt(state, use.actor)});
  combatantAt(state, use.actor).skillState[slot::counterReady] = 1;
}

// 8 サイコフレーム
void psychoFrame(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　全能力が大幅アップ。<br>\n"_sj);
  Combatant& a = combatantAt(state, use.actor);
  for (int field : {kAttack, kDefence, kMagicAttack, kMagicDefence}) a.n[field] += a.n[field] / 10;
}

// 10 さとり
void satori(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  playSoundCue(state, "ef024.mp3");
  appendLogLine(state, "　　　敵の攻撃など、何の意味もないのだ・・・<br>\n"_sj);
  Combatant& a = combatantAt(state, use.actor);
  a.n[kEvasion] += 30;
  a.skillState[slot::satoriReady] = 1;
}

// 11 裁きの炎: the HP the actor has lost, less the target's magic defence;
// cut to the target's HP first, then raised to 0 when negative.
void judgementFlame(BattleState& state, const SkillUse& use) {
  const Combatant& a = combatantAt(state, use.actor);
  Combatant& t = combatantAt(state, use.target);
  Int damage = a.n[kMaxHp] - a.n[kHp] - t.n[kMagicDefence];
  if (damage > t.n[kHp]) damage = t.n[kHp];
  if (damage < 0) damage = 0;
  t.n[kHp] -= damage;
  writeSkillHeader(state, use);
  reportHit(state, use.actor, use.target, damage, "eff\\ef019.mp3");
}

// 13 時間縮退
void timeShrink(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  playSoundCue(state, "ef018.mp3");
  appendLogFormat(state, "　　　%sの時間だけちょっと停止・・・<br>\n"_sj, {nameAt(state, use.target)});
  combatantAt(state, use.target).n[kGauge] = 0;
}

// 14 死刑宣告
void deathSentence(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  addDeathPoints(state, use, use.target, 2, true);
}

// 16 地雷
void landmine(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　地雷をセット！<br>\n"_sj);
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.skillState[slot::landmine] = 1; });
}

// 19 ダメージフィールド
void damageField(BattleState& state, const SkillUse& use) {
  writeBareHeader(state, use);
  appendLogLine(state, "　　　動くとダメージを受ける感じで・・・<br>\n"_sj);
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.skillState[slot::damageField] = 1; });
  combatantAt(state, use.actor).skillState[slot::damageField] = 2;
}

// 20 溜める
void gatherPower(BattleState& state, const SkillUse& use) {
  writeBareHeader(state, use);
  appendLogFormat(state, "　　　%sは力をためている。<br>\n"_sj, {nameAt(state, use.actor)});
  Int& attack = combatantAt(state, use.actor).n[kAttack];
  attack += attack / 10;
}

// 21 デス: the target's whole HP, through the damage line.
void death(BattleState& state, const SkillUse& use) {
  Int dealt = subtractCapped(state, use.target, combatantAt(state, use.target).n[kHp]);
  writeSkillHeader(state, use);
  reportHit(state, use.actor, use.target, dealt, {});
}

// 23 毒霧: the user's own slot becomes 3, which also ends its own poisoning.
void poisonMist(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  playSoundCue(state, "ef022.mp3");
  appendLogLine(state, "　　　ぷしゅーう<br>\n"_sj);
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.skillState[slot::poisoned] = 1; });
  combatantAt(state, use.actor).skillState[slot::poisoned] = 3;
}

// 26 パラライズアイ
void paralyseEye(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  playSoundCue(state, "ef020.mp3");
  appendLogLine(state, "　　　きゅぴーん！<br>\n"_sj);
  combatantAt(state, use.target).skillState[slot::paralysed] = 1;
}

// 27 ヒール
void heal(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  Int healed = healSelf(combatantAt(state, use.actor), 30);
  appendLogFormat(state, "　　　%d回復！<br>\n"_sj, {healed});
}

// 33 サボりぐせ
void slacking(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　やる気しないなー・・・<br>\n"_sj);
}

// 40 ウィンドバリア
void windBarrier(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　防御力アップ！<br>\n"_sj);
  Combatant& a = combatantAt(state, use.actor);
  growByTenths(a.n[kDefence], 3);
  growByTenths(a.n[kMagicDefence], 3);
  a.skillState[slot::windBarrierUsed] = 1;
}

// 43 加速
void accelerate(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　スピードアップ！<br>\n"_sj);
  playSoundCue(state, "ef017.mp3");
  Combatant& a = combatantAt(state, use.actor);
  growByTenths(a.n[kSpeed], 3);
  a.skillState[slot::accelerateUsed] = 1;
}

// 47 サイコバースト
void psychoBurst(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　全能力大幅アップ！<br>\n"_sj);
  Combatant& a = combatantAt(state, use.actor);
  for (int field : {kAttack, kDefence, kMagicAttack, kMagicDefence}) growByTenths(a.n[field], 4);
}

// 48 脱臼
void dislocation(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　いてっ・・・。攻撃力ダウン・・・<br>\n"_sj);
  Int& attack = combatantAt(state, use.actor).n[kAttack];
  attack -= attack / 10;
}

// 50 時間縮退・２
void timeShrinkAll(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  playSoundCue(state, "ef018.mp3");
  appendLogLine(state, "　　　みんなの時間をちょっと停止・・・<br>\n"_sj);
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.n[kGauge] = 0; });
}

// 51 死刑宣告・２ and 89 死刑宣告・３
void deathSentenceAll(BattleState& state, const SkillUse& use, Int maxPoints) {
  writeSkillHeader(state, use);
  forEachLivingOpponent(state, use.actor,
                        [&](Combatant&, int i) { addDeathPoints(state, use, i, maxPoints, false); });
}

// 53 オールキャンセル: every slot of the user, its once-per-battle marks included.
void allCancel(BattleState& state, const SkillUse& use) {
  for (Int& slot : combatantAt(state, use.actor).skillState) slot = 0;
  writeSkillHeader(state, use);
  playSoundCue(state, "ef024.mp3");
  appendLogLine(state, "　　　付加効果全キャンセル！<br>\n"_sj);
}

// 57 チャージ
void charge(BattleState& state, const SkillUse& use) {
  growByTenths(combatantAt(state, use.actor).n[kAttack], 3);
  writeSkillHeader(state, use);
  playSoundCue(state, "ef024.mp3");
  appendLogFormat(state, "　　　%sは力をたくさんためている。<br>\n"_sj, {nameAt(state, use.actor)});
}

// 58 毒ガス
void poisonGas(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).skillState[slot::poisonGasUsed] = 1;
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.skillState[slot::poisoned] = 1; });
  writeSkillHeader(state, use);
  playSoundCue(state, "ef022.mp3");
  appendLogLine(state, "　　　ぷしゅーーう。<br>\n"_sj);
}

// 60 嘆きの唄
void lament(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).skillState[slot::lamentUsed] = 1;
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.n[kSpeed] = c.n[kSpeed] / 2; });
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　敵全体のすばやさ半減。<br>\n"_sj);
}

// 62 ファイアアーマー
void fireArmour(BattleState& state, const SkillUse& use) {
  Combatant& a = combatantAt(state, use.actor);
  a.skillState[slot::fireArmourUsed] = 1;
  growByTenths(a.n[kDefence], 3);
  growByTenths(a.n[kMagicDefence], 3);
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　防御力がファイヤーぁぁ！。<br>\n"_sj);
}

// 63 おにぎり
void riceBall(BattleState& state, const SkillUse& use) {
  Combatant& a = combatantAt(state, use.actor);
  Int healed = healSelf(a, a.n[kMaxHp] / 10);
  writeSkillHeader(state, use);
  appendLogFormat(state, "　　　もぐもぐ・・・%d回復！<br>\n"_sj, {healed});
}

// 66 フェイント
void feint(BattleState& state, const SkillUse& use) {
  writeSkillHeader(state, use);
  appendLogFormat(state, "　　　%sのACTゲージをキャンセル！<br>\n"_sj, {nameAt(state, use.target)});
  playSoundCue(state, "ef024.mp3");
  combatantAt(state, use.target).n[kGauge] = 0;
}

// 67 フォースフィールド
void forceField(BattleState& state, const SkillUse& use) {
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.skillState[slot::forceField] = 1; });
  combatantAt(state, use.actor).skillState[slot::forceField] = 2;
  writeSkillHeader(state, use);
}

// 69 無我の境地
void selflessness(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).n[kEvasion] += 50;
  writeSkillHeader(state, use);
  playSoundCue(state, "ef024.mp3");
  appendLogLine(state, "　　　・・・・・・・・・・・<br>\n"_sj);
}

// 70 天子光臨
void angelDescent(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).skillState[slot::angelCharges] = 3;
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　汝死すべし。<br>\n"_sj);
}

// 71 メガヒール
void megaHeal(BattleState& state, const SkillUse& use) {
  Combatant& a = combatantAt(state, use.actor);
  Int healed = healSelf(a, tenths(a.n[kMaxHp], 6));
  writeSkillHeader(state, use);
  appendLogFormat(state, "　　　%d回復！<br>\n"_sj, {healed});
}

// 72 神の領域
void divineDomain(BattleState& state, const SkillUse& use) {
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.skillState[slot::divineDomain] = 1; });
  combatantAt(state, use.actor).skillState[slot::divineDomain] = 2;
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　ここは踏み入れてはならぬ神の領域・・・<br>\n"_sj);
}

// 74 ルビーアイ
void rubyEye(BattleState& state, const SkillUse& use) {
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.skillState[slot::paralysed] = 1; });
  writeSkillHeader(state, use);
  playSoundCue(state, "ef020.mp3");
  appendLogLine(state, "　　　きゅぴーーーん！<br>\n"_sj);
}

// 86 瘴気
void miasma(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).skillState[slot::miasmaUsed] = 1;
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) {
    c.skillState[slot::paralysed] = 1;
    c.skillState[slot::poisoned] = 1;
  });
  writeSkillHeader(state, use);
  playSoundCue(state, "ef022.mp3");
  appendLogLine(state, "　　　ぷしゅーーーう！<br>\n"_sj);
}

// 87 スピードスター
void speedStar(BattleState& state, const SkillUse& use) {
  Combatant& a = combatantAt(state, use.actor);
  a.n[kSpeed] *= 2;
  a.skillState[slot::speedStarUsed] = 1;
  writeSkillHeader(state, use);
  playSoundCue(state, "ef017.mp3");
  appendLogLine(state, "　　　ぎゅいーん！<br>\n"_sj);
}

// 93 ファイアーマッスル: the attack grows after the lines.
void fireMuscle(BattleState& state, const SkillUse& use) {
  Combatant& a = combatantAt(state, use.actor);
  a.skillState[slot::fireMuscleUsed] = 1;
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　攻撃力がファイヤーぁぁぁ！<br>\n"_sj);
  growByTenths(a.n[kAttack], 2);
}

// 96 滅びの唄: a silent cut, without damage or defeat lines.
void doomSong(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).skillState[slot::doomSongUsed] = 1;
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.n[kHp] = c.n[kHp] / 10; });
  writeSkillHeader(state, use);
  appendLogLine(state, "　　　朽ち果てるがよい・・・滅びるがよい・・・<br>\n"_sj);
}

// 97 ムーンヒール
void moonHeal(BattleState& state, const SkillUse& use) {
  Combatant& a = combatantAt(state, use.actor);
  Int healed = healSelf(a, a.n[kMaxHp]);
  writeSkillHeader(state, use);
  appendLogFormat(state, "　　　%d回復！<br>\n"_sj, {healed});
}

// 99 時間縮退・３
void timeShrinkDeep(BattleState& state, const SkillUse& use) {
  combatantAt(state, use.actor).n[kGauge] = 90;
  forEachLivingOpponent(state, use.actor, [](Combatant& c, int) { c.n[kGauge] = 0; });
  writeSkillHeader(state, use);
  playSoundCue(state, "ef018.mp3");
  appendLogLine(state, "　　　みんなの時間をだいぶ停止・・・<br>\n"_sj);
}

// The two sentences of the whole side differ in the points one use adds.
void deathSentence2(BattleState& state, const SkillUse& use) { deathSentenceAll(state, use, 2); }
void deathSentence3(BattleState& state, const SkillUse& use) { deathSentenceAll(state, use, 3); }

// clang-format off
//  id  effect
constexpr SkillRow kActiveSkills[] = {
    {  1, strike},          // ２回攻撃
    {  2, strike},          // ２段斬り
    {  3, strike},          // アッパーカット
    {  4, sweep},           // 一文字切り
    {  5, sweep},           // ウィンドカッター
    {  6, sorrowSong},      // 憂いの唄
    {  7, counter},         // カウンター
    {  8, psychoFrame},     // サイコフレーム
    {  9, nullptr},         // 札束: no effect, no line
    { 10, satori},          // さとり
    { 11, judgementFlame},  // 裁きの炎
    { 12, strike},          // サンダー
    { 13, timeShrink},      // 時間縮退
    { 14, deathSentence},   // 死刑宣告
    { 15, sweep},           // ショットガン
    { 16, landmine},        // 地雷
    { 17, strike},          // 流星剣
    { 18, strike},          // シャイニングアタック
    { 19, damageField},     // ダメージフィールド
    { 20, gatherPower},     // 溜める
    { 21, death},           // デス
    { 22, sweep},           // 鉄の矢
    { 23, poisonMist},      // 毒霧
    { 24, strike},          // シャイニングスパーク
    { 25, strike},          // 粘液
    { 26, paralyseEye},     // パラライズアイ
    { 27, heal},            // ヒール
    { 28, strike},          // ファイア
    { 29, strike},          // ブラッドソード
    { 30, sweep},           // ブリザード
    { 31, strike},          // 闇の力
    { 32, strike},          // 逆転サヨナラホームラン
    { 33, slacking},        // サボりぐせ
    { 34, strike},          // ゴールドパンチ
    { 35, strike},          // ３回攻撃
    { 36, strike},          // ３段斬り
    { 37, strike},          // ４回攻撃
    { 38, sweep},           // アイスストーム
    { 39, sweep},           // 居合い抜き
    { 40, windBarrier},     // ウィンドバリア
    { 41, strike},          // エナジードレイン
    { 42, nullptr},         // ソードブレイク: no effect, no line
    { 43, accelerate},      // 加速
    { 44, strike},          // ガラスのエース
    { 45, sweep},           // 銀の矢
    { 46, strike},          // コークスクリュー
    { 47, psychoBurst},     // サイコバースト
    { 48, dislocation},     // 脱臼
    { 49, strike},          // サンダーブレード
    { 50, timeShrinkAll},   // 時間縮退・２
    { 51, deathSentence2},  // 死刑宣告・２
    { 52, sweep},           // 集中砲火
    { 53, allCancel},       // オールキャンセル
    { 54, strike},          // 不知火
    { 55, sweep},           // 全弾発射
    { 56, sweep},           // ダブルサイクロン
    { 57, charge},          // チャージ
    { 58, poisonGas},       // 毒ガス
    { 59, sweep},           // トルネード
    { 60, lament},          // 嘆きの唄
    { 61, strike},          // ヒット＆アウェイ
    { 62, fireArmour},      // ファイアアーマー
    { 63, riceBall},        // おにぎり
    { 64, strike},          // ファイアソード
    { 65, sweep},           // ファイアストーム
    { 66, feint},           // フェイント
    { 67, forceField},      // フォースフィールド
    { 68, strike},          // ミサイル
    { 69, selflessness},    // 無我の境地
    { 70, angelDescent},    // 天子光臨
    { 71, megaHeal},        // メガヒール
    { 72, divineDomain},    // 神の領域
    { 73, strike},          // メテオ
    { 74, rubyEye},         // ルビーアイ
    { 75, strike},          // ロケット砲
    { 76, strike},          // ワンツー
    { 77, sweep},           // 星の矢
    { 78, strike},          // イフリート
    { 79, strike},          // 黄金の右ストレート
    { 80, strike},          // オーラパンチ
    { 81, strike},          // イーグルショット
    { 82, strike},          // サイクルヒット
    { 83, nullptr},         // 最終形態: no effect, no line
    { 84, sweep},           // 斬鉄剣
    { 85, sweep},           // ジャッジメント
    { 86, miasma},          // 瘴気
    { 87, speedStar},       // スピードスター
    { 88, sweep},           // 絶対零度
    { 89, deathSentence3},  // 死刑宣告・３
    { 90, strike},          // 剣の舞
    { 91, strike},          // ドリルパンチ
    { 92, strike},          // ヒット＆ヒット＆アウェイ
    { 93, fireMuscle},      // ファイアーマッスル
    { 94, strike},          // ファイナルストライク
    { 95, nullptr},         // マジックマスター: no effect, no line
    { 96, doomSong},        // 滅びの唄
    { 97, moonHeal},        // ムーンヒール
    { 98, strike},          // メガドレイン
    { 99, timeShrinkDeep},  // 時間縮退・３
    {100, strike},          // レールガン
};
// clang-format on
static_assert(rowsCoverIds(kActiveSkills, kFirstActiveSkill, kLastActiveSkill));

}  // namespace

SkillEffect activeSkillEffect(int id) { return kActiveSkills[id - kFirstActiveSkill].effect; }
