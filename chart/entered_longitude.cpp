#include "chart/entered_longitude.h"

namespace modFengShuiFourPillar {

std::optional<double> EnteredLongitude;

}  // namespace modFengShuiFourPillar
