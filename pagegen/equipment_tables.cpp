#include "common/sjis.h"
#include "pagegen/page_tables.h"

namespace {

// clang-format off
//  index     weapon                        value
constexpr Equipment kWeapons[] = {
    /*  0 */ {"バターナイフ"_sj,              0},
    /*  1 */ {"木の棒"_sj,                    1},
    /*  2 */ {"硬い棒"_sj,                    2},
    /*  3 */ {"格好いい剣"_sj,                3},
    /*  4 */ {"石斧"_sj,                      4},
    /*  5 */ {"竹刀"_sj,                      5},
    /*  6 */ {"木刀"_sj,                      6},
    /*  7 */ {"レイピア"_sj,                  7},
    /*  8 */ {"ショートソード"_sj,            7},
    /*  9 */ {"エストック"_sj,                7},
    /* 10 */ {"ブラッドソード"_sj,            7},
    /* 11 */ {"たこ肉"_sj,                    8},
    /* 12 */ {"ロングソード"_sj,              8},
    /* 13 */ {"バイキングソード"_sj,          9},
    /* 14 */ {"青竜刀"_sj,                    9},
    /* 15 */ {"鉄の斧"_sj,                   10},
    /* 16 */ {"サーベル"_sj,                 11},
    /* 17 */ {"クレイモア"_sj,               12},
    /* 18 */ {"トライデント"_sj,             13},
    /* 19 */ {"備前長船"_sj,                 14},
    /* 20 */ {"ドラゴンキラー"_sj,           15},
    /* 21 */ {"虎徹"_sj,                     16},
    /* 22 */ {"フランベルジュ"_sj,           17},
    /* 23 */ {"村雨"_sj,                     18},
    /* 24 */ {"マスカレイド"_sj,             19},
    /* 25 */ {"鬼切"_sj,                     20},
    /* 26 */ {"菊一文字"_sj,                 21},
    /* 27 */ {"炎の剣"_sj,                   22},
    /* 28 */ {"村正"_sj,                     23},
    /* 29 */ {"アイスブランド"_sj,           24},
    /* 30 */ {"不知火"_sj,                   25},
    /* 31 */ {"エクスカリバー"_sj,           26},
    /* 32 */ {"正宗"_sj,                     27},
    /* 33 */ {"クリスタルソード"_sj,         28},
};

//  index     armour                        value
constexpr Equipment kArmours[] = {
    /*  0 */ {"布の服"_sj,                    0},
    /*  1 */ {"厚手の服"_sj,                  1},
    /*  2 */ {"皮の服"_sj,                    2},
    /*  3 */ {"硬そうな鎧"_sj,                3},
    /*  4 */ {"武道家のふく"_sj,              4},
    /*  5 */ {"木の鎧"_sj,                    5},
    /*  6 */ {"金の鎧"_sj,                    5},
    /*  7 */ {"銀の鎧"_sj,                    6},
    /*  8 */ {"レザーアーマー"_sj,            6},
    /*  9 */ {"鎖かたびら"_sj,                6},
    /* 10 */ {"スケイルメイル"_sj,            7},
    /* 11 */ {"鉄の鎧"_sj,                    8},
    /* 12 */ {"鋼の鎧"_sj,                    9},
    /* 13 */ {"ハーフプレート"_sj,           10},
    /* 14 */ {"バトルアーマー"_sj,           11},
    /* 15 */ {"フルプレート"_sj,             12},
    /* 16 */ {"ミスリルメイル"_sj,           13},
    /* 17 */ {"炎の鎧"_sj,                   14},
    /* 18 */ {"魔法の鎧"_sj,                 15},
    /* 19 */ {"玄武の鎧"_sj,                 16},
    /* 20 */ {"竜鱗の鎧"_sj,                 17},
    /* 21 */ {"超合金の鎧"_sj,               18},
    /* 22 */ {"覇王の鎧"_sj,                 19},
    /* 23 */ {"クリスタルメイル"_sj,         20},
};
// clang-format on
static_assert(std::size(kWeapons) == kWeaponCount);
static_assert(std::size(kArmours) == kArmourCount);

}  // namespace

Equipment weaponAt(Int weapon) {
  return weapon >= 0 && weapon < kWeaponCount ? kWeapons[weapon.v] : Equipment{};
}

Equipment armourAt(Int armour) {
  return armour >= 0 && armour < kArmourCount ? kArmours[armour.v] : Equipment{};
}
