#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tavrin {

// How a chart is cast. The defaults are the program's own classic method.
enum class Method { classic, precise };
// The local time of the day and hour pillars: local mean solar time (the
// clock time when no longitude is given), or that plus the equation of time.
enum class SolarTime { mean, trueSun };
// Where the day begins: at midnight, the late Rat hour (23:00 to 24:00)
// keeping its day; or at 23:00, the late Rat hour taking the next day.
enum class DayStarts { midnight, at23 };

// Solar time and the day's start refine the precise method; the classic
// method keeps their defaults.
struct CastOptions {
  Method method = Method::classic;
  SolarTime solarTime = SolarTime::mean;
  DayStarts dayStarts = DayStarts::midnight;

  bool IsClassic() const { return method == Method::classic; }
  bool operator==(const CastOptions&) const = default;
};

// The words of each choice, default first, as the caster's options, the JSON
// and the reading file's choice lines write them.
inline constexpr std::array<std::string_view, 2> kMethodWords = {"classic", "precise"};
inline constexpr std::array<std::string_view, 2> kSolarTimeWords = {"mean", "true"};
inline constexpr std::array<std::string_view, 2> kDayStartsWords = {"midnight", "23"};

template <typename Choice>
std::string_view WordOf(Choice choice, const std::array<std::string_view, 2>& words) {
  return words[static_cast<int>(choice)];
}

template <typename Choice>
std::optional<Choice> ChoiceOf(std::string_view word, const std::array<std::string_view, 2>& words) {
  for (int i = 0; i < 2; ++i)
    if (words[i] == word) return static_cast<Choice>(i);
  return std::nullopt;
}

}  // namespace tavrin
