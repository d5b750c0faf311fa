#include "analysis/chart_analysis.h"

#include "engine/birth_moment.h"
#include "engine/pillars.h"

namespace tavrin::analysis {
namespace {

constexpr int Modulo(int value, int divisor) { return ((value % divisor) + divisor) % divisor; }

int ElementOf(int stem) { return static_cast<int>(StemSymbols[stem].element); }

// The position, 0 to 59, of a stem and branch of the same polarity in the
// sixty-pair cycle that starts with 甲子.
int CyclePosition(int stem, int branch) { return stem + 10 * (Modulo(stem - branch, 12) / 2); }

bool ReadPillar(const std::string_view* cells, int dayStem, PillarAnalysis& out) {
  const auto stem = StemNumber(cells[0]);
  const auto branch = BranchNumber(cells[1]);
  if (!stem || !branch) return false;
  out.stem = {*stem, TenGod(dayStem, *stem)};
  out.branch = *branch;
  out.hiddenCount = 0;
  for (int slot = 2; slot < 5 && !cells[slot].empty(); ++slot) {
    const auto hidden = StemNumber(cells[slot]);
    if (!hidden) return false;
    out.hidden[out.hiddenCount++] = {*hidden, TenGod(dayStem, *hidden)};
  }
  for (int slot = out.hiddenCount; slot < 3; ++slot) out.hidden[slot] = {};
  out.naYin = NaYin(*stem, *branch);
  out.lifeStage = LifeStage(dayStem, *branch);
  return true;
}

ElementCounts CountElements(const std::array<PillarAnalysis, 4>& pillars) {
  ElementCounts counts;
  for (const auto& pillar : pillars) {
    ++counts.eightCharacters[ElementOf(pillar.stem.stem)];
    ++counts.eightCharacters[static_cast<int>(BranchSymbols[pillar.branch].element)];
  }
  counts.withHiddenStems = counts.eightCharacters;
  for (const auto& pillar : pillars)
    for (int i = 0; i < pillar.hiddenCount; ++i) ++counts.withHiddenStems[ElementOf(pillar.hidden[i].stem)];
  return counts;
}

int LuckPeriodOfYear(const std::array<LuckYears, 8>& periods, int year) {
  for (std::size_t i = 0; i < periods.size(); ++i)
    if (periods[i].startYear <= year && year <= periods[i].endYear) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

std::optional<int> StemNumber(std::string_view label) {
  for (std::size_t i = 0; i < StemSymbols.size(); ++i)
    if (StemSymbols[i].label == label) return static_cast<int>(i);
  return std::nullopt;
}

std::optional<int> BranchNumber(std::string_view label) {
  for (std::size_t i = 0; i < BranchSymbols.size(); ++i)
    if (BranchSymbols[i].label == label) return static_cast<int>(i);
  return std::nullopt;
}

Term TenGod(int dayStem, int stem) {
  const int relation = Modulo(ElementOf(stem) - ElementOf(dayStem), kElementCount);
  const bool samePolarity = StemSymbols[stem].yang == StemSymbols[dayStem].yang;
  return TenGodTable[relation][samePolarity ? 0 : 1];
}

Term NaYin(int stem, int branch) { return NaYinTable[CyclePosition(stem, branch) / 2]; }

Term LifeStage(int dayStem, int branch) {
  const int growth = GrowthBranchTable[dayStem];
  const int steps = StemSymbols[dayStem].yang ? branch - growth : growth - branch;
  return LifeStageTable[Modulo(steps, 12)];
}

Today TodayOn(int year, int month, int day) {
  const double noon = JulianDay0(year, month, day) + 0.5;
  return {year, ChartYear(year, month, SolarLongitude(noon))};
}

AnnualPillar ChartAnalysis::AnnualPillarAt(int age) const {
  const int year = birthYear + age;
  return {year, age, (birthYearStem + age) % 10, (birthYearBranch + age) % 12, LuckPeriodOfYear(luckYears, year)};
}

bool AnalyzeChart(const BirthDetails& birth, const Chart& chart, const Today& today, ChartAnalysis& out) {
  const auto dayStem = StemNumber(chart.pillarCells[10]);
  if (!dayStem) return false;
  for (int block = 0; block < 4; ++block)
    if (!ReadPillar(&chart.pillarCells[block * 5], *dayStem, out.pillars[block])) return false;
  out.pillars[2].stem.tenGod = DayMasterTerm;
  out.elements = CountElements(out.pillars);

  for (std::size_t i = 0; i < out.luckYears.size(); ++i) {
    const LuckPeriod& period = chart.luckPeriods[i];
    const auto stem = StemNumber(period.stem);
    const auto branch = BranchNumber(period.branch);
    if (!stem || !branch) return false;
    const int startYear = birth.BirthYear + static_cast<int>(Int(period.age));
    out.luckYears[i] = {period.age, *stem, *branch, startYear, startYear + 9};
  }

  // 4 CE began a cycle with 甲子.
  out.birthYear = birth.BirthYear;
  out.birthYearStem = Modulo(birth.BirthYear - 4, 10);
  out.birthYearBranch = Modulo(birth.BirthYear - 4, 12);
  const int currentAge = today.pillarYear - birth.BirthYear;
  out.currentAnnualPillar = currentAge >= 0 && currentAge < kAnnualPillarCount ? currentAge : -1;
  out.currentLuckPeriod = LuckPeriodOfYear(out.luckYears, today.year);
  out.currentPillarYear = today.pillarYear;
  return true;
}

}  // namespace tavrin::analysis
