#pragma once

#include <array>
#include <string_view>

#include "engine/vocabulary.h"

// The named relations a practitioner reads a chart by, on the stem and branch
// numbers of the chart vocabulary.
namespace tavrin::analysis {

using tavrin::BranchSymbols;
using tavrin::Element;
using tavrin::ElementNames;
using tavrin::kElementCount;
using tavrin::StemSymbols;

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
