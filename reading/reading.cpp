#include "reading/reading.h"

#include "engine/number_text.h"
#include "reading/name_choice.h"

namespace tavrin {

Reading ReadingOf(const BirthDetails& birth, std::optional<double> typedLongitude) {
  Reading reading;
  reading.text = {birth.Name,
                  std::to_string(birth.BirthYear),
                  birth.MonthName,
                  std::to_string(birth.BirthDay),
                  std::to_string(birth.BirthHour),
                  std::to_string(birth.BirthMinute),
                  std::to_string(birth.BirthSecond),
                  birth.ZoneOffset,
                  birth.GenderText,
                  typedLongitude ? DecimalText(*typedLongitude) : std::string()};
  reading.lineCount = typedLongitude ? kReadingLineCount : kReadingLineCount - 1;
  if (auto name = NameChoiceFor(birth.Name)) reading.SetChoice(kNameKey, *name);
  return reading;
}

std::optional<std::string_view> Reading::Choice(std::string_view key) const {
  for (const auto& [name, value] : choices)
    if (name == key) return value;
  return std::nullopt;
}

void Reading::SetChoice(std::string_view key, std::string_view value) {
  for (auto& [name, old] : choices)
    if (name == key) {
      old = value;
      return;
    }
  choices.emplace_back(key, value);
}

}  // namespace tavrin
