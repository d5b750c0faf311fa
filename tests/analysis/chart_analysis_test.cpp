#include "analysis/chart_analysis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/engine/birth_fixture.h"

namespace tavrin::analysis {
namespace {

using testing::Birth;
using testing::Cast;

int StemOf(std::string_view hanzi) {
  for (std::size_t i = 0; i < StemSymbols.size(); ++i)
    if (StemSymbols[i].hanzi == hanzi) return static_cast<int>(i);
  ADD_FAILURE() << "no stem " << hanzi;
  return 0;
}

int BranchOf(std::string_view hanzi) {
  for (std::size_t i = 0; i < BranchSymbols.size(); ++i)
    if (BranchSymbols[i].hanzi == hanzi) return static_cast<int>(i);
  ADD_FAILURE() << "no branch " << hanzi;
  return 0;
}

// The hanzi of the first `count` characters of a UTF-8 text of three-byte characters.
std::string_view Characters(std::string_view text, std::size_t first, std::size_t count) {
  return text.substr(first * 3, count * 3);
}

Pillar PillarOf(std::string_view hanzi) { return {StemOf(Characters(hanzi, 0, 1)), BranchOf(Characters(hanzi, 1, 1))}; }

std::string PairHanzi(const Pillar& pillar) {
  return std::string(StemSymbols[pillar.stem].hanzi) + std::string(BranchSymbols[pillar.branch].hanzi);
}

std::vector<Pillar> PillarsOf(std::initializer_list<std::string_view> pairs) {
  std::vector<Pillar> pillars;
  for (const auto pair : pairs) pillars.push_back(PillarOf(pair));
  return pillars;
}

// "子午冲 year day": an interaction's name and the pillars it joins, named
// year, month, day, hour and then "other" for a fifth pillar.
std::multiset<std::string> InteractionTexts(const Interactions& interactions) {
  static constexpr std::string_view kNames[5] = {"year", "month", "day", "hour", "other"};
  std::multiset<std::string> texts;
  for (const Interaction& found : interactions.All()) {
    std::string text(found.Rule().hanzi);
    for (int p = 0; p < 5; ++p)
      if (found.pillars >> p & 1) text += " " + std::string(kNames[p]);
    texts.insert(text);
  }
  return texts;
}

std::string StarTexts(StarSet stars) {
  std::string text;
  for (int row = 0; row < kStarCount; ++row)
    if (stars >> row & 1) text += (text.empty() ? "" : " ") + std::string(StarTable[row].name.hanzi);
  return text;
}

// The ten gods as a practitioner's reference table prints them: one row per
// day stem, the ten stems 甲 to 癸 across.
TEST(TenGods, EveryStemAgainstEveryDayStem) {
  const std::vector<std::pair<std::string_view, std::string_view>> rows = {
      {"甲", "比肩劫财食神伤官偏财正财七杀正官偏印正印"},
      {"乙", "劫财比肩伤官食神正财偏财正官七杀正印偏印"},
      {"丙", "偏印正印比肩劫财食神伤官偏财正财七杀正官"},
      {"丁", "正印偏印劫财比肩伤官食神正财偏财正官七杀"},
      {"戊", "七杀正官偏印正印比肩劫财食神伤官偏财正财"},
      {"己", "正官七杀正印偏印劫财比肩伤官食神正财偏财"},
      {"庚", "偏财正财七杀正官偏印正印比肩劫财食神伤官"},
      {"辛", "正财偏财正官七杀正印偏印劫财比肩伤官食神"},
      {"壬", "食神伤官偏财正财七杀正官偏印正印比肩劫财"},
      {"癸", "伤官食神正财偏财正官七杀正印偏印劫财比肩"},
  };
  constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
  for (const auto& [dayStem, gods] : rows)
    for (std::size_t stem = 0; stem < 10; ++stem)
      EXPECT_EQ(TenGod(StemOf(dayStem), StemOf(Characters(kStems, stem, 1))).hanzi, Characters(gods, stem * 2, 2))
          << dayStem << " against " << Characters(kStems, stem, 1);
}

// The na yin verse: each line names two neighbouring pairs of the cycle.
TEST(NaYin, AllSixtyPairs) {
  const std::vector<std::pair<std::string_view, std::string_view>> verse = {
      {"甲子乙丑", "海中金"}, {"丙寅丁卯", "炉中火"}, {"戊辰己巳", "大林木"}, {"庚午辛未", "路旁土"},
      {"壬申癸酉", "剑锋金"}, {"甲戌乙亥", "山头火"}, {"丙子丁丑", "涧下水"}, {"戊寅己卯", "城头土"},
      {"庚辰辛巳", "白蜡金"}, {"壬午癸未", "杨柳木"}, {"甲申乙酉", "泉中水"}, {"丙戌丁亥", "屋上土"},
      {"戊子己丑", "霹雳火"}, {"庚寅辛卯", "松柏木"}, {"壬辰癸巳", "长流水"}, {"甲午乙未", "沙中金"},
      {"丙申丁酉", "山下火"}, {"戊戌己亥", "平地木"}, {"庚子辛丑", "壁上土"}, {"壬寅癸卯", "金箔金"},
      {"甲辰乙巳", "覆灯火"}, {"丙午丁未", "天河水"}, {"戊申己酉", "大驿土"}, {"庚戌辛亥", "钗钏金"},
      {"壬子癸丑", "桑柘木"}, {"甲寅乙卯", "大溪水"}, {"丙辰丁巳", "沙中土"}, {"戊午己未", "天上火"},
      {"庚申辛酉", "石榴木"}, {"壬戌癸亥", "大海水"},
  };
  for (const auto& [pairs, name] : verse)
    for (std::size_t pair = 0; pair < 2; ++pair)
      EXPECT_EQ(NaYin(StemOf(Characters(pairs, pair * 2, 1)), BranchOf(Characters(pairs, pair * 2 + 1, 1))).hanzi,
                name)
          << Characters(pairs, pair * 2, 2);
  EXPECT_EQ(NaYin(StemOf("甲"), BranchOf("子")).english, "Gold in the Sea");
  EXPECT_EQ(NaYin(StemOf("癸"), BranchOf("亥")).english, "Water of the Great Sea");
}

// Growth, Peak and Tomb of every day stem, and a few stages between.
TEST(LifeStages, EveryDayStemAtSeveralBranches) {
  struct Case {
    std::string_view dayStem, branch, stage;
  };
  const std::vector<Case> cases = {
      {"甲", "亥", "长生"}, {"甲", "卯", "帝旺"}, {"甲", "未", "墓"},  {"甲", "子", "沐浴"}, {"甲", "戌", "养"},
      {"乙", "午", "长生"}, {"乙", "寅", "帝旺"}, {"乙", "戌", "墓"},  {"乙", "子", "病"},
      {"丙", "寅", "长生"}, {"丙", "午", "帝旺"}, {"丙", "戌", "墓"},  {"丙", "亥", "绝"},
      {"丁", "酉", "长生"}, {"丁", "巳", "帝旺"}, {"丁", "丑", "墓"},  {"丁", "子", "绝"},
      {"戊", "寅", "长生"}, {"戊", "午", "帝旺"}, {"戊", "子", "胎"},
      {"己", "酉", "长生"}, {"己", "巳", "帝旺"}, {"己", "丑", "墓"},
      {"庚", "巳", "长生"}, {"庚", "酉", "帝旺"}, {"庚", "丑", "墓"},  {"庚", "申", "临官"},
      {"辛", "子", "长生"}, {"辛", "申", "帝旺"}, {"辛", "辰", "墓"},  {"辛", "戌", "冠带"},
      {"壬", "申", "长生"}, {"壬", "子", "帝旺"}, {"壬", "辰", "墓"},  {"壬", "丑", "衰"},
      {"癸", "卯", "长生"}, {"癸", "亥", "帝旺"}, {"癸", "未", "墓"},  {"癸", "申", "死"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LifeStage(StemOf(c.dayStem), BranchOf(c.branch)).hanzi, c.stage) << c.dayStem << " in " << c.branch;
}

// 1 January 2000, 12:00 GMT, a man: 己卯 丙子 戊午 戊午, luck from 8.46 backward.
TEST(ChartAnalysis, WorkedChart) {
  const BirthDetails birth = Birth(2000, 1, 1, 12, 0, "0", 0);
  ChartAnalysis analysis;
  AnalyzeChart(*BirthOf(birth), Cast(birth), {2026, 2026}, analysis);

  const auto& [year, month, day, hour] = analysis.pillars;
  EXPECT_EQ(year.stem.tenGod.english, "Rob Wealth");
  EXPECT_EQ(month.stem.tenGod.english, "Indirect Resource");
  EXPECT_EQ(day.stem.tenGod.hanzi, "日主");
  EXPECT_EQ(hour.stem.tenGod.english, "Friend");
  ASSERT_EQ(day.hiddenCount, 2);
  EXPECT_EQ(day.hidden[0].tenGod.hanzi, "正印");  // 丁
  EXPECT_EQ(day.hidden[1].tenGod.hanzi, "劫财");  // 己
  EXPECT_EQ(year.naYin.hanzi, "城头土");
  EXPECT_EQ(month.naYin.hanzi, "涧下水");
  EXPECT_EQ(day.naYin.hanzi, "天上火");
  EXPECT_EQ(year.lifeStage.hanzi, "沐浴");
  EXPECT_EQ(month.lifeStage.hanzi, "胎");
  EXPECT_EQ(hour.lifeStage.hanzi, "帝旺");

  // Wood, fire, earth, metal, water.
  EXPECT_EQ(analysis.elements.eightCharacters, (std::array<int, 5>{1, 3, 3, 0, 1}));
  EXPECT_EQ(analysis.elements.withHiddenStems, (std::array<int, 5>{2, 5, 5, 0, 2}));

  EXPECT_EQ(analysis.luckYears[0].startYear, 2008);
  EXPECT_EQ(analysis.luckYears[0].endYear, 2017);
  EXPECT_EQ(analysis.luckYears[7].startYear, 2078);
  EXPECT_EQ(StemSymbols[analysis.luckYears[0].stem].hanzi, "乙");
  EXPECT_EQ(BranchSymbols[analysis.luckYears[0].branch].hanzi, "亥");

  struct Row {
    int age, luckPeriod;
  };
  for (const Row row : {Row{0, 0}, Row{7, 0}, Row{8, 1}, Row{17, 1}, Row{18, 2}, Row{87, 8}, Row{88, 0}, Row{100, 0}}) {
    EXPECT_EQ(analysis.AnnualPillarAt(row.age).year, 2000 + row.age);
    EXPECT_EQ(analysis.AnnualPillarAt(row.age).age, row.age);
    EXPECT_EQ(analysis.AnnualPillarAt(row.age).luckPeriod, row.luckPeriod) << "age " << row.age;
  }
  EXPECT_EQ(analysis.currentLuckPeriod, 2);
  EXPECT_EQ(analysis.currentAnnualPillar, 26);

  EXPECT_EQ(analysis.luckYears[0].nominalAge, 9);
  EXPECT_EQ(analysis.luckYears[7].nominalAge, 79);
  EXPECT_EQ(year.selfStage.hanzi, "病");
  EXPECT_EQ(month.selfStage.hanzi, "胎");
  EXPECT_EQ(day.selfStage.hanzi, "帝旺");
  // 戊午's decade runs from 甲寅: 子 and 丑 are void, and the month's 子 with them.
  EXPECT_EQ(analysis.dayVoid, (1u << BranchOf("子")) | (1u << BranchOf("丑")));
  EXPECT_EQ(analysis.yearVoid, (1u << BranchOf("申")) | (1u << BranchOf("酉")));
  EXPECT_FALSE(year.inDayVoid);
  EXPECT_TRUE(month.inDayVoid);
  EXPECT_FALSE(month.inYearVoid);
  // Earth in a water month, rooted in the two 午, helped by 己, 丙 and 戊.
  EXPECT_FALSE(analysis.strength.inSeason);
  EXPECT_EQ(analysis.strength.rootedIn, 0b1100);
  EXPECT_EQ(analysis.strength.supportedBy, 0b1011);
  EXPECT_EQ(PairHanzi(analysis.palaces.conception), "丁卯");
  EXPECT_EQ(PairHanzi(analysis.palaces.life), "乙亥");
  EXPECT_EQ(PairHanzi(analysis.palaces.body), "丁丑");
  EXPECT_EQ(InteractionTexts(analysis.interactions),
            (std::multiset<std::string>{"子卯刑 year month", "卯午破 year day", "卯午破 year hour",
                                        "子午冲 month day", "子午冲 month hour", "午午自刑 day hour"}));
  EXPECT_EQ(StarTexts(year.stars), "桃花");
  EXPECT_EQ(StarTexts(month.stars), "桃花 红鸾 空亡");
  EXPECT_EQ(StarTexts(day.stars), "羊刃 天喜");
  EXPECT_EQ(StarTexts(hour.stars), "羊刃 将星 天喜");

  // Read against the chart: the first luck period 乙亥 (劫煞 of the day's 午, 天医 of the 子 month), the
  // year 2026 丙午, and 丙申 with the Heavenly Noble by the year stem 己 (子申) rather than the day's 戊.
  ChartAnalysis byYearStem;
  AnalyzeChart(*BirthOf(birth), Cast(birth), {2026, 2026}, byYearStem,
               {.interactions = {}, .stars = {.nobleByYearStem = true}});
  struct Other {
    const ChartAnalysis& analysis;
    Pillar pillar;
    std::string_view stars;
    std::multiset<std::string> interactions;
  };
  const AnnualPillar year2026 = analysis.AnnualPillarAt(26);
  for (const Other& other : {
           Other{analysis, {analysis.luckYears[0].stem, analysis.luckYears[0].branch}, "劫煞 天医", {"亥卯半合 year other"}},
           Other{analysis, {year2026.stem, year2026.branch}, "羊刃 将星 天喜",
                 {"卯午破 year other", "子午冲 month other", "午午自刑 day other", "午午自刑 hour other"}},
           Other{analysis, PillarOf("丙申"), "文昌贵人 驿马 劫煞", {"申子半合 month other"}},
           Other{byYearStem, PillarOf("丙申"), "天乙贵人 文昌贵人 驿马 劫煞", {"申子半合 month other"}},
       }) {
    const OtherPillarReading reading = other.analysis.ReadAgainstChart(other.pillar);
    EXPECT_EQ(StarTexts(reading.stars), other.stars) << PairHanzi(other.pillar);
    EXPECT_EQ(InteractionTexts(reading.interactions), other.interactions) << PairHanzi(other.pillar);
  }
}

// A period's years start in the calendar year its start date falls in: a
// start late in a year of age moves them on.
TEST(ChartAnalysis, LuckYearsStartInTheYearOfTheLuckStartDate) {
  struct Case {
    BirthDetails birth;
    CastOptions options;
    int firstYear;
  } const cases[] = {
      {Birth(1998, 7, 31, 14, 10, "8", 120), {Method::precise}, 2001},  // starts on 2001-01-25
      {Birth(1998, 12, 20, 12, 0, "8", 120), {}, 2004},                 // 5.64 years: 2004-08-09
      {Birth(2000, 1, 1, 12, 0, "0", 0), {}, 2008},
  };
  for (const Case& c : cases) {
    ChartAnalysis analysis;
    const Chart chart = Cast(c.birth, c.options);
    AnalyzeChart(*BirthOf(c.birth), chart, {2026, 2026}, analysis);
    EXPECT_EQ(analysis.luckYears[0].startYear, c.firstYear) << chart.luckStartAge;
    EXPECT_EQ(analysis.luckYears[1].startYear, c.firstYear + 10);
    EXPECT_EQ(analysis.AnnualPillarAt(c.firstYear - c.birth.BirthYear).luckPeriod, 1);
    EXPECT_EQ(analysis.AnnualPillarAt(c.firstYear - 1 - c.birth.BirthYear).luckPeriod, 0);
  }
}

// Before Spring Beginning the year's pillar is still last year's, while the
// luck period follows the calendar year.
TEST(ChartAnalysis, Today) {
  struct Case {
    int year, month, day, pillarYear;
  };
  for (const Case c : {Case{2026, 1, 15, 2025}, Case{2026, 2, 3, 2025}, Case{2026, 2, 5, 2026}, Case{2026, 12, 9, 2026}}) {
    const Today today = TodayOn(c.year, c.month, c.day);
    EXPECT_EQ(today.year, c.year);
    EXPECT_EQ(today.pillarYear, c.pillarYear) << c.month << "-" << c.day;
  }
  const BirthDetails birth = Birth(2000, 1, 1, 12, 0, "0", 0);
  ChartAnalysis analysis;
  AnalyzeChart(*BirthOf(birth), Cast(birth), {2101, 2101}, analysis);
  EXPECT_EQ(analysis.currentAnnualPillar, -1);
  EXPECT_EQ(analysis.currentLuckPeriod, 0);
}

// Every annual pillar is the year pillar of a birth on the day after that
// year's Spring Beginning, in both calendars.
TEST(ChartAnalysis, AnnualPillarsAgreeWithTheEngine) {
  for (const int birthYear : {1500, 1899, 1984, 2024}) {
    const BirthDetails birth = Birth(birthYear, 3, 1, 12, 0, "0", 0);
    ChartAnalysis analysis;
    AnalyzeChart(*BirthOf(birth), Cast(birth), {2026, 2026}, analysis);
    for (int age = 0; age < kAnnualPillarCount; ++age) {
      const AnnualPillar annual = analysis.AnnualPillarAt(age);
      const Chart chart = Cast(Birth(annual.year, 2, 6, 12, 0, "0", 0));
      EXPECT_EQ((Pillar{annual.stem, annual.branch}), chart.pillars[0]) << annual.year;
    }
  }
}

// The months of 2026 (a 丙午 year: 庚寅 first) with the almanac's Jie in
// Beijing time, and the days of December 2026 counted on from 戊午 on
// 1 January 2000 (9,839 days: 丁巳 on the 9th), one of a Julian month too.
TEST(MonthsAndDays, WorkedYearAndMonths) {
  const BirthDetails details = Birth(1984, 2, 10, 10, 30, "8", 120);
  ChartAnalysis analysis;
  AnalyzeChart(*BirthOf(details), Cast(details), TodayOn(2026, 12, 9), analysis);
  ASSERT_TRUE(ReadMonths(2026, *BirthOf(details), analysis));
  struct Month {
    int index;
    std::string_view hanzi;
    int month, day, hour, minute;
  };
  for (const Month m : {Month{0, "庚寅", 2, 4, 4, 2}, Month{10, "庚子", 12, 7, 10, 52}, Month{11, "辛丑", 1, 5, 22, 10}}) {
    const MonthOfYear& month = analysis.months[m.index];
    EXPECT_EQ(PairHanzi(month.pillar), m.hanzi);
    EXPECT_EQ(month.sector, m.index);
    const astro::CivilTime& t = month.startLocal;
    EXPECT_EQ(t.month, m.month) << m.hanzi;
    EXPECT_EQ(t.day, m.day) << m.hanzi;
    EXPECT_NEAR(t.hour * 60 + t.minute + t.second / 60.0, m.hour * 60 + m.minute, 1.0) << m.hanzi;
  }
  EXPECT_FALSE(ReadMonths(1599, *BirthOf(details), analysis));
  EXPECT_EQ(analysis.monthsYear, 0);

  struct Days {
    int year, month, count;
    std::string_view first, ninth;
  };
  for (const Days d : {Days{2026, 12, 31, "己酉", "丁巳"}, Days{2000, 2, 29, "己丑", "丁酉"}, Days{1500, 2, 29, "", ""},
                       Days{2026, 13, 0, "", ""}}) {
    EXPECT_EQ(ReadDays(d.year, d.month, analysis), d.count > 0);
    ASSERT_EQ(analysis.dayCount, d.count) << d.year << "-" << d.month;
    if (d.first.empty()) continue;
    EXPECT_EQ(PairHanzi(analysis.days[0].pillar), d.first);
    EXPECT_EQ(PairHanzi(analysis.days[8].pillar), d.ninth);
  }
  ReadDays(2026, 12, analysis);
  for (int i = 0; i < analysis.dayCount; ++i) EXPECT_EQ(analysis.IsToday(analysis.days[i]), i == 8);
}

// Each family of interaction on a chart worked out by hand: a partial harmony
// or punishment gives way to the whole one, and a fifth pillar is read only
// against the four.
TEST(Interactions, WorkedCharts) {
  struct Case {
    std::vector<Pillar> pillars;
    int required;
    InteractionChoices choices;
    std::multiset<std::string> expected;
  };
  const std::vector<Case> cases = {
      {PillarsOf({"甲子", "己丑", "丙午", "辛未"}), -1, {},
       {"甲己合 year month", "丙辛合 day hour", "子丑合 year month", "子午冲 year day", "子未害 year hour",
        "丑午害 month day", "丑未冲 month hour", "丑未刑 month hour", "午未合 day hour"}},
      {PillarsOf({"壬申", "甲子", "庚辰", "丙子"}), -1, {},
       {"甲庚冲 month day", "丙壬冲 year hour", "申子辰三合 year month day hour"}},
      {PillarsOf({"庚寅", "己巳", "戊辰", "丙辰"}), -1, {}, {"寅巳刑 year month", "寅巳害 year month", "辰辰自刑 day hour"}},
      {PillarsOf({"壬申", "甲辰", "丙午", "戊戌"}), -1, {},
       {"丙壬冲 year day", "申辰拱合 year month", "辰戌冲 month hour", "午戌半合 day hour"}},
      {PillarsOf({"乙丑", "甲戌", "丁未", "辛卯"}), -1, {},
       {"乙辛冲 year hour", "丑戌未三刑 year month day", "丑未冲 year day", "未戌破 month day", "卯戌合 month hour",
        "卯未半合 day hour"}},
      {PillarsOf({"甲寅", "丙寅", "乙卯", "戊辰"}), -1, {}, {"寅卯辰三会 year month day hour", "卯辰害 day hour"}},
      {PillarsOf({"甲子", "己丑", "丙午", "辛未", "庚午"}), 4, {},
       {"甲庚冲 year other", "子午冲 year other", "丑午害 month other", "午午自刑 day other", "午未合 hour other"}},
  };
  for (const Case& c : cases) {
    Interactions found;
    FindInteractions(c.pillars, c.required, c.choices, found);
    EXPECT_EQ(InteractionTexts(found), c.expected) << PairHanzi(c.pillars[0]) << PairHanzi(c.pillars[1]);
  }
}

// The element each combination forms, and the school choice for 午未.
TEST(Interactions, Elements) {
  struct Case {
    std::vector<Pillar> pillars;
    InteractionChoices choices;
    std::string_view hanzi;
    Element element;
  };
  const std::vector<Case> cases = {
      {PillarsOf({"丁巳", "壬午"}), {}, "丁壬合", Element::wood},
      {PillarsOf({"戊午", "癸亥"}), {}, "戊癸合", Element::fire},
      {PillarsOf({"甲辰", "丁酉"}), {}, "辰酉合", Element::metal},
      {PillarsOf({"甲午", "乙未"}), {}, "午未合", Element::earth},
      {PillarsOf({"甲午", "乙未"}), {.horseGoatFire = true}, "午未合", Element::fire},
      {PillarsOf({"丙子", "甲申"}), {}, "申子半合", Element::water},
      {PillarsOf({"癸亥", "乙亥", "丙子", "丁丑"}), {}, "亥子丑三会", Element::water},
  };
  for (const Case& c : cases) {
    Interactions found;
    FindInteractions(c.pillars, -1, c.choices, found);
    const auto all = found.All();
    const auto it = std::find_if(all.begin(), all.end(), [&](const Interaction& i) { return i.Rule().hanzi == c.hanzi; });
    ASSERT_NE(it, all.end()) << c.hanzi;
    EXPECT_EQ(it->element, static_cast<int>(c.element)) << c.hanzi;
  }
}

// Stars by hand: the day stem's may stand on its own pillar (a 甲寅 day on
// its 禄神); a branch's are not marked on the pillar they are read from (the
// year's 子 gives 将星 to the hour, not to itself).
TEST(SymbolicStars, WorkedCharts) {
  struct Case {
    std::array<Pillar, 4> chart;
    StarChoices choices;
    std::array<std::string_view, 4> stars;
  };
  const auto chart = [](std::string_view y, std::string_view m, std::string_view d, std::string_view h) {
    return std::array<Pillar, 4>{PillarOf(y), PillarOf(m), PillarOf(d), PillarOf(h)};
  };
  const std::vector<Case> cases = {
      {chart("甲子", "丙寅", "甲寅", "甲子"), {},
       {"太极贵人 空亡", "禄神 驿马 月德贵人 孤辰", "禄神 驿马 孤辰", "太极贵人 将星 空亡"}},
      {chart("甲子", "丙寅", "庚辰", "丙子"), {},
       {"将星", "太极贵人 驿马 月德贵人 孤辰", "国印贵人 华盖 魁罡 十恶大败", "将星 月德贵人"}},
      {chart("乙丑", "戊寅", "庚午", "丙子"), {}, {"天乙贵人 天医", "太极贵人 劫煞 孤辰 红鸾", "桃花", "月德贵人"}},
      {chart("乙丑", "戊寅", "庚午", "丙子"), {.nobleByYearStem = true},
       {"天医", "太极贵人 劫煞 孤辰 红鸾", "桃花", "天乙贵人 月德贵人"}},
  };
  for (const Case& c : cases) {
    const std::array<StarSet, 4> stars = ChartStars(c.chart, c.choices);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(StarTexts(stars[p]), c.stars[p]) << PairHanzi(c.chart[0]) << " pillar " << p;
  }
  // A luck 丁卯 against the first chart: 羊刃 of 甲, 桃花 of the day's 寅, 天德 of the 寅 month, 红鸾 of the 子 year.
  EXPECT_EQ(StarTexts(StarsOf(PillarOf("丁卯"), cases[0].chart, {})), "羊刃 桃花 天德贵人 红鸾");
}

}  // namespace
}  // namespace tavrin::analysis
