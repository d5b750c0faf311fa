#include "tools/analysis_text.h"

#include <string_view>
#include <vector>

#include "engine/number_text.h"
#include "tools/analysis_json.h"

namespace tavrin::cast {
namespace {

using analysis::BranchSymbols;
using analysis::ElementNames;
using analysis::StemSymbols;
using analysis::Term;

constexpr std::string_view kPillarNames[4] = {"Year", "Month", "Day", "Hour"};

// Terminal columns of UTF-8 text: CJK characters take two, others one.
std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    // U+2E80 to U+9FFF are E2 BA 80 to E9 BF BF.
    const bool wide = length == 3 && (lead > 0xE2 || (lead == 0xE2 && static_cast<unsigned char>(text[i + 1]) >= 0xBA));
    width += wide ? 2 : 1;
    i += length;
  }
  return width;
}

class Row {
 public:
  explicit Row(std::string& out) : out_(out) {}
  // Adds `text` and pads it to `width` columns (at least one space follows a cell that fills it).
  Row& Cell(std::string_view text, std::size_t width) {
    out_ += text;
    const std::size_t used = DisplayWidth(text);
    out_.append(used < width ? width - used : 1, ' ');
    return *this;
  }
  Row& Cell(std::initializer_list<std::string_view> parts, std::size_t width) {
    std::string text;
    for (auto part : parts) {
      if (part.empty()) continue;
      if (!text.empty()) text += ' ';
      text += part;
    }
    return Cell(text, width);
  }
  void End() {
    while (!out_.empty() && out_.back() == ' ') out_.pop_back();
    out_ += '\n';
  }

 private:
  std::string& out_;
};

std::string_view ElementOf(analysis::Element element) { return ElementNames[static_cast<int>(element)].english; }

void AppendPillarTable(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  Row(out).Cell("Pillar", 8).Cell("Stem", 14).Cell("Ten god", 24).Cell("Branch", 14).Cell("Life stage", 18).End();
  for (int block = 0; block < 4; ++block) {
    const auto& pillar = chartAnalysis.pillars[block];
    const auto& stem = StemSymbols[pillar.stem.stem];
    const auto& branch = BranchSymbols[pillar.branch];
    Row(out)
        .Cell(kPillarNames[block], 8)
        .Cell({stem.hanzi, stem.pinyin, ElementOf(stem.element)}, 14)
        .Cell({pillar.stem.tenGod.hanzi, pillar.stem.tenGod.english}, 24)
        .Cell({branch.hanzi, branch.pinyin, ElementOf(branch.element)}, 14)
        .Cell({pillar.lifeStage.hanzi, pillar.lifeStage.english}, 18)
        .End();
  }
  out += '\n';
  Row(out).Cell("Pillar", 8).Cell("Na yin", 40).Cell("Hidden stems and their ten gods", 0).End();
  for (int block = 0; block < 4; ++block) {
    const auto& pillar = chartAnalysis.pillars[block];
    Row row(out);
    row.Cell(kPillarNames[block], 8).Cell({pillar.naYin.hanzi, pillar.naYin.english}, 40);
    for (int i = 0; i < pillar.hiddenCount; ++i) {
      const auto& hidden = pillar.hidden[i];
      if (i > 0) {
        row.End();
        row.Cell("", 48);
      }
      row.Cell({StemSymbols[hidden.stem].hanzi, hidden.tenGod.hanzi, hidden.tenGod.english}, 0);
    }
    row.End();
  }
}

void AppendElements(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  Row header(out);
  header.Cell("Elements", 20);
  for (const auto& element : ElementNames) header.Cell({element.hanzi, element.english}, 10);
  header.End();
  const auto counts = [&](std::string_view label, const auto& values) {
    Row row(out);
    row.Cell(label, 20);
    for (int value : values) row.Cell(std::to_string(value), 10);
    row.End();
  };
  counts("Eight characters", chartAnalysis.elements.eightCharacters);
  counts("With hidden stems", chartAnalysis.elements.withHiddenStems);
}

std::string PairText(int stem, int branch) {
  return std::string(StemSymbols[stem].hanzi) + std::string(BranchSymbols[branch].hanzi);
}

// "year, day" for the pillars with a bit set in `pillars`.
std::string PillarList(unsigned pillars) {
  std::string text;
  for (int p = 0; p < 4; ++p)
    if (pillars >> p & 1) text += (text.empty() ? "" : ", ") + std::string(kPillarNames[p]);
  return text.empty() ? "none" : text;
}

constexpr std::size_t kLineWidth = 80;

