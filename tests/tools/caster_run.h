#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/caster.h"

namespace tavrin::testing {

struct CasterRun {
  int status = -1;  // exit status; -1 when killed by a signal
  std::string out;
  std::string err;
};

// The caster run in-process, with `input` as its standard input.
inline CasterRun Cast(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = cast::RunCaster(args, in, out, err);
  return {status, out.str(), err.str()};
}

// The lines of a text, each without its "\n".
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != text.npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// The sample person's options, with `extra` appended.
inline std::vector<std::string> SampleArgs(std::vector<std::string> extra = {}) {
  std::vector<std::string> args = {"--name", "Sample Person", "--date", "1984-02-10", "--time", "10:30",
                                   "--zone", "8", "--longitude", "116", "--gender", "male"};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

}  // namespace tavrin::testing
