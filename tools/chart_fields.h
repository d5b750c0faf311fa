#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tavrin {
struct BirthDetails;
struct Chart;
namespace analysis {
struct ChartAnalysis;
}
}  // namespace tavrin

namespace tavrin::cast {

class CsvText;
class JsonWriter;
struct BirthWhere;

// What a chart's fields are read from: the birth as cast, its chart, the
// chart's analysis and where the birth was.
struct FieldSources {
  const BirthDetails& birth;
  const Chart& chart;
  const analysis::ChartAnalysis& analysis;
  const BirthWhere& where;
};

// The part of a chart a field comes from. Every chart has the first six; a
// field of the others is written only when the chart has that part: a chart
// cast with the precise method, with true solar time, from a chosen place or
// in a zone given by name, or born on a day the lunar calendar covers; or
// the months of a year and the days of a month, when they were asked for.
enum class FieldGroup {
  birth, numbers, pillars, luck, texts, analysis, precise, trueSolarTime, place, zone, lunar, months, days
};

// The groups a chart has.
class ChartParts {
 public:
  explicit ChartParts(const FieldSources& sources);
  bool Has(FieldGroup group) const {
    return group == FieldGroup::lunar ? HasLunarDate() : (bits_ >> static_cast<unsigned>(group) & 1) != 0;
  }

 private:
  bool HasLunarDate() const;  // asked only of an output that writes it: it may solve the year's new moons

  unsigned bits_ = 0;  // a bit for each group
  const BirthDetails* birth_;
};

enum class FieldFormat { json, csv };

// Whether an output writes a field unless --fields leaves it out, or only
// when --fields names it (or says "all").
enum class Written { byDefault, whenAsked };

// One output field: a member of the chart's JSON object, a CSV column, or
// both under one name. Each reads a part of the chart; the CSV columns are
// the JSON values flattened (yearStem is the year pillar's stem, luck1Stem
// the first period's, yearTenGod the year stem's ten god).
struct ChartField {
  std::string_view name;
  FieldGroup group;
  // Writes the member's value (its key is written before); null for a field that is no JSON member.
  void (*json)(JsonWriter& json, const FieldSources& sources);
  // Appends the cell's text, quoted where CSV needs it; null for a field that is no CSV column.
  void (*csv)(CsvText& out, const FieldSources& sources, int item);
  int item = 0;  // which pillar cell, luck period, pillar or element a column reads
  Written written = Written::byDefault;

  bool In(FieldFormat format) const { return format == FieldFormat::json ? json != nullptr : csv != nullptr; }
};

// Every field, in the order the outputs write them.
std::span<const ChartField> ChartFields();

// The names of `format`'s fields, in that order: what --fields accepts.
std::span<const std::string_view> FieldNames(FieldFormat format);
// Their rows in ChartFields(), in the same order.
std::span<const std::size_t> FieldRows(FieldFormat format);

}  // namespace tavrin::cast
