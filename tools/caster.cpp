#include "tools/caster.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "build_settings.h"
#include "engine/chart.h"
#include "reading/cast_choices.h"
#include "tools/batch.h"
#include "tools/birth_fields.h"
#include "tools/chart_csv.h"
#include "tools/chart_json.h"
#include "tools/chart_text.h"
#include "tools/command_line.h"
#include "tools/error_line.h"
#include "tools/reading_access.h"
#include "tools/today_option.h"

namespace tavrin::cast {
namespace {

// Casts `birth`, saves it when asked and writes the chart; nothing reaches
// `out` when the cast or the save fails.
ExitStatus CastAndShow(const CommandLine& line, const analysis::Today& today, const BirthDetails& birth,
                       std::optional<double> enteredLongitude, const CastOptions& options, std::ostream& out,
                       std::ostream& err) {
  Chart chart;
  if (const CastError error = ComputeChart(birth, options, chart); error != CastError::none) {
    WriteErrorLine(err, DescribeCastError(error));
    return kBadInput;
  }
  analysis::ChartAnalysis chartAnalysis;
  if (!analysis::AnalyzeChart(birth, chart, today, chartAnalysis)) {
    WriteErrorLine(err, kUnreadableChart);
    return kBadInput;
  }
  if (line.savePath) {
    if (auto reason = SaveReading(*line.savePath, birth, enteredLongitude, options)) {
      WriteErrorLine(err, "--save " + std::string(*line.savePath) + ": " + *reason);
      return kBadInput;
    }
  }
  if (line.format == OutputFormat::json) {
    JsonWriter json;
    WriteChartJson(json, birth, chart, chartAnalysis, line.fields);
    json.LineBreak();
    out << json.Text();
  } else if (line.format == OutputFormat::csv) {
    std::string csv;
    AppendCsvHeader(csv, line.fields, CsvFrame::oneChart);
    AppendChartCsv(csv, birth, chart, chartAnalysis, line.fields);
    out << csv;
  } else {
    std::string text;
    AppendChartText(text, birth, chart, chartAnalysis);
    out << text;
  }
  return kDone;
}

ExitStatus CastOne(const CommandLine& line, const analysis::Today& today, std::ostream& out, std::ostream& err) {
  BirthDetails birth;
  if (auto error = FillBirthDetails(line.birth, birth)) {
    WriteErrorLine(err, DescribeFieldError(*error, "--"));
    return kBadInput;
  }
  // Like the desktop program, a reading keeps the longitude only when one was given.
  const auto enteredLongitude = line.birth.longitude ? std::optional(birth.Longitude) : std::nullopt;
  return CastAndShow(line, today, birth, enteredLongitude, line.OptionsOver({}), out, err);
}

ExitStatus CastReading(const CommandLine& line, const analysis::Today& today, std::ostream& out, std::ostream& err) {
  BirthDetails birth;
  std::optional<double> enteredLongitude;
  CastOptions saved;
  if (auto reason = OpenReading(line.readingPath, birth, enteredLongitude, saved)) {
    WriteErrorLine(err, "--open " + std::string(line.readingPath) + ": " + *reason);
    return kBadInput;
  }
  const CastOptions options = line.OptionsOver(saved);
  if (const std::string problem = ProblemWith(options); !problem.empty()) {
    WriteErrorLine(err, "--open " + std::string(line.readingPath) + " with these options: " + problem);
    return kBadInput;
  }
  return CastAndShow(line, today, birth, enteredLongitude, options, out, err);
}

ExitStatus CastBatchFrom(const CommandLine& line, const analysis::Today& today, std::istream& in, std::ostream& out,
                         std::ostream& err) {
  if (line.batchPath == "-") return CastBatch(in, line, today, out, err);
  const std::filesystem::path path(line.batchPath);
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    WriteErrorLine(err, "cannot read the batch " + std::string(line.batchPath) + ": it is a directory");
    return kBadInput;
  }
  std::ifstream file(path);
  if (!file) {
    WriteErrorLine(err, "cannot read the batch " + std::string(line.batchPath) + ": " + std::strerror(errno));
    return kBadInput;
  }
  return CastBatch(file, line, today, out, err);
}

ExitStatus Run(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  if (line.action == Action::showHelp) {
    out << HelpText();
    return kDone;
  }
  if (line.action == Action::showVersion) {
    out << "tavrin-cast " << kVersionText << '\n';
    return kDone;
  }
  const auto today = ResolveToday(line.today);
  if (const auto* problem = std::get_if<std::string>(&today)) {
    WriteErrorLine(err, *problem);
    return kBadInput;
  }
  const auto& date = std::get<analysis::Today>(today);
  switch (line.action) {
    case Action::castOne: return CastOne(line, date, out, err);
    case Action::castBatch: return CastBatchFrom(line, date, in, out, err);
    case Action::openReading: return CastReading(line, date, out, err);
    default: return kBadInput;  // help and version are answered above
  }
}

}  // namespace

ExitStatus RunCaster(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseCommandLine(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    WriteErrorLine(err, usage->message);
    err << "Try 'tavrin-cast --help' for more information.\n";
    return kBadInput;
  }
  const ExitStatus status = Run(std::get<CommandLine>(parsed), in, out, err);
  if (!out.flush()) {
    WriteErrorLine(err, "the output could not be written");
    return kBadInput;
  }
  return status;
}

}  // namespace tavrin::cast
