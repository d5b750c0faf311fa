#include "engine/chart.h"

#include <array>

#include "engine/birth_moment.h"
#include "engine/number_text.h"
#include "engine/pillars.h"
#include "engine/precise_chart.h"
#include "engine/vocabulary.h"

namespace tavrin {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

void WritePillar(Chart& out, PillarBlock block, const Pillar& pillar) {
  const int first = static_cast<int>(block) * 5;
  for (int i = 0; i < 5; ++i) out.pillarCells[first + i] = pillar.cells[i];
}

void WriteLuckCaptions(Chart& out, std::string_view decimalSeparator) {
  for (int slot = 0; slot < 8; ++slot) {
    const LuckPeriod& period = out.luckPeriods[7 - slot];
    std::string& age = out.luckCaptions[slot];
    age.clear();
    AppendGeneralNumber(age, period.age, decimalSeparator);
    out.luckCaptions[8 + slot].assign(period.stem);
    out.luckCaptions[16 + slot].assign(period.branch);
  }
}

}  // namespace

void AppendInterpretation(std::string& box, const std::string_view* cells, PillarBlock block) {
  const int breaks = block == PillarBlock::hour ? 2 : 1;
  for (int i = 0; i < 5; ++i) {
    for (const auto& row : DayMasterTable) {
      if (cells[i] != row.key) continue;
      box += cells[i];
      box += kLineBreak;
      box += row.description;
      for (int n = 0; n < breaks; ++n) box += kLineBreak;
      break;
    }
  }
}

namespace {

// What an interpretation box receives for a pillar, by stem slot, branch slot
// and whether it is the hour box: the same text AppendInterpretation writes,
// written once for every pillar there can be.
const std::string& InterpretationOf(int stem, int branch, PillarBlock block) {
  static const auto kTexts = [] {
    std::array<std::array<std::array<std::string, 2>, BranchTable.size()>, StemTable.size()> texts;
    for (std::size_t s = 0; s < StemTable.size(); ++s)
      for (std::size_t b = 0; b < BranchTable.size(); ++b) {
        const Pillar pillar = MakePillar(static_cast<int>(s), static_cast<int>(b));
        AppendInterpretation(texts[s][b][0], pillar.cells.data(), PillarBlock::year);
        AppendInterpretation(texts[s][b][1], pillar.cells.data(), PillarBlock::hour);
      }
    return texts;
  }();
  return kTexts[stem][branch][block == PillarBlock::hour ? 1 : 0];
}

CastError CastPillarsAndLuck(const BirthDetails& birth, Chart& out, PillarIndices& slots) {
  const auto zone = ParseDecimal(TrimSpaces(birth.ZoneOffset));
  if (!zone) return CastError::zoneOffsetNotANumber;

  out.localHours = LocalHours(birth.BirthHour, birth.BirthMinute, *zone, birth.Longitude);
  out.julianDay0 = JulianDay0(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
  out.dayMoment = out.julianDay0 + out.localHours / 24;
  out.sunMoment = out.julianDay0 + out.localHours / 24 - *zone / 24;
  out.solarLongitude = SolarLongitude(out.sunMoment);

  const int chartYear = ChartYear(birth.BirthYear, birth.BirthMonth, out.solarLongitude);
  const int yearStem = YearStemIndex(chartYear);
  slots.stem[0] = yearStem;
  slots.branch[0] = YearBranchIndex(chartYear);
  WritePillar(out, PillarBlock::year, MakePillar(slots.stem[0], slots.branch[0]));
  out.luckDirection = LuckDirection(birth.GenderSign, yearStem);

  const MonthSector& sector = MonthSectorOf(out.solarLongitude);
  const int monthStem = MonthStemIndex(yearStem, sector);
  slots.stem[1] = monthStem;
  slots.branch[1] = sector.branchIndex;
  WritePillar(out, PillarBlock::month, MakePillar(monthStem, sector.branchIndex));
  out.luckStartAge = LuckStartAge(sector, out.solarLongitude, out.luckDirection);

  const long long dayNumber = DayNumber(out.dayMoment);
  const int dayDigit = static_cast<int>(dayNumber % 10);
  slots.stem[2] = dayDigit;
  slots.branch[2] = 2 + static_cast<int>(dayNumber % 12);
  WritePillar(out, PillarBlock::day, MakePillar(slots.stem[2], slots.branch[2]));

  const HourPillarIndices hour = HourIndices(out.localHours, dayDigit);
  slots.stem[3] = hour.stem;
  slots.branch[3] = hour.branch;
  WritePillar(out, PillarBlock::hour, MakePillar(hour.stem, hour.branch));
  out.pillarCells[20] = {};

  out.luckPeriods = MakeLuckPeriods(monthStem, sector.branchIndex, out.luckDirection, out.luckStartAge);
  return CastError::none;
}

CastError CastPrecisePillarsAndLuck(const BirthDetails& birth, const CastOptions& options, Chart& out,
                                    PillarIndices& slots) {
  if (const CastError error = CastPreciseMoment(birth, options, out, slots); error != CastError::none) return error;
  for (int block = 0; block < 4; ++block)
    WritePillar(out, static_cast<PillarBlock>(block), MakePillar(slots.stem[block], slots.branch[block]));
  out.pillarCells[20] = {};
  out.luckPeriods = MakeLuckPeriods(slots.stem[1], slots.branch[1], out.luckDirection, out.luckStartAge);
  return CastError::none;
}

CastError CastWithOptions(const BirthDetails& birth, const CastOptions& options, Chart& out, PillarIndices& slots) {
  out.isPrecise = !options.IsClassic();
  if (options.IsClassic()) return CastPillarsAndLuck(birth, out, slots);
  return CastPrecisePillarsAndLuck(birth, options, out, slots);
}

}  // namespace

CastError ComputePillarsAndLuck(const BirthDetails& birth, Chart& out) { return ComputePillarsAndLuck(birth, {}, out); }

CastError ComputePillarsAndLuck(const BirthDetails& birth, const CastOptions& options, Chart& out) {
  PillarIndices slots;
  return CastWithOptions(birth, options, out, slots);
}

CastError ComputeChart(const BirthDetails& birth, Chart& out, std::string_view decimalSeparator) {
  return ComputeChart(birth, {}, out, decimalSeparator);
}

CastError ComputeChart(const BirthDetails& birth, const CastOptions& options, Chart& out,
                       std::string_view decimalSeparator) {
  PillarIndices slots;
  if (const CastError error = CastWithOptions(birth, options, out, slots); error != CastError::none) return error;
  WriteLuckCaptions(out, decimalSeparator);
  for (int block = 0; block < 4; ++block) {
    const auto kind = static_cast<PillarBlock>(block);
    out.interpretation[block].assign(InterpretationOf(slots.stem[block], slots.branch[block], kind));
  }
  return CastError::none;
}

std::string_view DescribeCastError(CastError error) {
  switch (error) {
    case CastError::none: return "";
    case CastError::zoneOffsetNotANumber: return "the zone offset is not a number";
    case CastError::outsidePreciseYears: return "the precise method covers the years 1600 to 2199";
  }
  return "";
}

}  // namespace tavrin
