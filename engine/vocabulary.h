#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The chart vocabulary as plain data. The engine and the analysis work on stem
// and branch numbers; the labels, characters and pinyin here are made into
// text only where a chart is shown or written.
namespace tavrin {

enum class Element : std::uint8_t { wood = 0, fire = 1, earth = 2, metal = 3, water = 4 };
inline constexpr int kElementCount = 5;
inline constexpr int kStemCount = 10;
inline constexpr int kBranchCount = 12;

struct ElementName {
  std::string_view hanzi;
  std::string_view english;
};

// In the order of Element: each one produces the next (wood feeds fire ...).
inline constexpr std::array<ElementName, kElementCount> ElementNames = {{
    {"木", "Wood"}, {"火", "Fire"}, {"土", "Earth"}, {"金", "Metal"}, {"水", "Water"},
}};

// A stem's number is its place in this table, 0 (Jia) to 9 (Gui); an even
// number is a Yang stem. The label is the program's own name for it.
struct StemSymbol {
  std::string_view label;
  std::string_view hanzi;
  std::string_view pinyin;
  Element element;
  bool yang;
};

inline constexpr std::array<StemSymbol, kStemCount> StemSymbols = {{
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

// A branch's number is its place in this table, 0 (Rat) to 11 (Pig). Its
// hidden stems are stem numbers, in the order the chart shows them.
struct BranchSymbol {
  std::string_view label;
  std::string_view hanzi;
  std::string_view pinyin;
  Element element;
  int hiddenCount;  // 1 to 3
  std::array<int, 3> hidden;
};

inline constexpr std::array<BranchSymbol, kBranchCount> BranchSymbols = {{
    {"Rat [Zi]", "子", "zǐ", Element::water, 1, {9}},
    {"Ox [Chou]", "丑", "chǒu", Element::earth, 3, {5, 9, 7}},
    {"Tiger [Yin]", "寅", "yín", Element::wood, 3, {0, 2, 4}},
    {"Rabbit [Mao]", "卯", "mǎo", Element::wood, 1, {1}},
    {"Dragon [Chen]", "辰", "chén", Element::earth, 3, {4, 1, 9}},
    {"Snake [Si]", "巳", "sì", Element::fire, 3, {2, 4, 6}},
    {"Horse [Wu]", "午", "wǔ", Element::fire, 2, {3, 5}},
    {"Goat [Wei]", "未", "wèi", Element::earth, 3, {5, 3, 1}},
    {"Monkey [Shen]", "申", "shēn", Element::metal, 3, {6, 8, 4}},
    {"Rooster [You]", "酉", "yǒu", Element::metal, 1, {7}},
    {"Dog [Xu]", "戌", "xū", Element::earth, 3, {4, 7, 3}},
    {"Pig [Hai]", "亥", "hài", Element::water, 2, {8, 0}},
}};

// One 30-degree sector of solar longitude, opened by its Jie. The sector holds
// its lower bound and not its upper one; the Rabbit sector wraps through 0.
struct MonthSector {
  std::string_view jie;
  double lower;
  double upper;
  int branch;          // the month's branch number
  int stemOffset;      // months after the Tiger month: added to its stem
  double nextJie;      // forward luck counts up to here
  double ownJie;       // backward luck counts back to here
  bool wraps;
};

inline constexpr std::array<MonthSector, 12> MonthSectorTable = {{
    {"Spring Beginning.", 315, 345, 2, 0, 345, 315, false},
    {"Insects Awakening.", 345, 15, 3, 1, 375, 345, true},
    {"Clear Bright.", 15, 45, 4, 2, 45, 15, false},
    {"Summer Beginning.", 45, 75, 5, 3, 75, 45, false},
    {"Planting Crops.", 75, 105, 6, 4, 105, 75, false},
    {"Lesser Heat.", 105, 135, 7, 5, 135, 105, false},
    {"Autumn Beginning.", 135, 165, 8, 6, 165, 135, false},
    {"White Dew.", 165, 195, 9, 7, 195, 165, false},
    {"Cold Dew.", 195, 225, 10, 8, 225, 195, false},
    {"Winter Beginning.", 225, 255, 11, 9, 255, 225, false},
    {"Greater Snow.", 255, 285, 0, 10, 285, 255, false},
    {"Lesser Cold.", 285, 315, 1, 11, 315, 285, false},
}};

// A Jie's name as a sentence uses it, without the full stop its name carries.
constexpr std::string_view JieWords(int sector) {
  const std::string_view name = MonthSectorTable[sector].jie;
  return name.substr(0, name.size() - 1);
}

// What each stem says of a person's nature, in stem order.
inline constexpr std::array<std::string_view, kStemCount> DayMasterTable = {
    "It is like a tree which is upward growing and is tall, sturdy and stubborn by natures.",
    "Yin Wood is just opposite to Yang wood. Yin Wood is like a grass or slender shrubs which are "
     "ever growing yet tactful and firm. Yin Wood is more graceful and stronger compared to the Yang "
     "wood and they know well how to bend under pressure then regain their strength instead of "
     "breaking like Yang Wood.",
    "Yang fire is a forest fire which is hot and burns non-stop.",
    "Yin fire is the furnace fire which is hot by nature but burns slowly and imparts heat without "
     "scorching the surrounding.",
    "By nature Yang Earth is hard and crusty soil. It resembles the desert grounds which seems "
     "completely scorched without having any rainfall over a long period of time.",
    "Yin Earth is the garden soil which is rich in nutrients. It is also very helpful for the "
     "purpose of growing wonderful food and it is soft and loamy to touch.",
    "Yang metal is a sharpened outward piercing metal. By nature they are intelligent, strong, "
     "aggressive and ever curious.",
    "Unlike the yang metal, the Yin metal is inward looking and by nature they are wise, powerful "
     "and beautiful.",
    "Yang water is referred to as the Ocean water which is deep and produces tremendous and huge "
     "waves.",
    "Contrarily, Yin water is the lake water which is deep yet calm with strong undercurrents.",
};

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// Headings of the four pillars, year first: the chart window's tabs, the
// reading report's sections and the caster's interpretation boxes.
inline constexpr std::array<std::string_view, 4> PillarHeadings = {
    "The Year Pillar", "The Month Pillar", "The Day Pillar", "The Hour Pillar"};

}  // namespace tavrin
