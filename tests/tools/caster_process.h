#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_paths.h"
#include "tests/tools/caster_run.h"

extern char** environ;

namespace tavrin::testing {

struct ProgramRun : CasterRun {
  bool started = false;
};

// Where a program's standard output goes: a file the run collects, a full
// device, or nowhere (closed).
enum class StandardOutput { collected, full, closed };

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Runs `program` (a path, or a name looked up in PATH) with `input` on its
// standard input, and collects its exit status and both outputs.
inline ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::string& input = "", StandardOutput output = StandardOutput::collected) {
  namespace fs = std::filesystem;
  std::string pattern = (fs::temp_directory_path() / "tavrin-cast-test-XXXXXX").string();
  const fs::path dir = mkdtemp(pattern.data());
  std::ofstream(dir / "in", std::ios::binary) << input;
  const std::string in = (dir / "in").string(), out = (dir / "out").string(), err = (dir / "err").string();

  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, in.c_str(), O_RDONLY, 0);
  if (output == StandardOutput::collected)
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  else if (output == StandardOutput::full)
    posix_spawn_file_actions_addopen(&files, 1, "/dev/full", O_WRONLY, 0);
  else
    posix_spawn_file_actions_addclose(&files, 1);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  ProgramRun run;
  pid_t pid = 0;
  run.started = posix_spawnp(&pid, program.c_str(), &files, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  if (run.started) {
    int wait = 0;
    waitpid(pid, &wait, 0);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
  }
  fs::remove_all(dir);
  return run;
}

inline std::string CasterPath() { return BinDir() + "/tavrin-cast"; }

// The built tavrin-cast as a process of its own.
inline ProgramRun RunCaster(const std::vector<std::string>& args, const std::string& input = "",
                            StandardOutput output = StandardOutput::collected) {
  ProgramRun run = RunProgram(CasterPath(), args, input, output);
  EXPECT_TRUE(run.started) << "cannot start " << CasterPath();
  return run;
}

// Python's own reader as an independent judge of JSON Lines: every line must
// parse strictly (no NaN or Infinity) and print back to itself, which also
// holds the key order, the escapes and the shortest numbers to its standard.
struct JsonVerdict {
  bool checked = false;  // false: no python3 here
  std::string problem;   // empty: valid
};

inline JsonVerdict JudgeJsonLines(const std::string& lines) {
  static const std::string kScript =
      "import json, sys\n"
      "def reject(constant): raise ValueError(constant)\n"
      "for n, line in enumerate(sys.stdin.buffer.read().decode('utf-8').split('\\n')[:-1], 1):\n"
      "    again = json.dumps(json.loads(line, parse_constant=reject), ensure_ascii=False, separators=(',', ':'))\n"
      "    if again != line: sys.exit('line %d prints back as %s' % (n, again))\n";
  const ProgramRun run = RunProgram("python3", {"-c", kScript}, lines);
  if (!run.started) return {};
  return {true, run.status == 0 ? "" : run.err + " (status " + std::to_string(run.status) + ")"};
}

#define EXPECT_VALID_JSON_LINES(text)                                            \
  do {                                                                           \
    const auto verdict = ::tavrin::testing::JudgeJsonLines(text);                \
    if (verdict.checked) {                                                       \
      EXPECT_EQ(verdict.problem, "") << (text);                                  \
    }                                                                            \
  } while (false)

}  // namespace tavrin::testing
