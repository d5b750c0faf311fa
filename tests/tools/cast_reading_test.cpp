#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "reading/reading_file.h"
#include "tests/tools/caster_process.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using testing::Cast;
using testing::ReadFile;

// A fresh folder for one test, removed with everything in it afterwards.
struct Scratch {
  fs::path dir;
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "tavrin-reading-test-XXXXXX").string();
    dir = mkdtemp(pattern.data());
  }
  ~Scratch() { fs::remove_all(dir); }
  std::string operator/(const std::string& name) const { return (dir / name).string(); }
  std::vector<std::string> Names(const std::string& folder = "") const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir / folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

fs::perms Permissions(const std::string& path) { return fs::status(path).permissions(); }

// A reading file built by hand: every character of these plain ASCII lines
// raised by the codec's offset of 14, each line ended by CR LF.
std::string ReadingBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    for (const char c : line) bytes += static_cast<char>(c + 14);
    bytes += "\r\n";
  }
  return bytes;
}

const std::vector<std::string> kAnnLines = {"Ann Lee", "1984", "February", "10", "10", "30", "0", "8", "Male"};

std::vector<std::string> AnnWith(std::size_t line, std::string value) {
  auto lines = kAnnLines;
  if (line > lines.size()) lines.resize(line);
  lines[line - 1] = std::move(value);
  return lines;
}

