#include "reading/reading_file.h"

#include <streambuf>
#include <string_view>
#include <utility>

#include "reading/name_choice.h"
#include "text/text_codec.h"

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
  const std::size_t lines = reading.choices.empty() ? reading.lineCount : kReadingLineCount;
  for (std::size_t line = 0; line < lines; ++line) AppendLine(out, reading.text[line]);
  for (const auto& [key, value] : reading.choices) AppendLine(out, key + "=" + value);
  return out;
}

Reading ReadReading(std::istream& in) {
  Reading reading;
  if (!in || in.rdbuf() == nullptr) return reading;
  BudgetedSource source(*in.rdbuf());
  std::string line;
  for (std::size_t read = 0; read < kReadingLinesRead; ++read) {
    int byte = source.Next();
    if (byte == BudgetedSource::kEnd) break;
    line.clear();
    bool cut = false;
    while (byte != BudgetedSource::kEnd && byte != '\r' && byte != '\n') {
      if (line.size() < kReadingLineLimit) line += static_cast<char>(byte);
      else cut = true;
      byte = source.Next();
    }
    if (byte == '\r') source.Skip('\n');
    std::string text = FromAnsi(DecodeText(line));
    if (read < kReadingLineCount) {
      reading.text[reading.lineCount++] = std::move(text);
    } else if (const auto equals = text.find('='); !cut && equals != std::string::npos && equals > 0) {
      // A repeated choice is kept too, for CastChoicesOf to refuse.
      reading.choices.emplace_back(text.substr(0, equals), text.substr(equals + 1));
    }
  }
  // The name line gives the name in full, where the first line has lost characters.
  std::string name;
  if (const auto saved = reading.Choice(kNameKey); saved && !DecodeNameChoice(*saved, name))
    reading.text[static_cast<std::size_t>(ReadingLine::name)] = std::move(name);
  return reading;
}

}  // namespace tavrin
