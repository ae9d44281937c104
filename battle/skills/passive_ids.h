// The passive skills 101..120 by name, for every rule that asks which
// passive a combatant holds.
#pragma once

namespace passive {

// clang-format off
enum : int {
  autoRepair     = 101,  // オートリペア
  magicBox       = 102,  // マジックボックス
  autoGuard      = 103,  // オートガード
  braveHeart     = 104,  // ブレイブハート
  bonusChance    = 105,  // ボーナスチャンス！
  wakeUp         = 106,  // ウェイクアップ
  savings        = 107,  // 普通預金
  steal          = 108,  // 盗む
  skillCancel    = 109,  // スキルキャンセル
  jetEngine      = 110,  // ジェットエンジン
  cloneImage     = 111,  // 分身
  fullRevival    = 112,  // 完全復活
  kingOfSword    = 113,  // KING OF SWORD
  deflect        = 114,  // ディフレクト
  decoy          = 115,  // おとり
  probabilityRun = 116,  // 確率変動
  bloodyRose     = 117,  // ブラッディローズ
  superAlloy     = 118,  // 超合金
  prescription   = 119,  // 処方箋
  quickTime      = 120,  // クイックタイム
};
// clang-format on

}  // namespace passive
