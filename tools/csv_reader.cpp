#include "tools/csv_reader.h"

#include <algorithm>
#include <cstring>
#include <ios>
#include <limits>

namespace tavrin::cast {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kStartBytes = 8;
constexpr std::string_view kTooLong = "the row is longer than 65536 bytes";
static_assert(CsvReader::kLongestRow == 65536, "kTooLong names the limit");

}  // namespace

// Takes what the stream holds without waiting, or waits for one byte, so each
// row is cast as soon as it has come in.
bool CsvReader::Refill() {
  if (readFailed_) return false;
  try {
    std::streambuf& stream = *in_.rdbuf();
    const std::streamsize available = stream.in_avail();
    std::streamsize count = 0;
    if (available > 0) {
      count = stream.sgetn(chunk_.data(), std::min(available, static_cast<std::streamsize>(kChunk)));
    } else if (const auto c = stream.sbumpc(); c != std::char_traits<char>::eof()) {
      chunk_[0] = static_cast<char>(c);
      count = 1;
    }
    next_ = chunk_.data();
    end_ = next_ + count;
    return count > 0;
  } catch (const std::ios_base::failure&) {  // a file buffer reports a failed read by throwing
    readFailed_ = true;
    return false;
  }
}

void CsvReader::SkipByteOrderMark() {
  std::string taken;
  for (const char expected : kByteOrderMark) {
    if (next_ == end_ && !Refill()) break;
    taken += *next_++;
    if (taken.back() != expected) break;
  }
  if (taken.empty() || taken == kByteOrderMark) return;
  // Put the bytes back in front of the rest.
  const auto rest = static_cast<std::size_t>(end_ - next_);
  std::memmove(chunk_.data() + taken.size(), next_, rest);
  std::memcpy(chunk_.data(), taken.data(), taken.size());
  next_ = chunk_.data();
  end_ = next_ + taken.size() + rest;
}

bool CsvReader::Next() {
  if (!started_) {
    started_ = true;
    SkipByteOrderMark();
  }
  if (skipping_) SkipRestOfRow();
  text_.reset();
  if (TakeRowWithoutQuotes()) return true;
  if (!ReadRow()) return false;
  if (views_.size() < count_) views_.resize(count_);
  if (!fault_) std::copy(fields_.begin(), fields_.begin() + static_cast<std::ptrdiff_t>(count_), views_.begin());
  return true;
}

// A row with no quote that ends in the input read so far: its fields are its
// text between the commas, as reading it byte by byte would give them, and are
// handed out where they lie. A CR before the line break is dropped as there.
bool CsvReader::TakeRowWithoutQuotes() {
  if (pendingCarriageReturn_) return false;
  const std::size_t reach = std::min(static_cast<std::size_t>(end_ - next_), kLongestRow + 2);
  const char* lineBreak = static_cast<const char*>(std::memchr(next_, '\n', reach));
  if (lineBreak == nullptr) return false;
  std::string_view row(next_, static_cast<std::size_t>(lineBreak - next_));
  if (std::memchr(row.data(), '"', row.size()) != nullptr) return false;
  if (row.ends_with('\r')) row.remove_suffix(1);
  if (row.size() > kLongestRow) return false;  // read byte by byte, it is reported
  next_ = lineBreak + 1;
  firstLine_ = ++lineBreaks_;
  fault_.reset();
  state_ = State::rowEnd;
  blank_ = row.find_first_not_of(" \t") == row.npos;
  start_.assign(row.substr(0, kStartBytes));
  text_ = row;
  count_ = 0;
  for (std::size_t start = 0;;) {
    const std::size_t comma = std::min(row.find(',', start), row.size());
    if (count_ == views_.size()) views_.emplace_back();
    views_[count_++] = row.substr(start, comma - start);
    if (comma == row.size()) return true;
    start = comma + 1;
  }
}

bool CsvReader::ReadRow() {
  BeginRow();
  bool any = false;
  while (next_ < end_ || Refill()) {
    any = true;
    TakeRun();
    if (next_ < end_ && rowBytes_ <= kLongestRow) Feed(*next_++);
    if (state_ == State::rowEnd) return true;
    if (rowBytes_ > kLongestRow) {
      Fail(kTooLong);
      skipping_ = true;
      return true;
    }
  }
  if (!any) return false;
  pendingCarriageReturn_ = false;  // a CR at the very end goes like one before a line break
  EndRow();
  return true;
}

