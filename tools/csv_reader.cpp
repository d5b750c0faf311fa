#include "tools/csv_reader.h"

#include <ios>

namespace tavrin::cast {
namespace {

constexpr int kEnd = -1;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kStartBytes = 8;
constexpr std::string_view kTooLong = "the row is longer than 65536 bytes";
static_assert(CsvReader::kLongestRow == 65536, "kTooLong names the limit");

}  // namespace

int CsvReader::Get() {
  if (replayAt_ < replay_.size()) return static_cast<unsigned char>(replay_[replayAt_++]);
  if (readFailed_) return kEnd;
  try {
    const auto c = in_.rdbuf()->sbumpc();
    return c == std::char_traits<char>::eof() ? kEnd : c;
  } catch (const std::ios_base::failure&) {  // a file buffer reports a failed read by throwing
    readFailed_ = true;
    return kEnd;
  }
}

void CsvReader::SkipByteOrderMark() {
  std::string taken;
  for (const char expected : kByteOrderMark) {
    const int c = Get();
    if (c == kEnd) break;
    taken += static_cast<char>(c);
    if (taken.back() != expected) break;
  }
  if (taken != kByteOrderMark) replay_ = std::move(taken);
}

bool CsvReader::Next() {
  if (!started_) {
    started_ = true;
    SkipByteOrderMark();
  }
  if (skipping_) SkipRestOfRow();
  BeginRow();
  bool any = false;
  for (int c; (c = Get()) != kEnd;) {
    any = true;
    Feed(static_cast<char>(c));
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

void CsvReader::SkipRestOfRow() {
  skipping_ = false;
  for (int c; state_ != State::rowEnd && (c = Get()) != kEnd;) Feed(static_cast<char>(c));
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
      if (c == ',') {
        NewField();
        state_ = State::fieldStart;
      } else {
        Append({&c, 1});
      }
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
        NewField();
        state_ = State::fieldStart;
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

void CsvReader::NewField() {
  if (fault_) return;
  if (count_ == fields_.size()) fields_.emplace_back();
  fields_[count_++].clear();
}

void CsvReader::Fail(std::string_view fault) {
  if (!fault_) fault_ = fault;
}

}  // namespace tavrin::cast
