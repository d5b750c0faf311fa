#include "analysis/chart_analysis.h"

#include "engine/birth_moment.h"
#include "engine/pillars.h"

namespace tavrin::analysis {
namespace {

int ElementOf(int stem) { return static_cast<int>(StemSymbols[stem].element); }

StemReading ReadStem(int dayStem, int stem) { return {stem, TenGod(dayStem, stem)}; }

void ReadPillar(const Pillar& pillar, int dayStem, PillarAnalysis& out) {
  out.stem = ReadStem(dayStem, pillar.stem);
  out.branch = pillar.branch;
  const BranchSymbol& branch = BranchSymbols[pillar.branch];
  out.hiddenCount = branch.hiddenCount;
  for (int slot = 0; slot < 3; ++slot) out.hidden[slot] = slot < branch.hiddenCount ? ReadStem(dayStem, branch.hidden[slot]) : StemReading{};
  out.naYin = NaYin(pillar.stem, pillar.branch);
  out.lifeStage = LifeStage(dayStem, pillar.branch);
  out.selfStage = LifeStage(pillar.stem, pillar.branch);
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

Term TenGod(int dayStem, int stem) {
  const int relation = Modulo(ElementOf(stem) - ElementOf(dayStem), kElementCount);
  const bool samePolarity = StemSymbols[stem].yang == StemSymbols[dayStem].yang;
  return TenGodTable[relation][samePolarity ? 0 : 1];
}

Term NaYin(int stem, int branch) { return NaYinTable[CyclePosition({stem, branch}) / 2]; }

Term LifeStage(int dayStem, int branch) {
  const int growth = GrowthBranchTable[dayStem];
  const int steps = StemSymbols[dayStem].yang ? branch - growth : growth - branch;
  return LifeStageTable[Modulo(steps, 12)];
}

Today TodayOn(int year, int month, int day) {
  const double noon = JulianDay0(year, month, day) + 0.5;
  return {year, ChartYear(year, month, SolarLongitude(noon)), month, day};
}

bool ReadMonths(int year, const Birth& birth, ChartAnalysis& out) {
  out.monthsYear = MonthsOfYear(year, birth.zoneSecondsEast, out.months) ? year : 0;
  out.monthsZoneSecondsEast = birth.zoneSecondsEast;
  return out.monthsYear != 0;
}

bool ReadDays(int year, int month, ChartAnalysis& out) {
  out.dayCount = DaysOfMonth(year, month, out.days);
  out.daysYear = year;
  out.daysMonth = month;
  return out.dayCount != 0;
}

AnnualPillar ChartAnalysis::AnnualPillarAt(int age) const {
  const int year = birthYear + age;
  const Pillar pillar = CycleStep({birthYearStem, birthYearBranch}, age);
  return {year, age, pillar.stem, pillar.branch, LuckPeriodOfYear(luckYears, year)};
}

OtherPillarReading ChartAnalysis::ReadAgainstChart(const Pillar& other) const {
  OtherPillarReading reading;
  reading.stars = StarsOf(other, chartPillars, choices.stars);
  FindInteractionsWith(chartPillars, other, choices.interactions, reading.interactions);
  return reading;
}

void AnalyzeChart(const Birth& birth, const Chart& chart, const Today& today, ChartAnalysis& out,
                  const ReadingChoices& choices) {
  const int dayStem = chart.pillars[2].stem;
  for (int block = 0; block < 4; ++block) ReadPillar(chart.pillars[block], dayStem, out.pillars[block]);
  out.pillars[2].stem.tenGod = DayMasterTerm;
  out.elements = CountElements(out.pillars);

  const int firstYear = LuckStartOf(birth, chart).year;
  for (std::size_t i = 0; i < out.luckYears.size(); ++i) {
    const LuckPeriod& period = chart.luckPeriods[i];
    const int startYear = firstYear + 10 * static_cast<int>(i);
    out.luckYears[i] = {period.age,    period.pillar.stem, period.pillar.branch,
                        startYear,     startYear + 9,      startYear - birth.year + 1};
  }

  const int birthYear = birth.year;
  out.birthYear = birthYear;
  const Pillar birthYearPillar = YearPillar(birthYear);
  out.birthYearStem = birthYearPillar.stem;
  out.birthYearBranch = birthYearPillar.branch;
  const int currentAge = today.pillarYear - birthYear;
  out.currentAnnualPillar = currentAge >= 0 && currentAge < kAnnualPillarCount ? currentAge : -1;
  out.currentLuckPeriod = LuckPeriodOfYear(out.luckYears, today.year);
  out.currentPillarYear = today.pillarYear;
  out.today = today;
  out.chartPillars = chart.pillars;
  out.choices = choices;
  out.monthsYear = 0;
  out.dayCount = 0;

  FindInteractions(chart.pillars, -1, choices.interactions, out.interactions);
  const std::array<StarSet, 4> stars = ChartStars(chart.pillars, choices.stars);
  out.dayVoid = VoidOf(chart.pillars[2]);
  out.yearVoid = VoidOf(chart.pillars[0]);
  for (int block = 0; block < 4; ++block) {
    PillarAnalysis& pillar = out.pillars[block];
    pillar.stars = stars[block];
    pillar.inDayVoid = (out.dayVoid >> pillar.branch & 1) != 0;
    pillar.inYearVoid = (out.yearVoid >> pillar.branch & 1) != 0;
  }
  out.palaces = PalacesOf(chart.pillars);
  out.strength = StrengthEvidenceOf(chart.pillars);
}

}  // namespace tavrin::analysis
