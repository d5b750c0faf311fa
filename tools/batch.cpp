#include "tools/batch.h"

#include <algorithm>
#include <array>
#include <barrier>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/chart.h"
#include "tools/birth_fields.h"
#include "tools/cast_needs.h"
#include "tools/chart_csv.h"
#include "tools/chart_json.h"
#include "tools/chart_text.h"
#include "tools/csv_reader.h"
#include "tools/error_line.h"
#include "tools/place_lookup.h"

namespace tavrin::cast {
namespace {

constexpr std::string_view kRecordSeparator =
    "\n==============================================================================\n\n";

// A chunk closes at its row limit or at kChunkBytes of fields, whichever comes
// first. The rows of both rounds in flight stay within kRowsInFlight however
// many threads there are, and their output near kOutputInFlight: a JSON row
// with every member is some 70 KB, a CSV row well under one.
constexpr std::size_t kRowsInFlight = 256;
constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr std::size_t kOutputInFlight = 4 * 1024 * 1024;
constexpr std::size_t kFirstChunkRows = 4;  // until a round's output tells what a row writes

std::size_t ChunkRows(unsigned jobs) { return std::max<std::size_t>(1, kRowsInFlight / (2 * jobs)); }

// The rows a chunk may take when a row's output is `rowBytes`.
std::size_t ChunkRowsFor(unsigned jobs, std::size_t rowBytes) {
  return std::clamp<std::size_t>(kOutputInFlight / (2 * jobs) / std::max<std::size_t>(rowBytes, 1), 1, ChunkRows(jobs));
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == text.npos; }

bool IsHeader(std::string_view start) {
  constexpr std::string_view kStart = "name,";
  if (start.size() < kStart.size()) return false;
  for (std::size_t i = 0; i < kStart.size(); ++i)
    if ((start[i] | 0x20) != kStart[i]) return false;  // ASCII letters in either case
  return true;
}

// Rows copied out of the reader, to be cast on another thread, and what
// casting them wrote. Its storage is kept from chunk to chunk.
struct Chunk {
  struct Row {
    long long line;
    std::size_t firstField;
    std::size_t fieldCount;
    bool faulty;  // its one field is the reader's fault
  };
  std::string bytes;  // the rows' texts, or their fields one after another
  std::vector<std::pair<std::size_t, std::size_t>> fieldSpans;  // where each field starts and ends in `bytes`
  std::vector<Row> rows;

  std::string out;
  std::vector<std::string> errors;  // text only; for JSON and CSV they are in `out`
  bool anyChart = false;  // `out` then starts with a record separator (text only)
  bool anyFailed = false;

