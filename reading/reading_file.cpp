#include "reading/reading_file.h"

#include <streambuf>
#include <string_view>

#include "shell/text_codec.h"

namespace tavrin {
namespace {

void AppendLine(std::string& out, std::string_view utf8) {
  out += EncodeText(ToAnsi(utf8));
  out += "\r\n";
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

std::string ComposeReading(const Reading& reading) {
  std::string out;
  for (std::size_t line = 0; line < reading.lineCount; ++line) AppendLine(out, reading.text[line]);
  return out;
}

Reading ReadReading(std::istream& in) {
  Reading reading;
  if (!in || in.rdbuf() == nullptr) return reading;
  BudgetedSource source(*in.rdbuf());
  std::string line;
  while (reading.lineCount < kReadingLineCount) {
    int byte = source.Next();
    if (byte == BudgetedSource::kEnd) break;
    line.clear();
    while (byte != BudgetedSource::kEnd && byte != '\r' && byte != '\n') {
      if (line.size() < kReadingLineLimit) line += static_cast<char>(byte);
      byte = source.Next();
    }
    if (byte == '\r') source.Skip('\n');
    reading.text[reading.lineCount++] = FromAnsi(DecodeText(line));
  }
  return reading;
}

}  // namespace tavrin
