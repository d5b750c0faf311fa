#include "chart/reading_file.h"

#include <charconv>
#include <streambuf>
#include <string_view>

#include "shell/text_codec.h"

namespace tavrin {
namespace {

void AppendLine(std::string& out, std::string_view utf8) {
  out += EncodeText(ToAnsi(utf8));
  out += "\r\n";
}

// Shortest fixed-point text that reads back as the same degrees; fixed, not
// scientific, so a tiny value is still a plain decimal ("0.00001").
std::string LongitudeText(double degrees) {
  if (degrees == 0) degrees = 0;  // -0 is written as 0
  char buffer[512];               // room for any double in fixed notation
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, degrees, std::chars_format::fixed).ptr;
  return std::string(buffer, end);
}

// Hands out the bytes of a stream until the reader's budget is spent.
class BudgetedSource {
 public:
  explicit BudgetedSource(std::streambuf& source) : source_(source) {}

  static constexpr int kEnd = std::char_traits<char>::eof();

  int Next() {
    if (remaining_ == 0) return kEnd;
    const int byte = source_.sbumpc();
    if (byte == kEnd) {
      remaining_ = 0;
    } else {
      --remaining_;
    }
    return byte;
  }

  // Takes the next byte only when it is `byte`.
  void Skip(char byte) {
    if (remaining_ > 0 && source_.sgetc() == std::char_traits<char>::to_int_type(byte)) Next();
  }

 private:
  std::streambuf& source_;
  std::size_t remaining_ = kReadingByteBudget;
};

}  // namespace

std::string ComposeReading(const BirthDetails& details, std::optional<double> enteredLongitude) {
  std::string out;
  AppendLine(out, details.Name);
  AppendLine(out, std::to_string(details.BirthYear));
  AppendLine(out, details.MonthName);
  AppendLine(out, std::to_string(details.BirthDay));
  AppendLine(out, std::to_string(details.BirthHour));
  AppendLine(out, std::to_string(details.BirthMinute));
  AppendLine(out, std::to_string(details.BirthSecond));
  AppendLine(out, details.ZoneOffset);
  AppendLine(out, details.GenderText);
  if (enteredLongitude) AppendLine(out, LongitudeText(*enteredLongitude));
  return out;
}

ReadingSlots ReadReading(std::istream& in) {
  ReadingSlots slots;
  if (!in || in.rdbuf() == nullptr) return slots;
  BudgetedSource source(*in.rdbuf());
  std::string line;
  while (slots.linesRead < kReadingSlotCount) {
    int byte = source.Next();
    if (byte == BudgetedSource::kEnd) break;
    line.clear();
    while (byte != BudgetedSource::kEnd && byte != '\r' && byte != '\n') {
      if (line.size() < kReadingLineLimit) line += static_cast<char>(byte);
      byte = source.Next();
    }
    if (byte == '\r') source.Skip('\n');
    slots.text[slots.linesRead++] = FromAnsi(DecodeText(line));
  }
  return slots;
}

}  // namespace tavrin
