#include "tools/chart_json.h"

#include <array>
#include <charconv>

namespace tavrin::cast {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// Characters JSON does not allow raw inside a string: controls, quote, backslash.
constexpr std::array<bool, 256> kNeedsEscape = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 0x20; ++c) table[c] = true;
  table['"'] = table['\\'] = true;
  return table;
}();

void AppendEscape(std::string& out, unsigned char c) {
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default:
      out += "\\u00";
      out += kHexDigits[c >> 4];
      out += kHexDigits[c & 0xF];
  }
}

void AppendString(std::string& out, std::string_view text) {
  out += '"';
  std::size_t run = 0;  // start of the characters not written yet
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!kNeedsEscape[c]) continue;
    out.append(text, run, i - run);
    AppendEscape(out, c);
    run = i + 1;
  }
  out.append(text, run);
  out += '"';
}

template <typename Number>
void AppendNumber(std::string& out, Number value) {
  char buffer[32];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void AppendKey(std::string& out, std::string_view key) {
  out += '"';
  out += key;
  out += "\":";
}

template <typename Number>
void AppendNumberMember(std::string& out, std::string_view key, Number value) {
  AppendKey(out, key);
  AppendNumber(out, value);
  out += ',';
}

void AppendStringMember(std::string& out, std::string_view key, std::string_view value) {
  AppendKey(out, key);
  AppendString(out, value);
  out += ',';
}

template <typename Texts>
void AppendStringArray(std::string& out, std::string_view key, const Texts& texts) {
  AppendKey(out, key);
  out += '[';
  for (const auto& text : texts) {
    AppendString(out, text);
    out += ',';
  }
  out.back() = ']';
  out += ',';
}

void AppendBirth(std::string& out, const BirthDetails& birth) {
  AppendKey(out, "birth");
  out += '{';
  AppendNumberMember(out, "year", birth.BirthYear);
  AppendNumberMember(out, "month", birth.BirthMonth);
  AppendStringMember(out, "monthName", birth.MonthName);
  AppendNumberMember(out, "day", birth.BirthDay);
  AppendNumberMember(out, "hour", birth.BirthHour);
  AppendNumberMember(out, "minute", birth.BirthMinute);
  AppendNumberMember(out, "second", birth.BirthSecond);
  AppendStringMember(out, "zoneOffset", birth.ZoneOffset);
  AppendNumberMember(out, "longitude", birth.Longitude);
  AppendStringMember(out, "gender", birth.GenderText);
  AppendNumberMember(out, "genderSign", birth.GenderSign);
  out.back() = '}';
  out += ',';
}

void AppendLuckPeriods(std::string& out, const LuckPeriods& periods) {
  AppendKey(out, "luckPeriods");
  out += '[';
  for (const auto& period : periods) {
    out += '{';
    AppendNumberMember(out, "age", period.age);
    AppendStringMember(out, "stem", period.stem);
    AppendStringMember(out, "branch", period.branch);
    out.back() = '}';
    out += ',';
  }
  out.back() = ']';
  out += ',';
}

void AppendInterpretation(std::string& out, const std::array<std::string, 4>& boxes) {
  static constexpr std::string_view kKeys[4] = {"year", "month", "day", "hour"};
  AppendKey(out, "interpretation");
  out += '{';
  for (int block = 0; block < 4; ++block) AppendStringMember(out, kKeys[block], boxes[block]);
  out.back() = '}';
}

}  // namespace

void AppendChartJson(std::string& out, const BirthDetails& birth, const Chart& chart) {
  out += '{';
  AppendStringMember(out, "name", birth.Name);
  AppendBirth(out, birth);
  AppendNumberMember(out, "localHours", chart.localHours);
  AppendNumberMember(out, "julianDay0", chart.julianDay0);
  AppendNumberMember(out, "dayMoment", chart.dayMoment);
  AppendNumberMember(out, "sunMoment", chart.sunMoment);
  AppendNumberMember(out, "solarLongitude", chart.solarLongitude);
  AppendStringArray(out, "pillarCells", chart.pillarCells);
  AppendNumberMember(out, "luckDirection", chart.luckDirection);
  AppendNumberMember(out, "luckStartAge", chart.luckStartAge);
  AppendLuckPeriods(out, chart.luckPeriods);
  AppendStringArray(out, "luckCaptions", chart.luckCaptions);
  AppendInterpretation(out, chart.interpretation);
  out += '}';
}

void AppendRowErrorJson(std::string& out, long long line, std::string_view message) {
  out += '{';
  AppendNumberMember(out, "line", line);
  AppendKey(out, "error");
  AppendString(out, message);
  out += '}';
}

}  // namespace tavrin::cast
