// Feeds arbitrary bytes to the reading-file reader, the opening rules and the
// text codec, and stops with a report when one of their promises breaks.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "birth/gender.h"
#include "reading/name_choice.h"
#include "birth/zone.h"
#include "reading/cast_choices.h"
#include "reading/reading_file.h"
#include "reading/reading_lines.h"
#include "text/text_codec.h"
#include "tests/endless_bytes.h"

namespace {

using namespace tavrin;
using tavrin::testing::EndlessBytes;

void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

std::string WithoutCodesAbove(std::string_view bytes, int highest) {
  std::string out;
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) <= highest) out += c;
  return out;
}

void CheckCodec(std::string_view bytes) {
  const std::string encoded = EncodeText(bytes);
  Require(encoded.find_first_of("\r\n") == std::string::npos, "encoded text holds no line break");
  Require(DecodeText(encoded) == WithoutCodesAbove(bytes, 255 - kCodecOffset),
          "decoding gives back every code the encoding kept");
  Require(ToAnsi(FromAnsi(bytes)) == bytes, "Windows-1252 survives a trip through UTF-8");
  Require(ToAnsi(bytes).size() <= bytes.size(), "UTF-8 never becomes longer as Windows-1252");
}

void CheckOpeningRules(const Reading& reading) {
  Require(reading.lineCount <= kReadingLineCount, "at most ten lines are read");
  for (std::size_t i = 0; i < kReadingLineCount; ++i) {
    Require(ToAnsi(reading.text[i]).size() <= kReadingLineLimit, "a line keeps at most the line limit");
    Require(i < reading.lineCount || reading.text[i].empty(), "missing lines are empty");
  }
  Require(reading.choices.size() <= kReadingChoiceLimit, "at most the choice limit of choices are read");
  Require(reading.choices.empty() || reading.lineCount == kReadingLineCount, "choices follow all ten lines");
  for (const auto& [key, value] : reading.choices)
    Require(!key.empty() && key.find('=') == std::string::npos, "a choice's key is text before the first =");
  const auto choices = CastChoicesOf(reading);
  if (const auto* options = std::get_if<CastOptions>(&choices)) {
    Require(ProblemWith(*options).empty(), "the casting choices a file gives go together");
    Reading saved;
    SetCastChoices(saved, *options);
    const auto again = CastChoicesOf(saved);
    Require(std::holds_alternative<CastOptions>(again) && std::get<CastOptions>(again) == *options,
            "the casting choices come back as they are saved");
  }
  if (const auto minute = MinuteFromLine(reading[ReadingLine::minute])) Require(*minute >= 0 && *minute <= 59, "minute in 0..59");
  if (const auto zone = ZoneFromLine(reading[ReadingLine::zone])) {
    const ZoneCaptions captions = ZoneCaptionsFor(*zone);
    const int hours = std::stoi(captions.hours);
    const int minutes = std::stoi(captions.minutes);
    Require(std::abs(minutes) < 60 && (hours == 0 || minutes == 0 || (hours < 0) == (minutes < 0)),
            "zone minutes are below an hour and share the hours' sign");
    Require(std::abs(-(hours + minutes / 60.0) - *zone) <= 1.0 / 120 + 1e-9, "zone captions within half a minute");
  }
  if (const auto degrees = LongitudeFromLine(reading[ReadingLine::longitude])) Require(std::abs(*degrees) <= 180, "longitude in range");
}

// The bytes also serve as a name, a zone text and (when there are eight of
// them) a longitude: what is saved must come back as the opening rules read it.
void CheckRoundTrip(std::string_view bytes) {
  BirthDetails person{std::string(bytes), 1984, "February", 2, 10, 10, 30, 0, std::string(bytes), 0, "Male", 1};
  std::optional<double> longitude;
  if (bytes.size() >= sizeof(double)) {
    double degrees = 0;
    std::memcpy(&degrees, bytes.data(), sizeof degrees);
    if (std::abs(degrees) <= 180) longitude = degrees;
  }
  std::istringstream file(ComposeReading(ReadingOf(person, longitude)));
  const Reading reading = ReadReading(file);
  // A name the code page cannot carry is kept whole in a choice line, after all ten lines.
  const std::optional<std::string> nameLine = NameChoiceFor(bytes);
  Require(reading.lineCount == (longitude || nameLine ? 10u : 9u),
          "a saved reading has nine lines, ten with a longitude or a name line");
  const std::string kept = FromAnsi(WithoutCodesAbove(ToAnsi(bytes), 255 - kCodecOffset));
  if (ToAnsi(bytes).size() <= kReadingLineLimit) {
    std::string whole;
    Require(!nameLine || !DecodeNameChoice(*nameLine, whole), "a name line decodes");
    Require(reading[ReadingLine::name] == (nameLine ? whole : kept),
            "the name comes back whole from its name line, or less what the codec cannot carry");
    Require(reading[ReadingLine::zone] == kept, "the zone text comes back less what the codec cannot carry");
  }
  Require(reading[ReadingLine::minute] == "30" && MinuteFromLine(reading[ReadingLine::minute]) == 30, "the minute comes back");
  Require(IsMaleText(reading[ReadingLine::gender]), "the gender comes back");
  if (longitude) {
    const auto restored = LongitudeFromLine(reading[ReadingLine::longitude]);
    Require(restored && *restored == *longitude, "an entered longitude comes back exactly");
  }
}

void CheckEndlessStream(std::string_view pattern) {
  EndlessBytes bytes(pattern);
  std::istream in(&bytes);
  CheckOpeningRules(ReadReading(in));
  Require(bytes.Taken() <= kReadingByteBudget, "the reader takes no more than its byte budget");
}

}  // namespace

// An input that starts with the byte 0xFF is repeated without end; any other
// input is a reading file and a field text of its own.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (size > 1 && data[0] == 0xFF) {
    CheckEndlessStream(bytes.substr(1));
    return 0;
  }
  std::istringstream file{std::string(bytes)};
  CheckOpeningRules(ReadReading(file));
  CheckCodec(bytes);
  CheckRoundTrip(bytes);
  return 0;
}
