#include "birth/gender.h"

namespace tavrin {
namespace {

constexpr std::string_view kMale = "Male";
constexpr std::string_view kFemale = "Female";

}  // namespace

void SetGender(bool male, BirthDetails& birth) {
  birth.GenderText.assign(male ? kMale : kFemale);
  birth.GenderSign = male ? 1 : -1;
}

bool IsMaleText(std::string_view genderText) { return genderText == kMale; }

}  // namespace tavrin
