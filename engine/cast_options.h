#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// How a chart is cast. The defaults are the program's own classic method.
enum class Method { classic, precise };
// The local time of the day and hour pillars: local mean solar time (the
// clock time when no longitude is given), or that plus the equation of time.
enum class SolarTime { mean, trueSun };
// Where the day begins: at midnight, the late Rat hour (23:00 to 24:00)
// keeping its day and taking the next day's Rat stem; at 23:00, the late Rat
// hour taking the next day; or at midnight with the late Rat hour keeping its
// day and its own day's Rat stem.
enum class DayStarts { midnight, at23, midnightOwnRat };

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
inline constexpr std::array<std::string_view, 3> kDayStartsWords = {"midnight", "23", "own-rat"};

template <typename Choice, std::size_t Count>
std::string_view WordOf(Choice choice, const std::array<std::string_view, Count>& words) {
  return words[static_cast<int>(choice)];
}

template <typename Choice, std::size_t Count>
std::optional<Choice> ChoiceOf(std::string_view word, const std::array<std::string_view, Count>& words) {
  for (std::size_t i = 0; i < Count; ++i)
    if (words[i] == word) return static_cast<Choice>(i);
  return std::nullopt;
}

// "a or b", "a, b or c": the words a choice accepts, as its errors list them.
template <std::size_t Count>
std::string ChoiceList(const std::array<std::string_view, Count>& words) {
  std::string list;
  for (std::size_t i = 0; i < Count; ++i)
    list += std::string(i == 0 ? "" : i + 1 == Count ? " or " : ", ") + std::string(words[i]);
  return list;
}

}  // namespace tavrin
