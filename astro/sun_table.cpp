#include "astro/sun_table.h"

#include <array>
#include <cmath>
#include <memory>
#include <mutex>

#include "astro/apparent_sun.h"
#include "astro/delta_t.h"
#include "engine/arithmetic.h"

namespace tavrin::astro {
namespace {

constexpr int kBlockDays = 32;
// A block keeps the sample before its first day and the two after its last,
// so the four samples round any moment of its days are its own.
constexpr int kBlockSamples = kBlockDays + 3;
constexpr int kBlockCount = static_cast<int>((kSunTableLastDay - kSunTableFirstDay) / kBlockDays) + 1;

struct Block {
  std::once_flag filled;
  std::array<double, kBlockSamples> longitude;  // unwrapped: rising past 360 within the block
  std::array<double, kBlockSamples> equation;
};

void Fill(Block& block, int index) {
  const double first = kSunTableFirstDay + static_cast<double>(index) * kBlockDays - 1;
  double previous = 0;
  for (int i = 0; i < kBlockSamples; ++i) {
    const double ut = first + i;
    const SunPlace sun = ApparentSun(ut, ut + DeltaTSeconds(ut) / 86400);
    double longitude = sun.longitude;
    if (i > 0)
      while (longitude < previous - 180) longitude += 360;
    block.longitude[i] = previous = longitude;
    block.equation[i] = sun.equationOfTimeMinutes;
  }
}

Block& BlockAt(int index) {
  static const std::unique_ptr<Block[]> blocks(new Block[kBlockCount]);
  Block& block = blocks[index];
  std::call_once(block.filled, Fill, std::ref(block), index);
  return block;
}

// Lagrange weights of the samples at -1, 0, 1, 2 for a moment f in [0, 1),
// and of their derivative.
struct Weights {
  double value[4];
  double slope[4];
};

Weights CubicWeights(double f) {
  const double a = f + 1, b = f, c = f - 1, d = f - 2;
  return {{-b * c * d / 6, a * c * d / 2, -a * b * d / 2, a * b * c / 6},
          {-(c * d + b * d + b * c) / 6, (c * d + a * d + a * c) / 2, -(b * d + a * d + a * b) / 2,
           (b * c + a * c + a * b) / 6}};
}

}  // namespace

SunMotion SunAt(double utJulianDay) {
  const double x = utJulianDay - kSunTableFirstDay;
  const double day = std::floor(x);
  const int index = static_cast<int>(day) / kBlockDays;
  const int offset = static_cast<int>(day) - index * kBlockDays;  // sample offset + 1 is the day itself
  const Block& block = BlockAt(index);
  const Weights w = CubicWeights(x - day);
  SunMotion sun{0, 0, 0};
  for (int i = 0; i < 4; ++i) {
    sun.longitude += w.value[i] * block.longitude[offset + i];
    sun.degreesPerDay += w.slope[i] * block.longitude[offset + i];
    sun.equationOfTimeMinutes += w.value[i] * block.equation[offset + i];
  }
  sun.longitude = ReduceDegrees(sun.longitude);
  return sun;
}

}  // namespace tavrin::astro
