#include "engine/pillars.h"

#include <cmath>

#include "engine/birth_moment.h"

namespace tavrin {
namespace {

// Whole-number remainder that is never negative, so years before 4 AD still
// land in the table (the cycle is the same; only the repeated slot differs).
int CycleIndex(long long value, int length) {
  const long long r = value % length;
  return static_cast<int>(r < 0 ? r + length : r);
}

}  // namespace

const std::array<std::string_view, 3>& HiddenStemsOf(std::string_view branch) {
  for (const auto& row : HiddenStemTable)
    if (row.branch == branch) return row.stems;
  static constexpr std::array<std::string_view, 3> kNone = {"", "", ""};
  return kNone;
}

Pillar MakePillar(int stemIndex, int branchIndex) {
  // Each branch slot's hidden stems, looked up once by name.
  static const auto kHiddenBySlot = [] {
    std::array<const std::array<std::string_view, 3>*, BranchTable.size()> table{};
    for (std::size_t slot = 0; slot < BranchTable.size(); ++slot) table[slot] = &HiddenStemsOf(BranchTable[slot]);
    return table;
  }();
  Pillar pillar;
  pillar.cells[0] = StemTable[stemIndex];
  pillar.cells[1] = BranchTable[branchIndex];
  const auto& hidden = *kHiddenBySlot[branchIndex];
  for (int i = 0; i < 3; ++i) pillar.cells[2 + i] = hidden[i];
  return pillar;
}

int ChartYear(int birthYear, int birthMonth, double solarLongitude) {
  if ((birthMonth == 1 || birthMonth == 2) && solarLongitude < 315) return birthYear - 1;
  return birthYear;
}

int YearStemIndex(int chartYear) { return CycleIndex(chartYear - 4, 10) + 1; }

int YearBranchIndex(int chartYear) { return CycleIndex(chartYear - 4, 12) + 1; }

int FirstMonthStemIndex(int yearStemIndex) {
  int index = 1;
  for (int k = 0; k <= 5; ++k) {
    if (k == yearStemIndex || k + 5 == yearStemIndex) {
      index += 2 * k;
      if (index > 10) index -= 10;
    }
  }
  return index;
}

int HourStemBase(int dayStemDigit) {
  for (int k = 1; k <= 4; ++k)
    if (k == dayStemDigit || k + 5 == dayStemDigit) return 2 * k - 1;
  return 9;
}

int MonthStemIndex(int yearStemIndex, const MonthSector& sector) {
  const int stem = FirstMonthStemIndex(yearStemIndex) + sector.stemOffset;
  return stem > 10 ? stem - 10 : stem;
}

const MonthSector& MonthSectorOf(double solarLongitude) {
  for (const auto& sector : MonthSectorTable) {
    const bool inside = sector.wraps ? (solarLongitude >= sector.lower || solarLongitude < sector.upper)
                                     : (solarLongitude >= sector.lower && solarLongitude < sector.upper);
    if (inside) return sector;
  }
  return MonthSectorTable[1];  // unreachable for a longitude in [0, 360)
}

double LuckStartAge(const MonthSector& sector, double solarLongitude, int luckDirection) {
  double age = luckDirection > 0 ? (sector.nextJie - solarLongitude) / 3
                                 : (solarLongitude - sector.ownJie) / 3;
  if (sector.wraps) {
    if (age > 11) age -= 120;
    if (age < 0) age += 120;
  }
  return Int(100 * age) / 100;
}

long long DayNumber(double dayMoment) { return static_cast<long long>(Int(dayMoment + 0.5)); }

HourPillarIndices HourIndices(double localHours, int dayStemDigit) {
  double h = localHours;
  while (h < 0) h += 24;
  while (h >= 24) h -= 24;
  const int base = HourStemBase(dayStemDigit);
  HourPillarIndices result{};
  if (h >= 23) {
    result = {base + 2, 1};
  } else if (h < 1) {
    result = {base, 1};
  } else {
    const int k = static_cast<int>(Int((h - 1) / 2));
    result = {base + 1 + k, 2 + k};
  }
  if (result.stem > 10) result.stem -= 10;
  return result;
}

}  // namespace tavrin
