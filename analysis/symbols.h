#pragma once

#include <array>
#include <string_view>

#include "engine/vocabulary.h"

// The characters, pinyin, elements and named relations a practitioner reads a
// chart by. Stems and branches are keyed by the program's own labels.
namespace tavrin::analysis {

enum class Element { wood = 0, fire = 1, earth = 2, metal = 3, water = 4 };
inline constexpr int kElementCount = 5;

struct ElementName {
  std::string_view hanzi;
  std::string_view english;
};

// In the order of Element: each one produces the next (wood feeds fire ...).
inline constexpr std::array<ElementName, kElementCount> ElementNames = {{
    {"木", "Wood"}, {"火", "Fire"}, {"土", "Earth"}, {"金", "Metal"}, {"水", "Water"},
}};

struct StemSymbol {
  std::string_view label;
  std::string_view hanzi;
  std::string_view pinyin;
  Element element;
  bool yang;
};

// The ten stems in cycle order, Jia first.
inline constexpr std::array<StemSymbol, 10> StemSymbols = {{
    {"+Wood [Jia]", "甲", "jiǎ", Element::wood, true},
    {"-Wood [Yi]", "乙", "yǐ", Element::wood, false},
    {"+Fire [Bing]", "丙", "bǐng", Element::fire, true},
    {"-Fire [Ding]", "丁", "dīng", Element::fire, false},
    {"+Earth [Wu]", "戊", "wù", Element::earth, true},
    {"-Earth [Ji]", "己", "jǐ", Element::earth, false},
    {"+Metal [Geng]", "庚", "gēng", Element::metal, true},
    {"-Metal [Xin]", "辛", "xīn", Element::metal, false},
    {"+Water [Ren]", "壬", "rén", Element::water, true},
    {"-Water [Gui]", "癸", "guǐ", Element::water, false},
}};

struct BranchSymbol {
  std::string_view label;
  std::string_view hanzi;
  std::string_view pinyin;
  Element element;
};

// The twelve branches in cycle order, Rat first.
inline constexpr std::array<BranchSymbol, 12> BranchSymbols = {{
    {"Rat [Zi]", "子", "zǐ", Element::water},
    {"Ox [Chou]", "丑", "chǒu", Element::earth},
    {"Tiger [Yin]", "寅", "yín", Element::wood},
    {"Rabbit [Mao]", "卯", "mǎo", Element::wood},
    {"Dragon [Chen]", "辰", "chén", Element::earth},
    {"Snake [Si]", "巳", "sì", Element::fire},
    {"Horse [Wu]", "午", "wǔ", Element::fire},
    {"Goat [Wei]", "未", "wèi", Element::earth},
    {"Monkey [Shen]", "申", "shēn", Element::metal},
    {"Rooster [You]", "酉", "yǒu", Element::metal},
    {"Dog [Xu]", "戌", "xū", Element::earth},
    {"Pig [Hai]", "亥", "hài", Element::water},
}};

consteval bool LabelsFollowTheVocabulary() {
  for (std::size_t i = 0; i < StemSymbols.size(); ++i)
    if (StemSymbols[i].label != StemTable[i + 1]) return false;
  for (std::size_t i = 0; i < BranchSymbols.size(); ++i)
    if (BranchSymbols[i].label != BranchTable[i + 1]) return false;
  return true;
}
static_assert(LabelsFollowTheVocabulary());

struct Term {
  std::string_view hanzi;
  std::string_view english;
};

inline constexpr Term DayMasterTerm = {"日主", "Day Master"};

// Ten gods by how a stem's element stands to the day stem's (same, produced
// by it, controlled by it, controlling it, producing it), first for the same
// polarity as the day stem, then for the other.
inline constexpr std::array<std::array<Term, 2>, kElementCount> TenGodTable = {{
    {{{"比肩", "Friend"}, {"劫财", "Rob Wealth"}}},
    {{{"食神", "Eating God"}, {"伤官", "Hurting Officer"}}},
    {{{"偏财", "Indirect Wealth"}, {"正财", "Direct Wealth"}}},
    {{{"七杀", "Seven Killings"}, {"正官", "Direct Officer"}}},
    {{{"偏印", "Indirect Resource"}, {"正印", "Direct Resource"}}},
}};

// One name for each two neighbouring pairs of the sixty-pair cycle, from 甲子 乙丑.
inline constexpr std::array<Term, 30> NaYinTable = {{
    {"海中金", "Gold in the Sea"},
    {"炉中火", "Fire in the Furnace"},
    {"大林木", "Wood of the Great Forest"},
    {"路旁土", "Earth by the Roadside"},
    {"剑锋金", "Gold of the Sword Blade"},
    {"山头火", "Fire on the Mountain Top"},
    {"涧下水", "Water in the Ravine"},
    {"城头土", "Earth on the City Wall"},
    {"白蜡金", "Gold of White Wax"},
    {"杨柳木", "Willow Wood"},
    {"泉中水", "Water in the Spring"},
    {"屋上土", "Earth on the Roof"},
    {"霹雳火", "Thunderbolt Fire"},
    {"松柏木", "Pine and Cypress Wood"},
    {"长流水", "Long-Flowing Water"},
    {"沙中金", "Gold in the Sand"},
    {"山下火", "Fire at the Foot of the Mountain"},
    {"平地木", "Wood of the Plain"},
    {"壁上土", "Earth on the Wall"},
    {"金箔金", "Gold Leaf"},
    {"覆灯火", "Lamp Fire"},
    {"天河水", "Water of the Heavenly River"},
    {"大驿土", "Earth of the Great Post Road"},
    {"钗钏金", "Gold of Hairpins and Bracelets"},
    {"桑柘木", "Mulberry Wood"},
    {"大溪水", "Water of the Great Stream"},
    {"沙中土", "Earth in the Sand"},
    {"天上火", "Fire in the Sky"},
    {"石榴木", "Pomegranate Wood"},
    {"大海水", "Water of the Great Sea"},
}};

// The twelve life stages in the order a stem passes through them.
inline constexpr std::array<Term, 12> LifeStageTable = {{
    {"长生", "Growth"},
    {"沐浴", "Bath"},
    {"冠带", "Coming of Age"},
    {"临官", "Officer"},
    {"帝旺", "Peak"},
    {"衰", "Decline"},
    {"病", "Sickness"},
    {"死", "Death"},
    {"墓", "Tomb"},
    {"绝", "Extinction"},
    {"胎", "Conception"},
    {"养", "Nurture"},
}};

// The branch (0 = Rat) where each stem's Growth stage lies, Jia first. Yang
// stems then step forward through the branches, Yin stems backward.
inline constexpr std::array<int, 10> GrowthBranchTable = {
    11,  // 甲 in 亥
    6,   // 乙 in 午
    2,   // 丙 in 寅
    9,   // 丁 in 酉
    2,   // 戊 in 寅
    9,   // 己 in 酉
    5,   // 庚 in 巳
    0,   // 辛 in 子
    8,   // 壬 in 申
    3,   // 癸 in 卯
};

}  // namespace tavrin::analysis
