// Prints how far the Jie instants of the precise method and of the classic
// method fall from the IAU 2006/2000A apparent Sun, over 1900-2100 and
// 1950-2049. The reference is each Jie solved by Newton's method on
// ApparentSun itself (ERFA's full series at every step, with the program's
// delta T), to a microsecond.
#include <chrono>
#include <cmath>
#include <cstdio>

#include "astro/apparent_sun.h"
#include "astro/delta_t.h"
#include "astro/jie.h"
#include "engine/birth_moment.h"

namespace {

using tavrin::astro::ApparentSun;
using tavrin::astro::DeltaTSeconds;

double Difference(double a, double b) {
  double d = std::fmod(a - b, 360);
  if (d >= 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

double DirectLongitude(double ut) { return ApparentSun(ut, ut + DeltaTSeconds(ut) / 86400).longitude; }

// Newton's method with a numerical slope on any longitude of UT.
template <typename Longitude>
double Solve(Longitude longitudeAt, double target, double guess) {
  double t = guess;
  for (int i = 0; i < 20; ++i) {
    const double h = 1e-3;
    const double value = longitudeAt(t);
    const double slope = Difference(longitudeAt(t + h), value) / h;
    const double step = Difference(value, target) / slope;
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

}  // namespace

int main() {
  Spread precise, classic, classicCentury;
  const auto start = std::chrono::steady_clock::now();
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
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("Jie 1900-2100 (%ld), precise method against the reference: worst %.3f s, rms %.3f s\n",
              precise.count, precise.worst, precise.Rms());
  std::printf("Classic method against the reference, 1950-2049 (%ld Jie): worst %.0f min, rms %.0f min\n",
              classicCentury.count, classicCentury.worst, classicCentury.Rms());
  std::printf("Classic method against the reference, 1900-2100 (%ld Jie): worst %.0f min, rms %.0f min\n",
              classic.count, classic.worst, classic.Rms());
  std::printf("(%.1f s)\n", seconds);
  return 0;
}
