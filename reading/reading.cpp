#include "reading/reading.h"

#include "engine/number_text.h"

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
  return reading;
}

}  // namespace tavrin
