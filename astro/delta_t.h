#pragma once

namespace tavrin::astro {

// The years a birth may fall in for the precise method: the delta T model
// below covers them and nothing else.
inline constexpr int kFirstPreciseYear = 1600;
inline constexpr int kLastPreciseYear = 2199;

// TT - UT in seconds at a Julian Date in UT. From 1972 to the end of 2025 it
// is TAI - UTC from the leap-second table plus 32.184 s (UT1 and UTC differ by
// less than 0.9 s); before it the Espenak-Meeus polynomials, and after it
// the table's last value plus what the polynomials add from 2026 on; they
// hold from 1600 to 2200. Meant for dates within a few months of that span; callers
// check the birth year against kFirstPreciseYear and kLastPreciseYear.
double DeltaTSeconds(double utJulianDay);

}  // namespace tavrin::astro
