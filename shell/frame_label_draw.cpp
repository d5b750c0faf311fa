#include "shell/frame_label_draw.h"

#include <chrono>

namespace tavrin {

std::mt19937& ProgramRandom() {
  static std::mt19937 generator;
  return generator;
}

void SeedRandomFromClock() {
  ProgramRandom().seed(static_cast<std::mt19937::result_type>(
      std::chrono::system_clock::now().time_since_epoch().count()));
}

int ThrowDie() { return std::uniform_int_distribution<int>(1, 6)(ProgramRandom()); }

FrontFrameLabel FrameLabelForThrow(int pips) {
  return pips % 2 == 1 ? FrontFrameLabel::Cobrand : FrontFrameLabel::FullBrand;
}

FrontFrameLabel DrawFrontFrameLabel() { return FrameLabelForThrow(ThrowDie()); }

}  // namespace tavrin
