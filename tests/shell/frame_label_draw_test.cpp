#include "shell/frame_label_draw.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

namespace tavrin {
namespace {

TEST(FrameLabelDraw, OddThrowsPutCobrandInFrontEvenThrowsFullBrand) {
  for (int pips = 1; pips <= 6; ++pips)
    EXPECT_EQ(FrameLabelForThrow(pips), pips % 2 ? FrontFrameLabel::Cobrand : FrontFrameLabel::FullBrand) << pips;
}

TEST(FrameLabelDraw, DieGivesOneToSixWithEqualChances) {
  ProgramRandom().seed(20260314);
  constexpr int kThrows = 60000;
  std::array<int, 7> counts{};
  for (int i = 0; i < kThrows; ++i) {
    const int pips = ThrowDie();
    ASSERT_GE(pips, 1);
    ASSERT_LE(pips, 6);
    ++counts[pips];
  }
  for (int pips = 1; pips <= 6; ++pips) EXPECT_NEAR(counts[pips], kThrows / 6, 400) << pips;
}

TEST(FrameLabelDraw, ClockSeedsDifferentDrawsAtDifferentStarts) {
  // Two starts from the same generator state, a moment apart: only the clock
  // tells them apart.
  const auto drawAfterSeeding = [] {
    ProgramRandom().seed(1);
    SeedRandomFromClock();
    return ProgramRandom()();
  };
  const auto first = drawAfterSeeding();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  const auto second = drawAfterSeeding();
  EXPECT_NE(first, second);
  EXPECT_NE(first, std::mt19937(1)());
}

}  // namespace
}  // namespace tavrin