  void Clear() {
    bytes.clear();
    fieldSpans.clear();
    rows.clear();
  }
  bool Full(std::size_t rowLimit) const { return rows.size() >= rowLimit || bytes.size() >= kChunkBytes; }
  void AddField(std::string_view field) {
    fieldSpans.emplace_back(bytes.size(), bytes.size() + field.size());
    bytes += field;
  }
  std::string_view Field(std::size_t index) const {
    const auto [start, end] = fieldSpans[index];
    return std::string_view(bytes).substr(start, end - start);
  }
};

// A row without quotes is copied whole, its fields found in it; another field by field.
void CopyRow(const CsvReader& reader, Chunk& chunk) {
  const std::size_t first = chunk.fieldSpans.size();
  if (auto fault = reader.Fault()) {
    chunk.AddField(*fault);
    chunk.rows.push_back({reader.Line(), first, 1, true});
    return;
  }
  if (const auto text = reader.Text()) {
    const std::size_t base = chunk.bytes.size();
    chunk.bytes += *text;
    for (std::size_t i = 0; i < reader.size(); ++i) {
      const std::size_t start = base + static_cast<std::size_t>(reader[i].data() - text->data());
      chunk.fieldSpans.emplace_back(start, start + reader[i].size());
    }
  } else {
    for (std::size_t i = 0; i < reader.size(); ++i) chunk.AddField(reader[i]);
  }
  chunk.rows.push_back({reader.Line(), first, reader.size(), false});
}

// Casts the row into `birth` and `chart`, as far as `needs` asks, and
// analyses it into `chartAnalysis` when asked; on a fault says what is wrong.
std::optional<std::string> CastRow(const Chunk& chunk, const Chunk::Row& row, const CastOptions& options,
                                   const CastNeeds& needs, const analysis::Today& today,
                                   const analysis::ReadingChoices& reading, EnteredBirth& birth,
                                   Chart& chart, analysis::ChartAnalysis& chartAnalysis) {
  if (row.faulty) return std::string(chunk.Field(row.firstField));
  if (row.fieldCount < 5 || row.fieldCount > 8)
    return "expected 5 to 8 fields (name,date,time,zone,gender[,longitude[,place[,calendar]]]), found " +
           std::to_string(row.fieldCount);
  const auto field = [&](std::size_t i) { return chunk.Field(row.firstField + i); };
  BirthFields fields;
  fields.name = field(0);
  fields.date = field(1);
  fields.time = field(2);
  fields.zone = field(3);
  fields.gender = field(4);
  if (row.fieldCount >= 6 && !IsBlank(field(5))) fields.longitude = field(5);
  if (row.fieldCount == 8) fields.calendar = field(7);
  if (row.fieldCount >= 7 && !IsBlank(field(6))) {
    auto chosen = ChoosePlace(field(6));
    if (const auto* refusal = std::get_if<PlaceRefusal>(&chosen)) {
      std::string message = "place " + std::string(field(6)) + ": " + refusal->reason;
      for (std::size_t i = 0; i < refusal->candidates.size(); ++i)
        message += (i == 0 ? ": " : "; ") + refusal->candidates[i];
      return message;
    }
    fields.place = std::get<const place::Place*>(chosen);
    if (IsBlank(fields.zone)) {
      fields.zoneField = "place";
      fields.zoneFieldValue = field(6);
    }
  }
  if (auto error = BirthFromFields(fields, birth)) return DescribeFieldError(*error, "");
  birth.options = options;
  const CastError error = CastAsNeeded(BirthOf(birth), birth.options, needs, today, reading, chart, chartAnalysis);
  if (error != CastError::none) return std::string(DescribeCastError(error));
  return std::nullopt;
}

// One thread's tools for casting chunks, kept from chunk to chunk.
struct Caster {
  const CommandLine& line;
  const analysis::Today& today;
  CastOptions options;
  CastNeeds needs;
  EnteredBirth birth;
  BirthDetails details;
  Chart chart;
  analysis::ChartAnalysis chartAnalysis;
  JsonWriter json;
  CsvText csv;

  void Cast(Chunk& chunk) {
    chunk.out.clear();
    chunk.errors.clear();
    chunk.anyChart = chunk.anyFailed = false;
    for (const auto& row : chunk.rows) {
      const std::optional<std::string> fault = CastRow(chunk, row, options, needs, today, line.reading, birth, chart, chartAnalysis);
      if (fault) chunk.anyFailed = true;
      else if (needs.birthDetails) details = DetailsOf(birth);
      switch (line.format) {
        case OutputFormat::json:
          json.Clear();
          if (fault) WriteRowErrorJson(json, row.line, *fault);
          else WriteChartJson(json, details, chart, chartAnalysis, line.fields, WhereOf(birth));
          json.LineBreak();
          chunk.out += json.Text();
          break;
        case OutputFormat::csv:
          csv.Clear();
          if (fault) AppendBatchErrorCsv(csv, row.line, *fault, line.fields);
          else AppendBatchChartCsv(csv, row.line, details, chart, chartAnalysis, line.fields, WhereOf(birth));
          chunk.out += csv.Text();
          break;
        case OutputFormat::text:
          if (fault) {
            chunk.errors.push_back("line " + std::to_string(row.line) + ": " + *fault);
          } else {
            chunk.out += kRecordSeparator;
            AppendChartText(chunk.out, details, chart, chartAnalysis, WhereOf(birth));
            chunk.anyChart = true;
          }
          break;
      }
    }
  }
};

// Casts a round of chunks, one per thread, while the caller reads the next
// round and writes the last one. With one job there is no thread: a round is
// cast when it starts.
class CastingCrew {
 public:
  CastingCrew(const CommandLine& line, const analysis::Today& today, unsigned jobs)
      : start_(static_cast<std::ptrdiff_t>(jobs) + 1), done_(static_cast<std::ptrdiff_t>(jobs) + 1) {
    casters_.reserve(jobs);
    for (unsigned i = 0; i < jobs; ++i)
      casters_.push_back(Caster{line, today, line.OptionsOver({}), NeedsOf(line), {}, {}, {}, {}, {}, {}});
    if (jobs == 1) return;
    for (unsigned i = 0; i < jobs; ++i) threads_.emplace_back([this, i] { Work(i); });
  }
  ~CastingCrew() {
    if (threads_.empty()) return;
    round_ = nullptr;  // tells the threads to end
    start_.arrive_and_wait();
    for (auto& thread : threads_) thread.join();
  }