// "stars 桃花 红鸾; with the chart 子午冲 (Day), 卯午破 (Year)": what a luck or
// annual pillar brings to the chart, in characters, after `lead` on the
// row, its further lines indented as far as `lead` is wide.
void AppendReading(std::string& out, const analysis::ChartAnalysis& chartAnalysis, int stem, int branch,
                   const std::string& lead) {
  const analysis::OtherPillarReading reading = chartAnalysis.ReadAgainstChart({stem, branch});
  std::vector<std::string> words = {"stars"};
  for (int star = 0; star < analysis::kStarCount; ++star)
    if (reading.stars >> star & 1) words.emplace_back(analysis::StarTable[star].name.hanzi);
  if (words.size() == 1) words.emplace_back("none");
  words.back() += ';';
  words.emplace_back("with the chart");
  for (const analysis::Interaction& found : reading.interactions.All())
    words.push_back(std::string(found.Rule().hanzi) + " (" + PillarList(found.pillars) + "),");
  if (reading.interactions.count == 0) words.emplace_back("none");
  else words.back().pop_back();

  const std::size_t indent = DisplayWidth(lead);
  out += lead;
  std::size_t used = indent;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::size_t width = DisplayWidth(words[i]);
    if (i > 0 && used + 1 + width > kLineWidth) {
      out += '\n';
      out.append(indent, ' ');
      used = indent;
    } else if (i > 0) {
      out += ' ';
      ++used;
    }
    out += words[i];
    used += width;
  }
  out += '\n';
}

void AppendLuckYears(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  Row(out).Cell("Luck periods by year", 0).End();
  Row(out).Cell("  No", 6).Cell("From age", 10).Cell("Years", 12).Cell("Pillar", 0).End();
  for (std::size_t i = 0; i < chartAnalysis.luckYears.size(); ++i) {
    const auto& period = chartAnalysis.luckYears[i];
    const bool current = chartAnalysis.currentLuckPeriod == static_cast<int>(i) + 1;
    Row(out)
        .Cell("  " + std::to_string(i + 1), 6)
        .Cell(GeneralNumber(period.startAge), 10)
        .Cell(std::to_string(period.startYear) + "-" + std::to_string(period.endYear), 12)
        .Cell({PairText(period.stem, period.branch), StemSymbols[period.stem].pinyin,
               BranchSymbols[period.branch].pinyin, current ? "*" : ""},
              0)
        .End();
    AppendReading(out, chartAnalysis, period.stem, period.branch, std::string(6, ' '));
  }
}

void AppendAnnualPillars(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  constexpr int kPerLine = 4;
  Row(out).Cell("Annual pillars (year, age, pillar, luck period)", 0).End();
  Row row(out);
  for (int i = 0; i < analysis::kAnnualPillarCount; ++i) {
    const analysis::AnnualPillar annual = chartAnalysis.AnnualPillarAt(i);
    if (i > 0 && i % kPerLine == 0) row.End();
    const bool current = chartAnalysis.currentAnnualPillar == i;
    if (i % kPerLine == 0) row.Cell("", 2);
    row.Cell({std::to_string(annual.year), std::to_string(annual.age),
              PairText(annual.stem, annual.branch), std::to_string(annual.luckPeriod), current ? "*" : ""},
             18);
  }
  row.End();
  Row(out).Cell("Annual pillars against the chart", 0).End();
  for (int i = 0; i < analysis::kAnnualPillarCount; ++i) {
    const analysis::AnnualPillar annual = chartAnalysis.AnnualPillarAt(i);
    AppendReading(out, chartAnalysis, annual.stem, annual.branch,
                  "  " + std::to_string(annual.year) + "  " + PairText(annual.stem, annual.branch) + "  ");
  }
}

std::string BranchList(analysis::StarMarks marks) {
  std::string text;
  for (int branch = 0; branch < tavrin::kBranchCount; ++branch)
    if (marks >> branch & 1) text += BranchSymbols[branch].hanzi;
  return text;
}

void AppendStars(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  Row(out).Cell("Pillar", 8).Cell("Self stage", 18).Cell("Void", 12).Cell("Symbolic stars", 0).End();
  for (int block = 0; block < 4; ++block) {
    const auto& pillar = chartAnalysis.pillars[block];
    const std::string_view voidMark = pillar.inDayVoid && pillar.inYearVoid ? "day, year"
                                      : pillar.inDayVoid                    ? "day"
                                      : pillar.inYearVoid                   ? "year"
                                                                            : "-";
    Row row(out);
    row.Cell(kPillarNames[block], 8).Cell({pillar.selfStage.hanzi, pillar.selfStage.english}, 18).Cell(voidMark, 12);
    bool first = true;
    for (int star = 0; star < analysis::kStarCount; ++star) {
      if (!(pillar.stars >> star & 1)) continue;
      if (!first) {
        row.End();
        row.Cell("", 38);
      }
      first = false;
      row.Cell({analysis::StarTable[star].name.hanzi, analysis::StarTable[star].name.english}, 0);
    }
    if (first) row.Cell("-", 0);
    row.End();
  }
  Row(out)
      .Cell("Void of the day's decade " + BranchList(chartAnalysis.dayVoid) + ", of the year's " +
                BranchList(chartAnalysis.yearVoid),
            0)
      .End();
}

