#pragma once

#include <random>

namespace tavrin {

// The two advertising labels that share one spot in the entry form's frame;
// only the one in front is seen.
enum class FrontFrameLabel { Cobrand, FullBrand };

// The program's random generator, seeded once at start-up.
std::mt19937& ProgramRandom();
void SeedRandomFromClock();

// A throw of a six-sided die: 1 to 6 with equal chances.
int ThrowDie();

// Odd throws put lblCobrand in front, even throws lblFullBrand.
FrontFrameLabel FrameLabelForThrow(int pips);

// Draws which label the entry form shows in front at this start.
FrontFrameLabel DrawFrontFrameLabel();

}  // namespace tavrin
