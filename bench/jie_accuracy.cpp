// Prints how far the Jie instants of the precise method and of the classic
// method fall from the IAU 2006/2000A apparent Sun, over 1900-2100 and
// 1950-2049. The reference is each Jie solved by Newton's method on
// ApparentSun itself (ERFA's full series at every step, with the program's
// delta T), to a microsecond. Then how many births of 1950-2030 (one every
// 17 minutes, in Beijing's zone) get another month pillar from each method.
// Last, the new moons of 1900-2100 against the series Meeus published
// (Astronomical Algorithms, 2nd ed., chapter 49: the mean lunation with its
// 25 periodic and 14 planetary terms), which agrees with the full lunar
// theory to a few seconds, and against new moons solved on ApparentSun
// itself with the full frame of date at every step.
#include <cmath>
#include <cstdio>
#include <string>

#include "astro/apparent_sun.h"
#include "astro/civil_time.h"
#include "astro/delta_t.h"
#include "astro/jie.h"
#include "astro/moon.h"
#include "engine/birth_moment.h"
#include "engine/chart.h"

namespace {

using tavrin::astro::ApparentSun;
using tavrin::astro::DeltaTSeconds;

double DirectLongitude(double ut) { return ApparentSun(ut, ut + DeltaTSeconds(ut) / 86400).longitude; }

// Newton's method with a numerical slope on any longitude of UT.
template <typename Longitude>
double Solve(Longitude longitudeAt, double target, double guess) {
  double t = guess;
  for (int i = 0; i < 20; ++i) {
    const double h = 1e-3;
    const double value = longitudeAt(t);
    const double slope = tavrin::DegreesAhead(longitudeAt(t + h), value) / h;
    const double step = tavrin::DegreesAhead(value, target) / slope;
    t -= step;
    if (std::abs(step) < 1e-11) break;
  }
  return t;
}

struct Spread {
  double worst = 0, sumSquares = 0;
  long count = 0;
  void Add(double difference) {
    worst = std::max(worst, std::abs(difference));
    sumSquares += difference * difference;
    ++count;
  }
  double Rms() const { return std::sqrt(sumSquares / static_cast<double>(count)); }
};

double DirectElongation(double ut) {
  const double tt = ut + DeltaTSeconds(ut) / 86400;
  return tavrin::DegreesAhead(tavrin::astro::ApparentMoon(tt).longitude, ApparentSun(ut, tt).longitude);
}

}  // namespace

