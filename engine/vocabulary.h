#pragma once

#include <array>
#include <string_view>

// The chart vocabulary as plain data. Every label is compared by exact,
// case-sensitive equality, so the texts here are the program's identity for
// stems and branches.
namespace tavrin {

// Heavenly stems, 1..10 in cycle order (odd = Yang, even = Yin). Slot 0 repeats
// Gui so that a day digit of 0 and a luck stem stepped back from Jia land on
// it directly; slot 11 is never used.
inline constexpr std::array<std::string_view, 12> StemTable = {
    "-Water [Gui]", "+Wood [Jia]",  "-Wood [Yi]",    "+Fire [Bing]",
    "-Fire [Ding]", "+Earth [Wu]",  "-Earth [Ji]",   "+Metal [Geng]",
    "-Metal [Xin]", "+Water [Ren]", "-Water [Gui]",  "",
};

// Earthly branches, 1..12 in cycle order from Rat. Slot 0 repeats Pig (a luck
// branch stepped back from Rat), slot 13 repeats Rat (the day branch is
// 2 + a remainder of 0..11); slot 14 is never used.
inline constexpr std::array<std::string_view, 15> BranchTable = {
    "Pig [Hai]",     "Rat [Zi]",     "Ox [Chou]",     "Tiger [Yin]",  "Rabbit [Mao]",
    "Dragon [Chen]", "Snake [Si]",   "Horse [Wu]",    "Goat [Wei]",   "Monkey [Shen]",
    "Rooster [You]", "Dog [Xu]",     "Pig [Hai]",     "Rat [Zi]",     "",
};

struct HiddenStemRow {
  std::string_view branch;
  std::array<std::string_view, 3> stems;  // "" where the branch has fewer
};

inline constexpr std::array<HiddenStemRow, 12> HiddenStemTable = {{
    {"Rat [Zi]", {"-Water [Gui]", "", ""}},
    {"Ox [Chou]", {"-Earth [Ji]", "-Water [Gui]", "-Metal [Xin]"}},
    {"Tiger [Yin]", {"+Wood [Jia]", "+Fire [Bing]", "+Earth [Wu]"}},
    {"Rabbit [Mao]", {"-Wood [Yi]", "", ""}},
    {"Dragon [Chen]", {"+Earth [Wu]", "-Wood [Yi]", "-Water [Gui]"}},
    {"Snake [Si]", {"+Fire [Bing]", "+Earth [Wu]", "+Metal [Geng]"}},
    {"Horse [Wu]", {"-Fire [Ding]", "-Earth [Ji]", ""}},
    {"Goat [Wei]", {"-Earth [Ji]", "-Fire [Ding]", "-Wood [Yi]"}},
    {"Monkey [Shen]", {"+Metal [Geng]", "+Water [Ren]", "+Earth [Wu]"}},
    {"Rooster [You]", {"-Metal [Xin]", "", ""}},
    {"Dog [Xu]", {"+Earth [Wu]", "-Metal [Xin]", "-Fire [Ding]"}},
    {"Pig [Hai]", {"+Water [Ren]", "+Wood [Jia]", ""}},
}};

// One 30-degree sector of solar longitude, opened by its Jie. The sector holds
// its lower bound and not its upper one; the Rabbit sector wraps through 0.
struct MonthSector {
  std::string_view jie;
  double lower;
  double upper;
  int branchIndex;     // into BranchTable
  int stemOffset;      // added to the first-month stem
  double nextJie;      // forward luck counts up to here
  double ownJie;       // backward luck counts back to here
  bool wraps;
};

inline constexpr std::array<MonthSector, 12> MonthSectorTable = {{
    {"Spring Beginning.", 315, 345, 3, 0, 345, 315, false},
    {"Insects Awakening.", 345, 15, 4, 1, 375, 345, true},
    {"Clear Bright.", 15, 45, 5, 2, 45, 15, false},
    {"Summer Beginning.", 45, 75, 6, 3, 75, 45, false},
    {"Planting Crops.", 75, 105, 7, 4, 105, 75, false},
    {"Lesser Heat.", 105, 135, 8, 5, 135, 105, false},
    {"Autumn Beginning.", 135, 165, 9, 6, 165, 135, false},
    {"White Dew.", 165, 195, 10, 7, 195, 165, false},
    {"Cold Dew.", 195, 225, 11, 8, 225, 195, false},
    {"Winter Beginning.", 225, 255, 12, 9, 255, 225, false},
    {"Greater Snow.", 255, 285, 1, 10, 285, 255, false},
    {"Lesser Cold.", 285, 315, 2, 11, 315, 285, false},
}};

struct DayMasterRow {
  std::string_view key;  // a stem label
  std::string_view description;
};

inline constexpr std::array<DayMasterRow, 10> DayMasterTable = {{
    {"+Wood [Jia]",
     "It is like a tree which is upward growing and is tall, sturdy and stubborn by natures."},
    {"-Wood [Yi]",
     "Yin Wood is just opposite to Yang wood. Yin Wood is like a grass or slender shrubs which are "
     "ever growing yet tactful and firm. Yin Wood is more graceful and stronger compared to the Yang "
     "wood and they know well how to bend under pressure then regain their strength instead of "
     "breaking like Yang Wood."},
    {"+Fire [Bing]", "Yang fire is a forest fire which is hot and burns non-stop."},
    {"-Fire [Ding]",
     "Yin fire is the furnace fire which is hot by nature but burns slowly and imparts heat without "
     "scorching the surrounding."},
    {"+Earth [Wu]",
     "By nature Yang Earth is hard and crusty soil. It resembles the desert grounds which seems "
     "completely scorched without having any rainfall over a long period of time."},
    {"-Earth [Ji]",
     "Yin Earth is the garden soil which is rich in nutrients. It is also very helpful for the "
     "purpose of growing wonderful food and it is soft and loamy to touch."},
    {"+Metal [Geng]",
     "Yang metal is a sharpened outward piercing metal. By nature they are intelligent, strong, "
     "aggressive and ever curious."},
    {"-Metal [Xin]",
     "Unlike the yang metal, the Yin metal is inward looking and by nature they are wise, powerful "
     "and beautiful."},
    {"+Water [Ren]",
     "Yang water is referred to as the Ocean water which is deep and produces tremendous and huge "
     "waves."},
    {"-Water [Gui]",
     "Contrarily, Yin water is the lake water which is deep yet calm with strong undercurrents."},
}};

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// Headings of the four pillars, year first: the chart window's tabs, the
// reading report's sections and the caster's interpretation boxes.
inline constexpr std::array<std::string_view, 4> PillarHeadings = {
    "The Year Pillar", "The Month Pillar", "The Day Pillar", "The Hour Pillar"};

}  // namespace tavrin
