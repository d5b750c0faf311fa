#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/caster_process.h"

namespace tavrin {
namespace {

using testing::Cast;
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

}  // namespace
}  // namespace tavrin
