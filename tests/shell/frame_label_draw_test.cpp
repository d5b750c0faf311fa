#include "shell/frame_label_draw.h"

#include <gtest/gtest.h>

#include <array>

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
  SeedRandomFromClock();
  const auto first = ProgramRandom()();
  ProgramRandom().seed(1);
  SeedRandomFromClock();
  EXPECT_NE(ProgramRandom()(), first);
}

}  // namespace
}  // namespace tavrin