std::vector<std::string> AnnFirst(std::size_t count) { return {kAnnLines.begin(), kAnnLines.begin() + count}; }

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& extra) {
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

const std::vector<std::string> kAnnArgs = {"--name", "Ann", "--date", "1984-02-10", "--time", "10:30", "--zone", "8",
                                           "--gender", "male"};

std::string Corpus(const std::string& name) { return testing::SourceDir() + "/fuzz/corpus/" + name; }

struct SaveCase {
  std::vector<std::string> args;
  BirthDetails birth;  // what the entry form would hold for the same person
  std::optional<double> enteredLongitude;
};

TEST(SaveReading, WritesWhatTheDesktopSaveWritesAndStillShowsTheChart) {
  const SaveCase cases[] = {
      {{"--name", "  Ann Lee ", "--date", "1984-02-10", "--time", "10:30", "--zone", "+08.0", "--gender", "MALE"},
       {"Ann Lee", 1984, "February", 2, 10, 10, 30, 0, "8", 120, "Male", 1},
       std::nullopt},
      {{"--name", "Zo\xC3\xAB \xC3\x85nstr\xC3\xB6m", "--date", "1500-02-29", "--time", "00:00:59", "--zone", "-3.5",
        "--longitude", "-0", "--gender", "female"},
       {"Zo\xC3\xAB \xC3\x85nstr\xC3\xB6m", 1500, "February", 2, 29, 0, 0, 59, "-3.5", 0, "Female", -1},
       0.0},
      {{"--name", "R", "--date", "2023-12-31", "--time", "23:59:01", "--zone", "5.75", "--longitude", "116.39",
        "--gender", "Female"},
       {"R", 2023, "December", 12, 31, 23, 59, 1, "5.75", 116.39, "Female", -1},
       116.39},
  };
  for (const auto& c : cases) {
    for (const char* format : {"--json", ""}) {
      const Scratch scratch;
      const std::string path = scratch / "reading.baz";
      WriteBytes(path, std::string(500, 'x'));  // an older, longer file is replaced whole
      auto direct = c.args;
      if (*format) direct.push_back(format);
      const auto shown = Cast(direct);
      const auto saved = Cast(With(direct, {"--save", path}));
      ASSERT_EQ(saved.status, 0) << c.birth.Name << ": " << saved.err;
      EXPECT_EQ(saved.err, "");
      EXPECT_EQ(saved.out, shown.out) << c.birth.Name << " " << format;
      EXPECT_EQ(ReadFile(path), ComposeReading(ReadingOf(c.birth, c.enteredLongitude))) << c.birth.Name;
      EXPECT_EQ(scratch.Names(), std::vector<std::string>{"reading.baz"}) << "no temporary file is left behind";
    }
  }
  // The first person's bytes, as the desktop program saved them and as built here by hand.
  EXPECT_EQ(ComposeReading(ReadingOf(cases[0].birth, std::nullopt)), ReadFile(Corpus("ann-lee.baz")));
  EXPECT_EQ(ComposeReading(ReadingOf(cases[0].birth, std::nullopt)), ReadingBytes(kAnnLines));
}

enum class Earlier { privateFile, linkToFile, linkChain, danglingLink, staleTemporary };

// What is already there when the reading is saved as "reading.baz".
struct ReplaceCase {
  const char* label;
  Earlier earlier;
  std::string savedAt;  // the file that receives the reading
  fs::perms permissions;
  std::vector<std::string> names;  // in the folder afterwards
};

TEST(SaveReading, SavesThroughLinksKeepsPermissionsAndLeavesNoTemporaryFile) {
  const auto rw = fs::perms::owner_read | fs::perms::owner_write;
  const auto rwr = rw | fs::perms::group_read;
  const auto rwrr = rwr | fs::perms::others_read;
  const ReplaceCase cases[] = {
      {"a private file stays private", Earlier::privateFile, "reading.baz", rw, {"folder", "reading.baz"}},
      {"a link saves its target", Earlier::linkToFile, "folder/target", rwr, {"folder", "reading.baz"}},
      {"a chain of relative links", Earlier::linkChain, "folder/target", rwr, {"folder", "reading.baz", "via"}},
      {"a dangling link creates its target", Earlier::danglingLink, "folder/target", rwrr, {"folder", "reading.baz"}},
      {"a temporary file a killed save left is removed", Earlier::staleTemporary, "reading.baz", rwrr,
       {"folder", "reading.baz"}},
  };
  const mode_t mask = umask(022);  // a new file is then rw-r--r--
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const Scratch scratch;
    const std::string path = scratch / "reading.baz";
    fs::create_directory(scratch / "folder");
    switch (c.earlier) {
      case Earlier::privateFile:
        WriteBytes(path, "earlier");
        fs::permissions(path, rw);
        break;
      case Earlier::linkToFile:
        WriteBytes(scratch / "folder/target", "earlier");
        fs::permissions(scratch / "folder/target", rwr);
        fs::create_symlink("folder/target", path);
        break;
      case Earlier::linkChain:
        WriteBytes(scratch / "folder/target", "earlier");
        fs::permissions(scratch / "folder/target", rwr);
        fs::create_symlink("folder/target", scratch / "via");
        fs::create_symlink("via", path);
        break;
      case Earlier::danglingLink:
        fs::create_symlink("folder/target", path);
        break;
      case Earlier::staleTemporary:
        WriteBytes(scratch / ".reading.baz.tavrin-save", "half a reading");
        break;
    }
    const auto run = Cast(With(kAnnArgs, {"--save", path}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(scratch / c.savedAt), ReadingBytes(AnnWith(1, "Ann")));
    EXPECT_EQ(Permissions(scratch / c.savedAt), c.permissions);
    EXPECT_EQ(scratch.Names(), c.names);
    if (c.savedAt != "reading.baz") {
      EXPECT_TRUE(fs::is_symlink(path)) << "the link itself stays";
    }
    EXPECT_EQ(scratch.Names("folder"),
              c.savedAt == "folder/target" ? std::vector<std::string>{"target"} : std::vector<std::string>{});
  }
  umask(mask);
}

struct SaveFailure {
  std::string name;                   // in the scratch folder
  std::optional<std::string> earlier;  // a read-only file already there
  std::string reason;
};

TEST(SaveReading, AFailedSaveChangesNoFileAndShowsNothing) {
  const SaveFailure cases[] = {
      {"no-such-folder/reading.baz", std::nullopt, ": cannot write it: No such file or directory"},
      {"folder.baz", std::nullopt, ": cannot write it: Is a directory"},
      {"pipe.baz", std::nullopt, ": cannot write it: it is not a regular file"},
      {"read-only.baz", "kept", ": cannot write it: the file is read-only"},
      {"reading.txt", std::nullopt, ": not a reading file name (it must end in \"baz\")"},
      {"reading.BAZ", std::nullopt, ": not a reading file name (it must end in \"baz\")"},
  };
  for (const auto& c : cases) {
    const Scratch scratch;
    fs::create_directory(scratch / "folder.baz");
    ASSERT_EQ(mkfifo((scratch / "pipe.baz").c_str(), 0600), 0);
    const std::string path = scratch / c.name;
    if (c.earlier) {
      WriteBytes(path, *c.earlier);
      fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    }
    const auto names = scratch.Names();
    const auto run = Cast(With(kAnnArgs, {"--save", path, "--json"}));
    EXPECT_EQ(run.status, 2) << c.name;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_EQ(run.err, "tavrin-cast: --save " + path + c.reason + "\n");
    EXPECT_EQ(scratch.Names(), names) << c.name;
    EXPECT_TRUE(fs::is_empty(scratch / "folder.baz")) << c.name;
    EXPECT_TRUE(fs::is_fifo(scratch / "pipe.baz")) << c.name;
    if (c.earlier) {
      EXPECT_EQ(ReadFile(path), *c.earlier);
    }
  }

  const Scratch scratch;
  auto badDay = kAnnArgs;
  badDay[3] = "1984-02-30";
  const auto run = Cast(With(badDay, {"--save", scratch / "reading.baz"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tavrin-cast: --date 1984-02-30: no such day (February 1984 has 29 days)\n");
  EXPECT_TRUE(fs::is_empty(scratch.dir)) << "a birth that cannot be cast is not saved";
}

TEST(OpenReading, CastsTheSameChartAsTheBirthThatWasSaved) {
  const std::vector<std::string> births[] = {
      testing::SampleArgs(),
      {"--name", "Half Hour", "--date", "1984-02-10", "--time", "00:00", "--zone", "5.5", "--gender", "female"},
      {"--name", "West", "--date", "1999-12-31", "--time", "23:59:59", "--zone", "-3.5", "--longitude", "-52.25",
       "--gender", "male"},
      {"--name", "Zo\xC3\xAB", "--date", "1500-02-29", "--time", "12:59", "--zone", "+09.50", "--gender", "Female"},
      {"--name", "East", "--date", "2040-06-01", "--time", "06:00:01", "--zone", "-9.75", "--longitude", "179.999",
       "--gender", "MALE"},
      // A zone named and no longitude: its standard meridian, in summer too, and its name again.
      {"--name", "Summer", "--date", "1988-07-01", "--time", "13:30", "--tz", "Asia/Shanghai", "--gender", "male"},
      // The casting choices are saved with the birth.
      {"--name", "Precise", "--date", "2000-02-04", "--time", "20:35", "--zone", "8", "--gender", "male", "--method",
       "precise", "--solar-time", "true", "--day-starts", "23"},
  };
  for (const auto& birth : births) {
    for (const char* format : {"--json", ""}) {
      const Scratch scratch;
      const std::string path = scratch / "reading.baz";
      auto direct = birth;
      if (*format) direct.push_back(format);
      const auto shown = Cast(direct);
      ASSERT_EQ(shown.status, 0) << birth[1] << ": " << shown.err;
      ASSERT_EQ(Cast(With(direct, {"--save", path})).status, 0) << birth[1];
      std::vector<std::string> open = {"--open", path};
      if (*format) open.push_back(format);
      const auto opened = Cast(open);
      EXPECT_EQ(opened.status, 0) << birth[1] << ": " << opened.err;
      EXPECT_EQ(opened.err, "");
      EXPECT_EQ(opened.out, shown.out) << birth[1] << " " << format;
    }
  }
}

// The program itself, once: a reading it saves opens again, and a file it
// cannot open ends it with status 2.
TEST(OpenReading, TheProgramSavesAndOpensReadingFiles) {
  const Scratch scratch;
  const std::string path = scratch / "reading.baz";
  const auto saved = testing::RunCaster(testing::SampleArgs({"--json", "--save", path}));
  ASSERT_EQ(saved.status, 0) << saved.err;
  const auto opened = testing::RunCaster({"--open", path, "--json"});
  EXPECT_EQ(opened.status, 0) << opened.err;
  EXPECT_EQ(opened.out, saved.out);
  EXPECT_EQ(testing::RunCaster({"--open", scratch / "missing.baz"}).status, 2);
}

struct CorpusCase {
  std::string file;
  std::vector<std::string> sameAs;  // the birth options of the same chart; empty when the file is refused
  std::string refusal;
};

TEST(OpenReading, SavedReadingsCastAndSaveAgainToTheSameBytes) {
  const CorpusCase cases[] = {
      {"ann-lee.baz",
       {"--name", "Ann Lee", "--date", "1984-02-10", "--time", "10:30", "--zone", "8", "--gender", "male"},
       ""},
      {"half-hour-zone.baz",
       {"--name", "R. K. Narayan", "--date", "1984-02-10", "--time", "10:59", "--zone", "5.5", "--gender", "male"},
       ""},
      {"zoe-with-longitude.baz",
       {"--name", "Zo\xC3\xAB \xC3\x85nstrm", "--date", "1984-02-10", "--time", "10:00", "--zone", "-5",
        "--longitude", "-73.9857", "--gender", "female"},
       ""},
      // Its name was made only of characters a reading file cannot hold.
      {"dropped-name.baz", {}, "line 1 (name) \"\": must not be empty"},
  };
  for (const auto& c : cases) {
    const Scratch scratch;
    const std::string again = scratch / "again.baz";
    const auto opened = Cast({"--open", Corpus(c.file), "--json", "--save", again});
    if (c.sameAs.empty()) {
      EXPECT_EQ(opened.status, 2) << c.file;
      EXPECT_EQ(opened.out, "") << c.file;
      EXPECT_EQ(opened.err, "tavrin-cast: --open " + Corpus(c.file) + ": " + c.refusal + "\n");
      EXPECT_FALSE(fs::exists(again)) << c.file;
      continue;
    }
    ASSERT_EQ(opened.status, 0) << c.file << ": " << opened.err;
    EXPECT_EQ(opened.out, Cast(With(c.sameAs, {"--json"})).out) << c.file;
    EXPECT_EQ(ReadFile(again), ReadFile(Corpus(c.file))) << c.file;
  }
}

struct AcceptedFile {
  std::string name;
  std::string bytes;
  std::string fragment;  // found in the JSON
};

TEST(OpenReading, ReadsLinesTheWayTheDesktopProgramDoes) {
  std::string loneLineFeeds = ReadingBytes(kAnnLines);
  for (std::size_t at; (at = loneLineFeeds.find("\r\n")) != std::string::npos;) loneLineFeeds.erase(at, 1);
  const AcceptedFile cases[] = {
      {"old.xbaz", ReadingBytes(kAnnLines), "\"gender\":\"Male\",\"genderSign\":1"},  // only "baz" is tested
      {"walkxbaz", ReadingBytes(kAnnLines), "\"gender\":\"Male\",\"genderSign\":1"},
      {"lower.baz", ReadingBytes(AnnWith(9, "male")), "\"gender\":\"Female\",\"genderSign\":-1"},
      {"eight.baz", ReadingBytes(AnnFirst(8)), "\"gender\":\"Female\",\"genderSign\":-1"},
      {"padded.baz", ReadingBytes(AnnWith(6, "07")), "\"minute\":7,"},
      {"zone.baz", ReadingBytes(AnnWith(8, "5.50")), "\"zoneOffset\":\"5.5\",\"longitude\":82.5,"},
      {"blank-tenth.baz", ReadingBytes(AnnWith(10, "")), "\"zoneOffset\":\"8\",\"longitude\":120,"},
      {"eleven.baz", ReadingBytes(With(AnnWith(10, "-74.5"), {"junk"})), "\"zoneOffset\":\"8\",\"longitude\":-74.5,"},
      {"lf.baz", loneLineFeeds, "{\"name\":\"Ann Lee\",\"birth\":{\"year\":1984,\"month\":2,"},
  };
  for (const auto& c : cases) {
    const Scratch scratch;
    WriteBytes(scratch / c.name, c.bytes);
    const auto run = Cast({"--open", scratch / c.name, "--json"});
    EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
    EXPECT_NE(run.out.find(c.fragment), std::string::npos) << c.name << ": " << run.out;
  }
}

// How a bad file is there: written with its bytes, missing, or something
// other than a regular file under a reading's name.
enum class Made { file, missing, folder, namedPipe, pipeOfThisProcess, linkToZeros, linkToRandomBytes };

struct BadFile {
  std::string name;
  Made made;
  std::string bytes;
  std::string reason;
};

TEST(OpenReading, RefusesABadFileNamingTheLineItsValueAndWhatIsAccepted) {
  const std::string zoneReason = "expected hours east of Greenwich from -14 to 14 (e.g. 8, -5 or 5.5)";
  const std::string notRegular = "cannot read it: it is not a regular file";
  // A pipe's writer holds a whole reading, so a reader that opened the pipe
  // would cast it rather than wait for ever.
  const std::string waiting = ReadingBytes(AnnWith(10, "116"));
  const BadFile cases[] = {
      {"missing.baz", Made::missing, "", "cannot read it: No such file or directory"},
      {"folder.baz", Made::folder, "", "cannot read it: it is a directory"},
      {"pipe.baz", Made::namedPipe, waiting, notRegular},
      {"stdin.baz", Made::pipeOfThisProcess, waiting, notRegular},  // as /dev/stdin is when it is a pipe
      {"zeros.baz", Made::linkToZeros, "", notRegular},
      {"random.baz", Made::linkToRandomBytes, "", notRegular},
      {"reading.txt", Made::file, ReadingBytes(kAnnLines), "not a reading file (its name must end in \"baz\")"},
      {"reading.BAZ", Made::file, ReadingBytes(kAnnLines), "not a reading file (its name must end in \"baz\")"},
      {"empty.baz", Made::file, "", "line 1 (name) is missing: the file is empty"},
      {"four.baz", Made::file, ReadingBytes(AnnFirst(4)), "line 5 (hour) is missing: the file has only 4 lines"},
      {"seven.baz", Made::file, ReadingBytes(AnnFirst(7)), "line 8 (zone) is missing: the file has only 7 lines"},
      {"spaces.baz", Made::file, ReadingBytes(AnnWith(1, "   ")), "line 1 (name) \"   \": must not be empty"},
      {"year0.baz", Made::file, ReadingBytes(AnnWith(2, "0")), "line 2 (year) \"0\": expected a year from 1 to 9999"},
      {"year5.baz", Made::file, ReadingBytes(AnnWith(2, "10000")),
       "line 2 (year) \"10000\": expected a year from 1 to 9999"},
      {"yearx.baz", Made::file, ReadingBytes(AnnWith(2, "-44")),
       "line 2 (year) \"-44\": expected a year from 1 to 9999"},
      {"month.baz", Made::file, ReadingBytes(AnnWith(3, "february")),
       "line 3 (month) \"february\": expected a month name, January to December"},
      {"day.baz", Made::file, ReadingBytes(AnnWith(4, "30")),
       "line 4 (day) \"30\": no such day (February 1984 has 29 days)"},
      {"day0.baz", Made::file, ReadingBytes(AnnWith(4, "0")),
       "line 4 (day) \"0\": no such day (February 1984 has 29 days)"},
      {"leap.baz", Made::file, ReadingBytes({"Ann Lee", "1700", "February", "29", "10", "30", "0", "8", "Male"}),
       "line 4 (day) \"29\": no such day (February 1700 has 28 days)"},
      {"dayx.baz", Made::file, ReadingBytes(AnnWith(4, "1st")), "line 4 (day) \"1st\": expected a day from 1 to 31"},
      {"hour.baz", Made::file, ReadingBytes(AnnWith(5, "24")), "line 5 (hour) \"24\": expected an hour from 0 to 23"},
      {"minute.baz", Made::file, ReadingBytes(AnnWith(6, "60")),
       "line 6 (minute) \"60\": expected a minute from 0 to 59"},
      {"second.baz", Made::file, ReadingBytes(AnnWith(7, "-1")),
       "line 7 (second) \"-1\": expected a second from 0 to 59"},
      {"zone.baz", Made::file, ReadingBytes(AnnWith(8, "8h")), "line 8 (zone) \"8h\": " + zoneReason},
      {"wide.baz", Made::file, ReadingBytes(AnnWith(8, "14.5")), "line 8 (zone) \"14.5\": " + zoneReason},
      // Bytes below the codec's offset decode to nothing; 0xFF and 0xFE decode to "ñð".
      {"garbage.baz", Made::file, ReadingBytes(AnnFirst(7)) + "\x01\xFF\xFE\r\n" + ReadingBytes({"Male"}),
       "line 8 (zone) \"\xC3\xB1\xC3\xB0\": " + zoneReason},
      {"longitude.baz", Made::file, ReadingBytes(AnnWith(10, "181")),
       "line 10 (longitude) \"181\": expected degrees east from -180 to 180"},
      {"method.baz", Made::file, ReadingBytes(With(AnnWith(10, ""), {"method=exact"})),
       "method=exact: expected classic or precise"},
      {"classic.baz", Made::file, ReadingBytes(With(AnnWith(10, ""), {"dayStarts=23"})),
       "the day starting at 23:00 needs the precise method"},
      {"twice.baz", Made::file,
       ReadingBytes(With(AnnWith(10, ""), {"place=1796236 Shanghai", "method=classic", "place=2643743 London"})),
       "the choice \"place\" is given twice"},
  };
  for (const auto& c : cases) {
    const Scratch scratch;
    const std::string path = scratch / c.name;
    int pipeEnds[2] = {-1, -1};
    switch (c.made) {
      case Made::file: WriteBytes(path, c.bytes); break;
      case Made::missing: break;
      case Made::folder: fs::create_directory(path); break;
      case Made::namedPipe:
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        pipeEnds[1] = open(path.c_str(), O_RDWR | O_NONBLOCK);
        break;
      case Made::pipeOfThisProcess:
        ASSERT_EQ(pipe(pipeEnds), 0);
        fs::create_symlink("/proc/self/fd/" + std::to_string(pipeEnds[0]), path);
        break;
      case Made::linkToZeros: fs::create_symlink("/dev/zero", path); break;
      case Made::linkToRandomBytes: fs::create_symlink("/dev/urandom", path); break;
    }
    if (pipeEnds[1] >= 0) {
      ASSERT_EQ(write(pipeEnds[1], c.bytes.data(), c.bytes.size()), static_cast<ssize_t>(c.bytes.size()));
    }
    const auto run = Cast({"--open", path, "--json"});
    EXPECT_EQ(run.status, 2) << c.name;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_EQ(run.err, "tavrin-cast: --open " + path + ": " + c.reason + "\n");
    for (const int end : pipeEnds)
      if (end >= 0) close(end);
  }
}

}  // namespace
}  // namespace tavrin