int main() {
  Spread precise, classic, classicCentury;
  for (int year = 1900; year <= 2100; ++year) {
    for (int k = 0; k < 12; ++k) {
      // Jie k of the year: Lesser Cold (285) about 5 January, then every 30 degrees.
      const double target = std::fmod(285 + 30.0 * k, 360);
      const double guess = tavrin::JulianDay0(year, 1, 5) + 30.44 * k;
      const double reference = Solve(DirectLongitude, target, guess);
      precise.Add((tavrin::astro::SolveLongitude(target, reference + 0.5) - reference) * 86400);
      const double classicJie = Solve(
          [](double ut) { return tavrin::SolarLongitude(ut); }, target, reference);
      classic.Add((classicJie - reference) * 1440);
      if (year >= 1950 && year <= 2049) classicCentury.Add((classicJie - reference) * 1440);
    }
  }
  std::printf("Jie 1900-2100 (%ld), precise method against the reference: worst %.3f s, rms %.3f s\n",
              precise.count, precise.worst, precise.Rms());
  std::printf("Classic method against the reference, 1950-2049 (%ld Jie): worst %.0f min, rms %.0f min\n",
              classicCentury.count, classicCentury.worst, classicCentury.Rms());
  std::printf("Classic method against the reference, 1900-2100 (%ld Jie): worst %.0f min, rms %.0f min\n",
              classic.count, classic.worst, classic.Rms());
  long births = 0, otherMonth = 0;
  tavrin::Chart classicChart, preciseChart;
  for (double ut = tavrin::JulianDay0(1950, 1, 1); ut < tavrin::JulianDay0(2030, 1, 1); ut += 17.0 / 1440) {
    const double local = ut + 8.0 / 24;
    const double day0 = std::floor(local - 0.5) + 0.5;
    const tavrin::astro::CivilTime date = tavrin::astro::CivilTimeOf(day0);
    const long minutes = std::lround((local - day0) * 1440) % 1440;
    tavrin::BirthDetails birth;
    birth.BirthYear = static_cast<std::int16_t>(date.year);
    birth.BirthMonth = static_cast<std::int16_t>(date.month);
    birth.BirthDay = static_cast<std::int16_t>(date.day);
    birth.BirthHour = static_cast<std::int16_t>(minutes / 60);
    birth.BirthMinute = static_cast<std::int16_t>(minutes % 60);
    birth.ZoneOffset = "8";
    birth.Longitude = 120;
    birth.GenderSign = 1;
    tavrin::ComputeChart(birth, {}, classicChart);
    tavrin::ComputeChart(birth, {tavrin::Method::precise}, preciseChart);
    ++births;
    if (classicChart.pillars[1] != preciseChart.pillars[1]) ++otherMonth;
  }
  std::printf("Births 1950-2029 with another month pillar by each method: %ld of %ld, one in %.0f\n", otherMonth,
              births, static_cast<double>(births) / static_cast<double>(otherMonth));
  Spread published, direct;
  for (int k = tavrin::astro::MeanNewMoonNumber(tavrin::JulianDay0(1900, 1, 1)) + 1;
       k <= tavrin::astro::MeanNewMoonNumber(tavrin::JulianDay0(2101, 1, 1)); ++k) {
    const double newMoon = tavrin::astro::NewMoon(k);
    const double tt = tavrin::astro::PublishedNewMoon(k);
    published.Add((newMoon - (tt - DeltaTSeconds(tt) / 86400)) * 86400);
    direct.Add((newMoon - Solve(DirectElongation, 0, newMoon)) * 86400);
  }
  std::printf("New moons 1900-2100 (%ld) against the published series: worst %.1f s, rms %.1f s\n", published.count,
              published.worst, published.Rms());
  std::printf("New moons 1900-2100 against ERFA's full Sun and frame of date at every step: worst %.4f s, rms %.4f s\n",
              direct.worst, direct.Rms());
  // The new moons whose civil day another clock or a small error would change:
  // Beijing's local mean time (UTC+7:45:40) before 1929, and within a minute
  // of midnight in UTC+8 after.
  std::string moved, nearMidnight;
  for (int k = tavrin::astro::MeanNewMoonNumber(tavrin::JulianDay0(1900, 1, 1)) + 1;
       k <= tavrin::astro::MeanNewMoonNumber(tavrin::JulianDay0(2101, 1, 1)); ++k) {
    const double newMoon = tavrin::astro::NewMoon(k);
    const double china = newMoon + 8.0 / 24, beijing = newMoon + (7 + 45.0 / 60 + 40.0 / 3600) / 24;
    const double minutesIntoDay = (china + 0.5 - std::floor(china + 0.5)) * 1440;
    if (newMoon < tavrin::JulianDay0(1929, 1, 1) && std::floor(china + 0.5) != std::floor(beijing + 0.5))
      moved += " " + tavrin::astro::IsoInstant(newMoon);
    if (minutesIntoDay < 1 || minutesIntoDay > 1439) nearMidnight += " " + tavrin::astro::IsoInstant(newMoon);
  }
  std::printf("New moons of 1900-1928 on another civil day by Beijing's local mean time:%s\n", moved.c_str());
  std::printf("New moons of 1900-2100 within a minute of midnight in UTC+8:%s\n", nearMidnight.c_str());
  return 0;
}
