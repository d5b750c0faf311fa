#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "analysis/chart_analysis.h"

namespace tavrin::cast {

// The date "current" refers to: --today's YYYY-MM-DD, or without it today's
// date by the system clock in universal time. A malformed date says why.
std::variant<analysis::Today, std::string> ResolveToday(std::optional<std::string_view> text);

}  // namespace tavrin::cast
