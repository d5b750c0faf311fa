#include "tools/cast_needs.h"

namespace tavrin::cast {

CastNeeds NeedsOf(const CommandLine& line) {
  if (line.format == OutputFormat::text) return {};
  const auto asks = [&](FieldGroup group) { return line.fields.Asks(group, FieldFormatOf(line.format)); };
  const bool analysis = asks(FieldGroup::analysis);
  return {analysis || asks(FieldGroup::luck) || asks(FieldGroup::texts), analysis,
          asks(FieldGroup::birth) || asks(FieldGroup::lunar)};
}

CastError CastAsNeeded(const Birth& birth, const CastOptions& options, const CastNeeds& needs,
                       const analysis::Today& today, const analysis::ReadingChoices& choices, Chart& chart,
                       analysis::ChartAnalysis& chartAnalysis) {
  const CastError error =
      needs.luckPeriods ? ComputeChart(birth, options, chart) : ComputePillars(birth, options, chart);
  if (error == CastError::none && needs.analysis) analysis::AnalyzeChart(birth, chart, today, chartAnalysis, choices);
  return error;
}

}  // namespace tavrin::cast
