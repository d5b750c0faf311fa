#include "reading/cast_choices.h"

#include <optional>

namespace tavrin {
namespace {

constexpr std::string_view kMethodKey = "method";
constexpr std::string_view kSolarTimeKey = "solarTime";
constexpr std::string_view kDayStartsKey = "dayStarts";

// Reads one choice into `choice`, which keeps its default when the file has none.
template <typename Choice, std::size_t Count>
std::string ReadChoice(const Reading& reading, std::string_view key, const std::array<std::string_view, Count>& words,
                       Choice& choice) {
  const auto value = reading.Choice(key);
  if (!value) return "";
  const auto chosen = ChoiceOf<Choice>(*value, words);
  if (!chosen)
    return std::string(key) + "=" + std::string(*value) + ": expected " + ChoiceList(words);
  choice = *chosen;
  return "";
}

}  // namespace

void SetCastChoices(Reading& reading, const CastOptions& options) {
  const CastOptions defaults;
  if (options.method != defaults.method) reading.SetChoice(kMethodKey, WordOf(options.method, kMethodWords));
  if (options.solarTime != defaults.solarTime)
    reading.SetChoice(kSolarTimeKey, WordOf(options.solarTime, kSolarTimeWords));
  if (options.dayStarts != defaults.dayStarts)
    reading.SetChoice(kDayStartsKey, WordOf(options.dayStarts, kDayStartsWords));
}

std::variant<CastOptions, std::string> CastChoicesOf(const Reading& reading) {
  // Of two lines for one choice, neither can be taken for the one meant.
  constexpr std::size_t kShownKey = 40;
  for (auto later = reading.choices.begin(); later != reading.choices.end(); ++later)
    for (auto earlier = reading.choices.begin(); earlier != later; ++earlier)
      if (earlier->first == later->first)
        return "the choice \"" + later->first.substr(0, kShownKey) + "\" is given twice";
  CastOptions options;
  for (const std::string& problem : {ReadChoice(reading, kMethodKey, kMethodWords, options.method),
                                     ReadChoice(reading, kSolarTimeKey, kSolarTimeWords, options.solarTime),
                                     ReadChoice(reading, kDayStartsKey, kDayStartsWords, options.dayStarts)})
    if (!problem.empty()) return problem;
  if (std::string problem = ProblemWith(options); !problem.empty()) return problem;
  return options;
}

std::string ProblemWith(const CastOptions& options) {
  if (options.method == Method::precise) return "";
  if (options.solarTime != SolarTime::mean) return "true solar time needs the precise method";
  if (options.dayStarts == DayStarts::at23) return "the day starting at 23:00 needs the precise method";
  if (options.dayStarts == DayStarts::midnightOwnRat)
    return "the late Rat hour with its own day's stem needs the precise method";
  return "";
}

}  // namespace tavrin
