#include "engine/chart.h"

#include "engine/birth_moment.h"
#include "engine/number_text.h"
#include "engine/pillars.h"
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

CastError ComputeChart(const BirthDetails& birth, Chart& out, std::string_view decimalSeparator) {
  const auto zone = ParseDecimal(TrimSpaces(birth.ZoneOffset));
  if (!zone) return CastError::zoneOffsetNotANumber;

  out.localHours = LocalHours(birth.BirthHour, birth.BirthMinute, *zone, birth.Longitude);
  out.julianDay0 = JulianDay0(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
  out.dayMoment = out.julianDay0 + out.localHours / 24;
  out.sunMoment = out.julianDay0 + out.localHours / 24 - *zone / 24;
  out.solarLongitude = SolarLongitude(out.sunMoment);

  const int chartYear = ChartYear(birth.BirthYear, birth.BirthMonth, out.solarLongitude);
  const int yearStem = YearStemIndex(chartYear);
  WritePillar(out, PillarBlock::year, MakePillar(yearStem, YearBranchIndex(chartYear)));
  out.luckDirection = LuckDirection(birth.GenderSign, yearStem);

  const MonthSector& sector = MonthSectorOf(out.solarLongitude);
  int monthStem = FirstMonthStemIndex(yearStem) + sector.stemOffset;
  if (monthStem > 10) monthStem -= 10;
  WritePillar(out, PillarBlock::month, MakePillar(monthStem, sector.branchIndex));
  out.luckStartAge = LuckStartAge(sector, out.solarLongitude, out.luckDirection);

  const long long dayNumber = DayNumber(out.dayMoment);
  const int dayDigit = static_cast<int>(dayNumber % 10);
  WritePillar(out, PillarBlock::day, MakePillar(dayDigit, 2 + static_cast<int>(dayNumber % 12)));

  const HourPillarIndices hour = HourIndices(out.localHours, dayDigit);
  WritePillar(out, PillarBlock::hour, MakePillar(hour.stem, hour.branch));
  out.pillarCells[20] = {};

  out.luckPeriods = MakeLuckPeriods(monthStem, sector.branchIndex, out.luckDirection, out.luckStartAge);
  WriteLuckCaptions(out, decimalSeparator);

  for (int block = 0; block < 4; ++block) {
    out.interpretation[block].clear();
    AppendInterpretation(out.interpretation[block], &out.pillarCells[block * 5], static_cast<PillarBlock>(block));
  }
  return CastError::none;
}

std::string_view DescribeCastError(CastError error) {
  switch (error) {
    case CastError::none: return "";
    case CastError::zoneOffsetNotANumber: return "the zone offset is not a number";
  }
  return "";
}

}  // namespace tavrin