  // Starts casting the first `filled` chunks of `round`; each Start is followed by a Wait.
  void Start(std::vector<Chunk>& round, std::size_t filled) {
    round_ = &round;
    filled_ = filled;
    if (threads_.empty()) {
      if (filled > 0) casters_[0].Cast(round[0]);
      return;
    }
    start_.arrive_and_wait();
  }
  void Wait() {
    if (!threads_.empty()) done_.arrive_and_wait();
  }

 private:
  void Work(std::size_t index) {
    for (;;) {
      start_.arrive_and_wait();
      if (round_ == nullptr) return;
      if (index < filled_) casters_[index].Cast((*round_)[index]);
      done_.arrive_and_wait();
    }
  }

  std::vector<Caster> casters_;
  std::vector<std::jthread> threads_;
  std::barrier<> start_;
  std::barrier<> done_;
  std::vector<Chunk>* round_ = nullptr;  // written before the start barrier, read after it
  std::size_t filled_ = 0;
};

unsigned ThreadCount(unsigned asked) {
  if (asked > 0) return asked;
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

ExitStatus CastBatch(std::istream& in, const CommandLine& line, const analysis::Today& today, std::ostream& out,
                     std::ostream& err) {
  const unsigned jobs = ThreadCount(line.jobs);
  // Two rounds that take turns; the threads keep the address of the one they cast.
  std::array<std::vector<Chunk>, 2> rounds = {std::vector<Chunk>(jobs), std::vector<Chunk>(jobs)};
  std::size_t rowLimit = std::min(kFirstChunkRows, ChunkRows(jobs));
  std::size_t casting = 0;
  CastingCrew crew(line, today, jobs);
  CsvReader reader(in);
  bool firstRow = true, anyFailed = false, anyChartWritten = false;

  // Fills the chunks of `round` from the input; returns how many hold rows.
  const auto read = [&](std::vector<Chunk>& round) {
    std::size_t filled = 0;
    for (bool inputLeft = true; filled < round.size() && inputLeft;) {
      Chunk& chunk = round[filled];
      chunk.Clear();
      while (!chunk.Full(rowLimit) && (inputLeft = reader.Next())) {
        if (reader.IsBlank()) continue;
        const bool header = firstRow && IsHeader(reader.Start());
        firstRow = false;
        if (!header) CopyRow(reader, chunk);
      }
      if (!chunk.rows.empty()) ++filled;
    }
    return filled;
  };
  const auto write = [&](const std::vector<Chunk>& round, std::size_t filled) {
    std::size_t rows = 0, bytes = 0;
    for (std::size_t i = 0; i < filled && out; ++i) {
      const Chunk& chunk = round[i];
      rows += chunk.rows.size();
      bytes += chunk.out.size();
      std::string_view text = chunk.out;
      if (chunk.anyChart && !anyChartWritten) text.remove_prefix(kRecordSeparator.size());
      anyChartWritten = anyChartWritten || chunk.anyChart;
      out << text;
      for (const auto& message : chunk.errors) WriteErrorLine(err, message);
      anyFailed = anyFailed || chunk.anyFailed;
    }
    if (rows > 0) rowLimit = ChunkRowsFor(jobs, bytes / rows);
  };

  if (line.format == OutputFormat::csv) {
    CsvText header;
    AppendCsvHeader(header, line.fields, CsvFrame::batchRow);
    out << header.Text();
  }
  // The next round is read while this one is cast, and this one is written
  // while the next one is cast.
  std::size_t castingFilled = read(rounds[casting]);
  if (castingFilled > 0) crew.Start(rounds[casting], castingFilled);
  while (castingFilled > 0) {
    const std::size_t reading = 1 - casting;
    const std::size_t readingFilled = out ? read(rounds[reading]) : 0;
    crew.Wait();
    if (readingFilled > 0) crew.Start(rounds[reading], readingFilled);
    write(rounds[casting], castingFilled);
    casting = reading;
    castingFilled = readingFilled;
  }
  if (reader.ReadFailed()) {
    WriteErrorLine(err, "the batch could not be read after line " + std::to_string(reader.LinesRead()));
    return kBadInput;
  }
  return anyFailed ? kSomeRowsFailed : kDone;
}

}  // namespace tavrin::cast
