#include "engine/luck.h"

#include "engine/vocabulary.h"

namespace tavrin {

int LuckDirection(int genderSign, int yearStemIndex) {
  const int polarity = yearStemIndex % 2 == 0 ? -1 : 1;
  return genderSign * polarity;
}

LuckPeriods MakeLuckPeriods(int monthStemIndex, int monthBranchIndex, int direction, double startAge) {
  LuckPeriods periods{};
  int b = monthBranchIndex;
  int s = monthStemIndex;
  for (int i = 0; i < 8; ++i) {
    b += direction;
    if (b > 12 || b < 0) b -= 12 * direction;
    s += direction;
    if (s > 10 || s < 0) s -= 10 * direction;
    periods[i] = {startAge + 10 * i, StemTable[s], BranchTable[b]};
  }
  return periods;
}

}  // namespace tavrin
