#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/cycle.h"
#include "engine/vocabulary.h"

// The combinations, clashes, punishments, harms and destructions between the
// stems and branches of a set of pillars, read from one table.
namespace tavrin::analysis {

enum class InteractionKind : std::uint8_t {
  stemCombination,
  stemClash,
  sixCombination,
  threeHarmony,
  halfHarmony,
  archedHarmony,
  directional,
  sixClash,
  punishment,
  selfPunishment,
  harm,
  destruction,
};

// The words of each kind, in the order of InteractionKind, as the caster writes them.
inline constexpr std::array<std::string_view, 12> kInteractionKindWords = {
    "stemCombination", "stemClash", "sixCombination", "threeHarmony", "halfHarmony",  "archedHarmony",
    "directional",     "sixClash",  "punishment",     "selfPunishment", "harm",       "destruction",
};

inline constexpr int kNoElement = -1;

// One rule: the stems (or branches) that must meet, its names, the element it
// forms (kNoElement for none), the element a school choice gives it instead,
// and, for a partial harmony or punishment, the row of the whole one, which
// replaces it when all its members meet.
struct InteractionRule {
  InteractionKind kind;
  bool stems;  // members are stems, else branches
  int memberCount;
  std::array<int, 3> members;
  std::string_view hanzi;
  std::string_view english;
  int element = kNoElement;
  int otherElement = kNoElement;
  int wholeRow = -1;
};

// Elements by number: wood 0, fire 1, earth 2, metal 3, water 4.
inline constexpr InteractionRule InteractionTable[] = {
    {InteractionKind::stemCombination, true, 2, {0, 5}, "甲己合", "Jia Ji Combination", 2},
    {InteractionKind::stemCombination, true, 2, {1, 6}, "乙庚合", "Yi Geng Combination", 3},
    {InteractionKind::stemCombination, true, 2, {2, 7}, "丙辛合", "Bing Xin Combination", 4},
    {InteractionKind::stemCombination, true, 2, {3, 8}, "丁壬合", "Ding Ren Combination", 0},
    {InteractionKind::stemCombination, true, 2, {4, 9}, "戊癸合", "Wu Gui Combination", 1},
    {InteractionKind::stemClash, true, 2, {0, 6}, "甲庚冲", "Jia Geng Clash"},
    {InteractionKind::stemClash, true, 2, {1, 7}, "乙辛冲", "Yi Xin Clash"},
    {InteractionKind::stemClash, true, 2, {2, 8}, "丙壬冲", "Bing Ren Clash"},
    {InteractionKind::stemClash, true, 2, {3, 9}, "丁癸冲", "Ding Gui Clash"},

    {InteractionKind::sixCombination, false, 2, {0, 1}, "子丑合", "Zi Chou Six Combination", 2},
    {InteractionKind::sixCombination, false, 2, {2, 11}, "寅亥合", "Yin Hai Six Combination", 0},
    {InteractionKind::sixCombination, false, 2, {3, 10}, "卯戌合", "Mao Xu Six Combination", 1},
    {InteractionKind::sixCombination, false, 2, {4, 9}, "辰酉合", "Chen You Six Combination", 3},
    {InteractionKind::sixCombination, false, 2, {5, 8}, "巳申合", "Si Shen Six Combination", 4},
    {InteractionKind::sixCombination, false, 2, {6, 7}, "午未合", "Wu Wei Six Combination", 2, 1},

    // Rows 15 to 18: the whole harmonies, which rows 19 to 30 are parts of.
    {InteractionKind::threeHarmony, false, 3, {8, 0, 4}, "申子辰三合", "Shen Zi Chen Three Harmony", 4},
    {InteractionKind::threeHarmony, false, 3, {11, 3, 7}, "亥卯未三合", "Hai Mao Wei Three Harmony", 0},
    {InteractionKind::threeHarmony, false, 3, {2, 6, 10}, "寅午戌三合", "Yin Wu Xu Three Harmony", 1},
    {InteractionKind::threeHarmony, false, 3, {5, 9, 1}, "巳酉丑三合", "Si You Chou Three Harmony", 3},
    {InteractionKind::halfHarmony, false, 2, {8, 0}, "申子半合", "Shen Zi Half Harmony", 4, kNoElement, 15},
    {InteractionKind::halfHarmony, false, 2, {0, 4}, "子辰半合", "Zi Chen Half Harmony", 4, kNoElement, 15},
    {InteractionKind::halfHarmony, false, 2, {11, 3}, "亥卯半合", "Hai Mao Half Harmony", 0, kNoElement, 16},
    {InteractionKind::halfHarmony, false, 2, {3, 7}, "卯未半合", "Mao Wei Half Harmony", 0, kNoElement, 16},
    {InteractionKind::halfHarmony, false, 2, {2, 6}, "寅午半合", "Yin Wu Half Harmony", 1, kNoElement, 17},
    {InteractionKind::halfHarmony, false, 2, {6, 10}, "午戌半合", "Wu Xu Half Harmony", 1, kNoElement, 17},
    {InteractionKind::halfHarmony, false, 2, {5, 9}, "巳酉半合", "Si You Half Harmony", 3, kNoElement, 18},
    {InteractionKind::halfHarmony, false, 2, {9, 1}, "酉丑半合", "You Chou Half Harmony", 3, kNoElement, 18},
    {InteractionKind::archedHarmony, false, 2, {8, 4}, "申辰拱合", "Shen Chen Arched Harmony", 4, kNoElement, 15},
    {InteractionKind::archedHarmony, false, 2, {11, 7}, "亥未拱合", "Hai Wei Arched Harmony", 0, kNoElement, 16},
    {InteractionKind::archedHarmony, false, 2, {2, 10}, "寅戌拱合", "Yin Xu Arched Harmony", 1, kNoElement, 17},
    {InteractionKind::archedHarmony, false, 2, {5, 1}, "巳丑拱合", "Si Chou Arched Harmony", 3, kNoElement, 18},

    {InteractionKind::directional, false, 3, {2, 3, 4}, "寅卯辰三会", "Yin Mao Chen Directional Combination", 0},
    {InteractionKind::directional, false, 3, {5, 6, 7}, "巳午未三会", "Si Wu Wei Directional Combination", 1},
    {InteractionKind::directional, false, 3, {8, 9, 10}, "申酉戌三会", "Shen You Xu Directional Combination", 3},
    {InteractionKind::directional, false, 3, {11, 0, 1}, "亥子丑三会", "Hai Zi Chou Directional Combination", 4},

    {InteractionKind::sixClash, false, 2, {0, 6}, "子午冲", "Zi Wu Clash"},
    {InteractionKind::sixClash, false, 2, {1, 7}, "丑未冲", "Chou Wei Clash"},
    {InteractionKind::sixClash, false, 2, {2, 8}, "寅申冲", "Yin Shen Clash"},
    {InteractionKind::sixClash, false, 2, {3, 9}, "卯酉冲", "Mao You Clash"},
    {InteractionKind::sixClash, false, 2, {4, 10}, "辰戌冲", "Chen Xu Clash"},
    {InteractionKind::sixClash, false, 2, {5, 11}, "巳亥冲", "Si Hai Clash"},

    // Rows 41 and 45: the whole punishments, which the next three rows of each are parts of.
    {InteractionKind::punishment, false, 3, {2, 5, 8}, "寅巳申三刑", "Yin Si Shen Punishment"},
    {InteractionKind::punishment, false, 2, {2, 5}, "寅巳刑", "Yin Si Punishment", kNoElement, kNoElement, 41},
    {InteractionKind::punishment, false, 2, {5, 8}, "巳申刑", "Si Shen Punishment", kNoElement, kNoElement, 41},
    {InteractionKind::punishment, false, 2, {2, 8}, "寅申刑", "Yin Shen Punishment", kNoElement, kNoElement, 41},
    {InteractionKind::punishment, false, 3, {1, 10, 7}, "丑戌未三刑", "Chou Xu Wei Punishment"},
    {InteractionKind::punishment, false, 2, {1, 10}, "丑戌刑", "Chou Xu Punishment", kNoElement, kNoElement, 45},
    {InteractionKind::punishment, false, 2, {10, 7}, "戌未刑", "Xu Wei Punishment", kNoElement, kNoElement, 45},
    {InteractionKind::punishment, false, 2, {1, 7}, "丑未刑", "Chou Wei Punishment", kNoElement, kNoElement, 45},
    {InteractionKind::punishment, false, 2, {0, 3}, "子卯刑", "Zi Mao Punishment"},
    {InteractionKind::selfPunishment, false, 2, {4, 4}, "辰辰自刑", "Chen Self-Punishment"},
    {InteractionKind::selfPunishment, false, 2, {6, 6}, "午午自刑", "Wu Self-Punishment"},
    {InteractionKind::selfPunishment, false, 2, {9, 9}, "酉酉自刑", "You Self-Punishment"},
    {InteractionKind::selfPunishment, false, 2, {11, 11}, "亥亥自刑", "Hai Self-Punishment"},

    {InteractionKind::harm, false, 2, {0, 7}, "子未害", "Zi Wei Harm"},
    {InteractionKind::harm, false, 2, {1, 6}, "丑午害", "Chou Wu Harm"},
    {InteractionKind::harm, false, 2, {2, 5}, "寅巳害", "Yin Si Harm"},
    {InteractionKind::harm, false, 2, {3, 4}, "卯辰害", "Mao Chen Harm"},
    {InteractionKind::harm, false, 2, {8, 11}, "申亥害", "Shen Hai Harm"},
    {InteractionKind::harm, false, 2, {9, 10}, "酉戌害", "You Xu Harm"},

    {InteractionKind::destruction, false, 2, {0, 9}, "子酉破", "Zi You Destruction"},
    {InteractionKind::destruction, false, 2, {3, 6}, "卯午破", "Mao Wu Destruction"},
    {InteractionKind::destruction, false, 2, {4, 1}, "辰丑破", "Chen Chou Destruction"},
    {InteractionKind::destruction, false, 2, {7, 10}, "未戌破", "Wei Xu Destruction"},
    {InteractionKind::destruction, false, 2, {2, 11}, "寅亥破", "Yin Hai Destruction"},
    {InteractionKind::destruction, false, 2, {5, 8}, "巳申破", "Si Shen Destruction"},
};
inline constexpr int kInteractionRuleCount = static_cast<int>(std::size(InteractionTable));

// Where schools differ: the element of 午未 is Earth unless `horseGoatFire`.
struct InteractionChoices {
  bool horseGoatFire = false;
  bool operator==(const InteractionChoices&) const = default;
};

// One interaction found: its rule (a row of InteractionTable), the pillars it
// joins (bit i for pillar i of those read) and the element it forms.
struct Interaction {
  std::uint8_t rule = 0;
  std::uint8_t pillars = 0;
  std::int8_t element = kNoElement;

  const InteractionRule& Rule() const { return InteractionTable[rule]; }
};

// Most interactions the pillars of a chart and one more pillar can hold.
inline constexpr int kMostInteractions = 48;

struct Interactions {
  std::array<Interaction, kMostInteractions> found{};
  int count = 0;

  std::span<const Interaction> All() const { return {found.data(), static_cast<std::size_t>(count)}; }
};

// The interactions between `pillars` (at most eight), in the table's order
// and, within a rule, pillar pairs in order. With `required` at 0 or above
// only those joining that pillar are kept: a luck, annual or month pillar read
// against the four of a chart.
void FindInteractions(std::span<const Pillar> pillars, int required, const InteractionChoices& choices,
                      Interactions& out);

// The interactions of `other` (a luck, annual or month pillar) with the four
// of `chart`: bit 4 of each one's pillars is `other`.
void FindInteractionsWith(const std::array<Pillar, 4>& chart, const Pillar& other, const InteractionChoices& choices,
                          Interactions& out);

}  // namespace tavrin::analysis
