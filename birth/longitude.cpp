#include "birth/longitude.h"

#include <cmath>

#include "engine/number_text.h"

namespace tavrin {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";  // UTF-8

// Takes a last E or W off `text`; gives the sign it stands for, or 0 when there is none.
int TakeHemisphere(std::string_view& text) {
  if (text.empty()) return 0;
  const char last = text.back();
  const int sign = (last == 'E' || last == 'e') ? 1 : (last == 'W' || last == 'w') ? -1 : 0;
  if (sign != 0) text = TrimSpaces(text.substr(0, text.size() - 1));
  return sign;
}

}  // namespace

std::optional<double> LongitudeInRange(std::optional<double> degrees) {
  if (!degrees || std::abs(*degrees) > kWidestLongitude) return std::nullopt;
  return *degrees == 0 ? 0.0 : *degrees;
}

std::optional<double> ParseLongitude(std::string_view typed) {
  std::string_view text = TrimSpaces(typed);
  const int hemisphere = TakeHemisphere(text);
  if (text.ends_with(kDegreeSign)) text = TrimSpaces(text.substr(0, text.size() - kDegreeSign.size()));
  // With a letter the number carries no sign of its own: "-74 W" is no longitude.
  if (hemisphere != 0 && (text.starts_with('-') || text.starts_with('+'))) return std::nullopt;
  std::string number(text);
  if (const auto comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  const auto degrees = LongitudeInRange(ParseDecimal(number));
  if (!degrees) return std::nullopt;
  return hemisphere < 0 ? LongitudeInRange(-*degrees) : degrees;
}

std::string LongitudeFieldText(double degreesEast) {
  return DecimalText(std::abs(degreesEast)) + (degreesEast < 0 ? " W" : " E");
}

}  // namespace tavrin
