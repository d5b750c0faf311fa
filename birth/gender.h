#pragma once

#include <string_view>

#include "engine/birth_details.h"

namespace tavrin {

// GenderText and GenderSign of the birth details: "Male" and 1, or "Female" and -1.
void SetGender(bool male, BirthDetails& birth);

// Male exactly when the gender text is "Male"; anything else means female.
bool IsMaleText(std::string_view genderText);

}  // namespace tavrin
