#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/caster_process.h"

namespace tavrin {
namespace {

using testing::Cast;
using testing::CasterPath;
using testing::RunProgram;
using testing::RunCaster;
using testing::SampleArgs;
using testing::StandardOutput;

struct ProcessCase {
  std::vector<std::string> args;
  std::string input;
  int status;
};

// The built program gives the exit status and both outputs of the caster run in-process.
TEST(CasterProcess, ExitStatusAndOutputsAreThoseOfTheCasterInProcess) {
  const ProcessCase cases[] = {
      {SampleArgs(), "", 0},
      {SampleArgs({"--json"}), "", 0},
      {{"--batch", "-"}, "A,1984-02-10,10:30,8,male\nB,1984-02-30,10:30,8,male\n", 1},
      {{"--batch", "-", "--json"}, "A,1984-02-10,10:30,8,male\n", 0},
      {SampleArgs({"--zone", "9"}), "", 2},
      {SampleArgs({"--date", "1984-13-01"}), "", 2},
  };
  for (const auto& c : cases) {
    const auto process = RunCaster(c.args, c.input);
    const auto inProcess = Cast(c.args, c.input);
    EXPECT_EQ(process.status, c.status) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(inProcess.status, c.status) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(process.out, inProcess.out);
    EXPECT_EQ(process.err, inProcess.err);
  }
}

// Output that cannot be written is an error, not a chart lost in silence.
TEST(CasterProcess, UnwritableStandardOutputExitsTwoWithAMessage) {
  const std::vector<std::string> runs[] = {SampleArgs(), SampleArgs({"--json"}), {"--batch", "-", "--json"},
                                           {"--help"}};
  for (const auto output : {StandardOutput::full, StandardOutput::closed}) {
    for (const auto& args : runs) {
      const auto run = RunCaster(args, "A,1984-02-10,10:30,8,male\n", output);
      EXPECT_EQ(run.status, 2) << args[0];
      EXPECT_EQ(run.err, "tavrin-cast: the output could not be written\n") << args[0];
    }
  }
}

// With the tz database hidden (over it, in a private mount namespace, a
// folder of our making) or its files damaged, a zone name is refused for that
// reason, not as a wrong name, and the program does not stop: the date/tz
// library stops it on a zone file that is not whole.
TEST(CasterProcess, AZoneDatabaseThatCannotBeReadIsSaidSo) {
  // The Shanghai file is kept in /mnt, the namespace's own, to be damaged.
  const std::string over = "mount -t tmpfs none /mnt && cp /usr/share/zoneinfo/Asia/Shanghai /mnt && "
                           "mount -t tmpfs none /usr/share/zoneinfo && mkdir /usr/share/zoneinfo/Asia && cd "
                           "/usr/share/zoneinfo";
  if (RunProgram("unshare", {"-rm", "sh", "-c", over}).status != 0)
    GTEST_SKIP() << "no private mount namespace here (unshare -rm)";
  const std::string unreadable = "the tz database in /usr/share/zoneinfo cannot be read; it comes with Debian's tzdata";
  const std::string tokyo = "the tz database's file of Asia/Tokyo in /usr/share/zoneinfo cannot be read; it comes "
                            "with Debian's tzdata";
  struct Case {
    std::string damage, args, message;
  };
  const Case cases[] = {
      {"true", "--tz Asia/Shanghai", "--tz Asia/Shanghai: " + unreadable},
      {"true", "--place Shanghai", "--place Shanghai: its zone Asia/Shanghai: " + unreadable},
      {"true", "--batch -", "line 1: zone UTC: expected hours east of Greenwich as a decimal number (e.g. 8, -5 or "
                            "5.5) (no zone name can be used: " + unreadable + ")"},
      // The library reads the leap seconds from UTC as it opens the database.
      {"cp /mnt/Shanghai Asia/Tokyo && printf garbage > UTC", "--tz Asia/Tokyo", "--tz Asia/Tokyo: " + unreadable},
      {"printf garbage > Asia/Tokyo", "--tz Asia/Tokyo", "--tz Asia/Tokyo: " + tokyo},
      {"head -c 200 /mnt/Shanghai > Asia/Tokyo", "--tz asia/tokyo", "--tz asia/tokyo: " + tokyo},
      {"sed s/TZif2/TZif4/g /mnt/Shanghai > Asia/Tokyo", "--tz Asia/Tokyo", "--tz Asia/Tokyo: " + tokyo},
  };
  for (const Case& c : cases) {
    const std::string birth = c.args == "--batch -" ? "" : " --name P --date 2000-06-01 --time 12:00 --gender male";
    const std::string script = over + " && " + c.damage + " && exec " + CasterPath() + birth + " " + c.args;
    const auto run = RunProgram("unshare", {"-rm", "sh", "-c", script}, "A,2000-06-01,12:00,UTC,male\n");
    EXPECT_NE(run.status, 0) << c.damage;
    EXPECT_EQ(run.err, "tavrin-cast: " + c.message + "\n") << c.damage;
  }
}

}  // namespace
}  // namespace tavrin
