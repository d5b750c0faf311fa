#include "tools/chart_json.h"

namespace tavrin::cast {

void WriteChartJson(JsonWriter& json, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                    const BirthWhere& where) {
  const FieldSources sources{birth, chart, chartAnalysis, where};
  const ChartParts parts(sources);
  const std::span<const ChartField> table = ChartFields();
  json.BeginObject();
  for (const std::size_t row : fields.Rows(FieldFormat::json)) {
    const ChartField& field = table[row];
    if (!parts.Has(field.group)) continue;
    json.Key(field.name);
    field.json(json, sources);
  }
  json.EndObject();
}

void WriteRowErrorJson(JsonWriter& json, long long line, std::string_view message) {
  json.BeginObject();
  json.IntegerMember("line", line);
  json.StringMember("error", message);
  json.EndObject();
}

}  // namespace tavrin::cast
