#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::cast {

// Reads CSV rows from a stream one at a time, as they arrive. A field may be
// quoted ("Smith, Jo", with "" standing for one quote); spaces around the
// quotes are ignored, and a quoted field may hold line breaks, so a row may
// span lines (up to the row limit below). A byte order
// mark at the start is skipped, and a CR before the line break that ends a
// row is dropped.
//
// A row is at most kLongestRow bytes: a longer one is handed out with a fault
// as soon as it passes the limit, and the next call skips to the next line
// break without keeping anything, so memory stays the same however long the
// input or its lines, and a quote left open costs only the row it opened.
// The field storage is kept from row to row, so a long file allocates nothing.
class CsvReader {
 public:
  static constexpr std::size_t kLongestRow = 64 * 1024;

  explicit CsvReader(std::istream& in) : in_(in) {}

  // Reads the next row; false when the input has ended or cannot be read.
  bool Next();

  long long Line() const { return firstLine_; }  // where the row starts, counted from 1
  long long LinesRead() const { return lineBreaks_; }
  bool ReadFailed() const { return readFailed_; }

  // Why the row cannot be split into fields; its fields are not to be used then.
  std::optional<std::string_view> Fault() const { return fault_; }
  bool IsBlank() const { return blank_; }               // nothing but spaces and tabs
  std::string_view Start() const { return start_; }     // the row's first bytes as written
  std::size_t size() const { return count_; }
  std::string_view operator[](std::size_t index) const { return views_[index]; }
  // The row's text when its fields are that text cut at its commas (a row
  // with no quote); they are then views into it. Both last until Next.
  std::optional<std::string_view> Text() const { return text_; }

 private:
  enum class State { fieldStart, unquoted, quoted, quoteInQuoted, afterQuote, rowEnd };

  bool ReadRow();
  bool TakeRowWithoutQuotes();  // when the whole row is in the input read so far
  bool Refill();  // false at the end of the input
  void SkipByteOrderMark();
  void SkipRestOfRow();
  void BeginRow();
  void TakeRun();     // the bytes up to the next one that may change the state, all at once
  void Feed(char c);  // one byte of the input: line breaks end the row or go into a quoted field
  void Take(char c);  // one byte of the row's text
  void EndRow();
  void Append(std::string_view text);
  void StartField();  // after a comma
  void NewField();
  void Fail(std::string_view fault);

  static constexpr std::size_t kChunk = 16 * 1024;

  std::istream& in_;
  std::vector<char> chunk_ = std::vector<char>(kChunk + 3);  // room to put back a byte order mark that was not one
  const char* next_ = nullptr;
  const char* end_ = nullptr;
  bool started_ = false;
  bool readFailed_ = false;

  State state_ = State::rowEnd;
  std::vector<std::string> fields_;  // of a row read byte by byte
  std::vector<std::string_view> views_;
  std::optional<std::string_view> text_;
  std::size_t count_ = 0;
  std::size_t leadingSpaces_ = 0;  // spaces before a field's first byte, dropped when a quote follows
  std::string start_;
  std::optional<std::string_view> fault_;
  std::size_t rowBytes_ = 0;
  long long firstLine_ = 0;
  long long lineBreaks_ = 0;
  bool blank_ = true;
  bool pendingCarriageReturn_ = false;  // a CR that is dropped if a line break follows
  bool skipping_ = false;               // the row handed out last passed the limit and is not over yet
};

}  // namespace tavrin::cast