// A row that ran past the limit ends at the next line break, inside quotes or
// not: a quote left open then costs that one row, not the rest of the input.
void CsvReader::SkipRestOfRow() {
  skipping_ = false;
  while (next_ < end_ || Refill()) {
    const char* lineBreak = static_cast<const char*>(std::memchr(next_, '\n', static_cast<std::size_t>(end_ - next_)));
    if (lineBreak != nullptr) {
      next_ = lineBreak + 1;
      ++lineBreaks_;
      break;
    }
    next_ = end_;
  }
  pendingCarriageReturn_ = false;
  state_ = State::rowEnd;
}

void CsvReader::BeginRow() {
  state_ = State::fieldStart;
  fault_.reset();
  count_ = 0;
  NewField();
  leadingSpaces_ = 0;
  start_.clear();
  rowBytes_ = 0;
  firstLine_ = lineBreaks_ + 1;
  blank_ = true;
}

void CsvReader::TakeRun() {
  if (pendingCarriageReturn_ || (state_ != State::unquoted && state_ != State::quoted)) return;
  // A row with a fault keeps none of its text, so its run may go past the limit.
  const std::size_t room = fault_ ? std::numeric_limits<std::size_t>::max() : kLongestRow + 1 - rowBytes_;
  const char* stop = next_ + std::min(static_cast<std::size_t>(end_ - next_), room);
  const char* run = next_;
  if (state_ == State::quoted) {
    while (run < stop && *run != '"' && *run != '\n') ++run;
  } else {
    while (run < stop && *run != ',' && *run != '\n' && *run != '\r') ++run;
  }
  const std::string_view text(next_, static_cast<std::size_t>(run - next_));
  next_ = run;
  rowBytes_ += text.size();
  if (blank_) blank_ = text.find_first_not_of(" \t") == text.npos;
  if (start_.size() < kStartBytes) start_ += text.substr(0, kStartBytes - start_.size());
  Append(text);
}

void CsvReader::Feed(char c) {
  if (pendingCarriageReturn_) {
    pendingCarriageReturn_ = false;
    if (c == '\n') {
      ++lineBreaks_;
      EndRow();
      return;
    }
    Take('\r');
  }
  if (c == '\n') {
    ++lineBreaks_;
    if (state_ == State::quoted) Take(c);
    else EndRow();
  } else if (c == '\r' && state_ != State::quoted) {
    pendingCarriageReturn_ = true;
  } else {
    Take(c);
  }
}

void CsvReader::Take(char c) {
  ++rowBytes_;
  if (c != ' ' && c != '\t') blank_ = false;
  if (start_.size() < kStartBytes) start_ += c;
  switch (state_) {
    case State::fieldStart:
      if (c == ' ') {
        ++leadingSpaces_;
        return;
      }
      if (c == '"') {
        leadingSpaces_ = 0;
        state_ = State::quoted;
        return;
      }
      Append(std::string(leadingSpaces_, ' '));
      leadingSpaces_ = 0;
      state_ = State::unquoted;
      [[fallthrough]];
    case State::unquoted:
      if (c == ',') StartField();
      else Append({&c, 1});
      return;
    case State::quoted:
      if (c == '"') state_ = State::quoteInQuoted;
      else Append({&c, 1});
      return;
    case State::quoteInQuoted:
      if (c == '"') {  // "" inside quotes is one quote
        Append({&c, 1});
        state_ = State::quoted;
        return;
      }
      state_ = State::afterQuote;
      [[fallthrough]];
    case State::afterQuote:
      if (c == ',') {
        StartField();
      } else if (c != ' ') {
        Fail("text after the closing quote of a field");
        state_ = State::unquoted;  // up to the next comma, all of it belongs to the broken field
      }
      return;
    case State::rowEnd:
      return;
  }
}

void CsvReader::EndRow() {
  if (state_ == State::quoted) Fail("a quoted field has no closing quote");
  if (state_ == State::fieldStart) Append(std::string(leadingSpaces_, ' '));
  state_ = State::rowEnd;
}

// A row with a fault keeps no more of its text, so a long broken row costs nothing.
void CsvReader::Append(std::string_view text) {
  if (!fault_) fields_[count_ - 1] += text;
}

void CsvReader::StartField() {
  NewField();
  state_ = State::fieldStart;
}

void CsvReader::NewField() {
  if (fault_) return;
  if (count_ == fields_.size()) fields_.emplace_back();
  fields_[count_++].clear();
}

void CsvReader::Fail(std::string_view fault) {
  if (!fault_) fault_ = fault;
}

}  // namespace tavrin::cast
