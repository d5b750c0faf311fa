#pragma once

#include <array>

#include "analysis/interactions.h"
#include "analysis/months_and_days.h"
#include "analysis/palaces.h"
#include "analysis/strength.h"
#include "analysis/symbolic_stars.h"
#include "analysis/symbols.h"
#include "engine/chart.h"

namespace tavrin::analysis {

// How `stem` stands to the day stem; the day stem itself is the Day Master
// only as the day pillar's own stem, which the caller decides.
Term TenGod(int dayStem, int stem);
// Na yin of a stem over a branch of the same polarity.
Term NaYin(int stem, int branch);
// Life stage of `dayStem` in `branch`.
Term LifeStage(int dayStem, int branch);

struct StemReading {
  int stem = 0;
  Term tenGod;
};

struct PillarAnalysis {
  StemReading stem;
  int branch = 0;
  std::array<StemReading, 3> hidden{};
  int hiddenCount = 0;
  Term naYin;
  Term lifeStage;
  Term selfStage;  // of the pillar's own stem on its branch
  StarSet stars = 0;
  bool inDayVoid = false;   // its branch is void in the day pillar's decade
  bool inYearVoid = false;  // in the year pillar's
};

// Each element counted once for every character that carries it: over the
// four stems and four branches, and again adding each hidden stem.
struct ElementCounts {
  std::array<int, kElementCount> eightCharacters{};
  std::array<int, kElementCount> withHiddenStems{};
};

// A luck period's calendar years: the first starts in the calendar year of
// the luck start date, each lasts ten years.
struct LuckYears {
  double startAge = 0;
  int stem = 0;
  int branch = 0;
  int startYear = 0;
  int endYear = 0;
  int nominalAge = 0;  // in the start year, counting the birth year as one
};

// The pillar of a year from its Spring Beginning on. The age is the year
// minus the year of birth; luckPeriod is 1 to 8, or 0 outside the periods.
struct AnnualPillar {
  int year = 0;
  int age = 0;
  int stem = 0;
  int branch = 0;
  int luckPeriod = 0;
};

// What a luck, annual or month pillar brings to a chart: the stars it
// carries and its interactions with the four pillars (bit 4 of each one's
// pillars is it).
struct OtherPillarReading {
  StarSet stars = 0;
  Interactions interactions;
};

inline constexpr int kLastAnnualAge = 100;
inline constexpr int kAnnualPillarCount = kLastAnnualAge + 1;

// The date "current" refers to: its calendar year, and the year whose
// Spring Beginning it follows (the year before, early in the year).
struct Today {
  int year = 0;
  int pillarYear = 0;
  int month = 0;
  int day = 0;
};

// Today's calendar date for the year fields; the Sun at noon Greenwich time
// decides whether Spring Beginning has passed.
Today TodayOn(int year, int month, int day);

// The school choices a reading is made with; the defaults are the program's.
struct ReadingChoices {
  InteractionChoices interactions;
  StarChoices stars;
  bool operator==(const ReadingChoices&) const = default;
};

struct ChartAnalysis {
  std::array<PillarAnalysis, 4> pillars{};  // year, month, day, hour
  ElementCounts elements;
  std::array<LuckYears, 8> luckYears{};
  int birthYear = 0;
  int birthYearStem = 0;  // of the pillar from the birth year's Spring Beginning
  int birthYearBranch = 0;
  int currentLuckPeriod = 0;     // 1 to 8, 0 when today is outside every period
  int currentPillarYear = 0;     // the year whose pillar is today's
  int currentAnnualPillar = -1;  // the age in that year, -1 outside 0 to kLastAnnualAge
  Interactions interactions;     // between the four pillars: bit 0 the year ... bit 3 the hour
  StarMarks dayVoid = 0;         // the two branches void in the day pillar's decade
  StarMarks yearVoid = 0;        // in the year pillar's
  Palaces palaces{};
  StrengthEvidence strength;
  Today today;
  std::array<Pillar, 4> chartPillars{};  // as cast, for pillars read against them
  ReadingChoices choices;                // the reading was made with

  // The months of a year and the days of a month, only when asked for with
  // ReadMonths and ReadDays (AnalyzeChart leaves none).
  int monthsYear = 0;  // 0 for none
  int monthsZoneSecondsEast = 0;
  std::array<MonthOfYear, 12> months{};
  int daysYear = 0;
  int daysMonth = 0;
  int dayCount = 0;  // 0 for none
  std::array<DayOfMonth, 31> days{};
  bool IsToday(const DayOfMonth& day) const {
    return today.year == daysYear && today.month == daysMonth && today.day == day.day;
  }

  // The annual pillar of the year in which the person is `age` (0 to
  // kLastAnnualAge), made when asked rather than stored, so that casting a
  // chart does not pay for a hundred rows it may never show.
  AnnualPillar AnnualPillarAt(int age) const;

  // `other` read against the chart with the reading's choices, when asked,
  // as the annual pillars are made.
  OtherPillarReading ReadAgainstChart(const Pillar& other) const;
};

// Reads the chart cast for `birth`; `out` is rewritten whole.
void AnalyzeChart(const Birth& birth, const Chart& chart, const Today& today, ChartAnalysis& out,
                  const ReadingChoices& choices = {});

// The months of `year` with their Jie in the birth's zone, into `out`; false
// (and none) outside the years the precise method casts.
bool ReadMonths(int year, const Birth& birth, ChartAnalysis& out);
// The days of `month` of `year`; false (and none) for a month outside 1 to 12.
bool ReadDays(int year, int month, ChartAnalysis& out);

}  // namespace tavrin::analysis