void AppendInteractions(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  Row(out).Cell("Interactions", 0).End();
  if (chartAnalysis.interactions.count == 0) Row(out).Cell("  none", 0).End();
  for (const analysis::Interaction& found : chartAnalysis.interactions.All()) {
    const auto& rule = found.Rule();
    Row(out)
        .Cell("", 2)
        .Cell(rule.hanzi, 12)
        .Cell(rule.english, 40)
        .Cell(found.element == analysis::kNoElement ? "" : ElementNames[found.element].english, 7)
        .Cell(PillarList(found.pillars), 0)
        .End();
  }
}

void AppendPalacesAndEvidence(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  const auto palace = [](const tavrin::Pillar& pillar) {
    return PairText(pillar.stem, pillar.branch) + " " + std::string(StemSymbols[pillar.stem].pinyin) + " " +
           std::string(BranchSymbols[pillar.branch].pinyin);
  };
  const auto& palaces = chartAnalysis.palaces;
  Row(out).Cell("Conception pillar", 20).Cell(palace(palaces.conception), 0).End();
  Row(out).Cell("Life palace", 20).Cell(palace(palaces.life), 0).End();
  Row(out).Cell("Body palace", 20).Cell(palace(palaces.body), 0).End();
  const auto& evidence = chartAnalysis.strength;
  Row(out).Cell("Day Master in season", 24).Cell(evidence.inSeason ? "yes" : "no", 0).End();
  Row(out).Cell("Rooted in", 24).Cell(PillarList(evidence.rootedIn), 0).End();
  Row(out).Cell("Supported by", 24).Cell(PillarList(evidence.supportedBy), 0).End();
  std::string ages;
  for (const auto& period : chartAnalysis.luckYears) ages += (ages.empty() ? "" : " ") + std::to_string(period.nominalAge);
  Row(out).Cell("Nominal age at the luck periods' starts", 0).End();
  Row(out).Cell("", 2).Cell(ages, 0).End();
}

void AppendMonthsAndDays(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  if (chartAnalysis.monthsYear != 0) {
    out += '\n';
    Row(out).Cell("Months of " + std::to_string(chartAnalysis.monthsYear) + " (pillar, Jie, its local start)", 0).End();
    for (const analysis::MonthOfYear& month : chartAnalysis.months)
      Row(out)
          .Cell("", 2)
          .Cell(PairText(month.pillar.stem, month.pillar.branch), 6)
          .Cell(JieWords(month.sector), 20)
          .Cell(LocalStartText(month, chartAnalysis.monthsZoneSecondsEast), 0)
          .End();
  }
  if (chartAnalysis.dayCount != 0) {
    constexpr int kPerLine = 4;
    out += '\n';
    Row(out).Cell("Days of " + DateText(chartAnalysis.daysYear, chartAnalysis.daysMonth, 1).substr(0, 7), 0).End();
    Row row(out);
    for (int i = 0; i < chartAnalysis.dayCount; ++i) {
      const analysis::DayOfMonth& day = chartAnalysis.days[i];
      if (i > 0 && i % kPerLine == 0) row.End();
      if (i % kPerLine == 0) row.Cell("", 2);
      row.Cell({DateText(chartAnalysis.daysYear, chartAnalysis.daysMonth, day.day), PairText(day.pillar.stem, day.pillar.branch),
                chartAnalysis.IsToday(day) ? "*" : ""},
               18);
    }
    row.End();
  }
}

}  // namespace

void AppendAnalysisText(std::string& out, const analysis::ChartAnalysis& chartAnalysis) {
  using Section = void (*)(std::string&, const analysis::ChartAnalysis&);
  bool first = true;
  for (const Section section : {AppendPillarTable, AppendElements, AppendLuckYears, AppendAnnualPillars, AppendStars,
                                AppendInteractions, AppendPalacesAndEvidence}) {
    if (!first) out += '\n';
    first = false;
    section(out, chartAnalysis);
  }
  AppendMonthsAndDays(out, chartAnalysis);
}

}  // namespace tavrin::cast
