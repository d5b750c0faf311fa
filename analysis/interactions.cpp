#include "analysis/interactions.h"

#include <algorithm>

namespace tavrin::analysis {
namespace {

constexpr int kMostRulesOfAPair = 3;

// The rows of the rules two stems (or two branches) meet by, in either order.
struct PairRules {
  std::array<std::uint8_t, kMostRulesOfAPair> rows{};
  int count = 0;
};

template <int Count>
constexpr auto PairRulesOf(bool stems) {
  std::array<std::array<PairRules, Count>, Count> table{};
  for (int row = 0; row < kInteractionRuleCount; ++row) {
    const InteractionRule& rule = InteractionTable[row];
    if (rule.stems != stems || rule.memberCount != 2) continue;
    const int a = rule.members[0], b = rule.members[1];
    table[a][b].rows[table[a][b].count++] = static_cast<std::uint8_t>(row);
    if (a != b) table[b][a].rows[table[b][a].count++] = static_cast<std::uint8_t>(row);
  }
  return table;
}

constexpr auto kStemPairs = PairRulesOf<kStemCount>(true);
constexpr auto kBranchPairs = PairRulesOf<kBranchCount>(false);

// A partial rule's whole one has three members, two of them its own.
constexpr bool WholeRowsHoldTheirParts() {
  for (const InteractionRule& rule : InteractionTable) {
    if (rule.wholeRow < 0) continue;
    if (rule.wholeRow >= 64) return false;
    const InteractionRule& whole = InteractionTable[rule.wholeRow];
    if (whole.memberCount != 3 || whole.stems) return false;
    for (int m = 0; m < 2; ++m)
      if (std::find(whole.members.begin(), whole.members.end(), rule.members[m]) == whole.members.end()) return false;
  }
  return true;
}
static_assert(WholeRowsHoldTheirParts());

// The rules of three branches, each with the set of its branches.
struct WholeRule {
  int row;
  unsigned members;  // a bit for each branch
};

constexpr int kWholeRuleCount = [] {
  int count = 0;
  for (const InteractionRule& rule : InteractionTable) count += !rule.stems && rule.memberCount == 3;
  return count;
}();

constexpr auto kWholeRules = [] {
  std::array<WholeRule, kWholeRuleCount> wholes{};
  int count = 0;
  for (int row = 0; row < kInteractionRuleCount; ++row) {
    const InteractionRule& rule = InteractionTable[row];
    if (rule.stems || rule.memberCount != 3) continue;
    wholes[count++] = {row, 1u << rule.members[0] | 1u << rule.members[1] | 1u << rule.members[2]};
  }
  return wholes;
}();

class Finder {
 public:
  Finder(const InteractionChoices& choices, Interactions& out) : choices_(choices), out_(out) { out_.count = 0; }

  void Add(int row, unsigned pillars) {
    if (out_.count == kMostInteractions) return;
    const InteractionRule& rule = InteractionTable[row];
    const int element = choices_.horseGoatFire && rule.otherElement != kNoElement ? rule.otherElement : rule.element;
    out_.found[out_.count++] = {static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(pillars),
                                static_cast<std::int8_t>(element)};
  }

 private:
  const InteractionChoices& choices_;
  Interactions& out_;
};

}  // namespace

void FindInteractions(std::span<const Pillar> pillars, int required, const InteractionChoices& choices,
                      Interactions& out) {
  Finder finder(choices, out);
  const int count = static_cast<int>(std::min<std::size_t>(pillars.size(), 8));
  const auto joinsRequired = [required](int i, int j) { return required < 0 || i == required || j == required; };

  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j) {
      if (!joinsRequired(i, j)) continue;
      const PairRules& rules = kStemPairs[pillars[i].stem][pillars[j].stem];
      for (int r = 0; r < rules.count; ++r) finder.Add(rules.rows[r], 1u << i | 1u << j);
    }

  unsigned present = 0;  // a bit for each branch
  for (int i = 0; i < count; ++i) present |= 1u << pillars[i].branch;
  std::uint64_t wholes = 0;  // a bit for each whole rule found
  for (const auto& [row, members] : kWholeRules) {
    if ((present & members) != members) continue;
    unsigned joined = 0;
    for (int i = 0; i < count; ++i)
      if (members >> pillars[i].branch & 1) joined |= 1u << i;
    if (required >= 0 && !(joined >> required & 1)) continue;
    wholes |= std::uint64_t{1} << row;
    finder.Add(row, joined);
  }

  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j) {
      if (!joinsRequired(i, j)) continue;
      const PairRules& rules = kBranchPairs[pillars[i].branch][pillars[j].branch];
      for (int r = 0; r < rules.count; ++r) {
        const int whole = InteractionTable[rules.rows[r]].wholeRow;
        if (whole >= 0 && (wholes >> whole & 1)) continue;
        finder.Add(rules.rows[r], 1u << i | 1u << j);
      }
    }
}

void FindInteractionsWith(const std::array<Pillar, 4>& chart, const Pillar& other, const InteractionChoices& choices,
                          Interactions& out) {
  const std::array<Pillar, 5> pillars = {chart[0], chart[1], chart[2], chart[3], other};
  FindInteractions(pillars, 4, choices, out);
}

}  // namespace tavrin::analysis
