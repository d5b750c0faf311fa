#include "tools/reading_access.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ios>
#include <system_error>

#include "chart/reading_file.h"
#include "tools/reading_fields.h"
#include "tools/safe_write.h"

namespace tavrin::cast {
namespace {

bool HasReadingName(std::string_view path) { return path.ends_with("baz"); }

}  // namespace

std::optional<std::string> OpenReading(std::string_view path, BirthDetails& birth,
                                       std::optional<double>& enteredLongitude) {
  if (!HasReadingName(path)) return "not a reading file (the name must end in .baz)";
  const std::filesystem::path file(path);
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) return "cannot read it: it is a directory";
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::string("cannot read it: ") + std::strerror(errno);
  ReadingSlots slots;
  try {
    slots = ReadReading(in);
  } catch (const std::ios_base::failure& failure) {  // the file buffer reports a failed read by throwing
    return "cannot read it: " + failure.code().message();
  }
  if (auto error = FillFromReading(slots, birth, enteredLongitude)) return DescribeLineError(*error);
  return std::nullopt;
}

std::optional<std::string> SaveReading(std::string_view path, const BirthDetails& birth,
                                       std::optional<double> enteredLongitude) {
  if (!HasReadingName(path)) return "not a reading file name (the name must end in .baz)";
  if (auto reason = WriteFileSafely(std::filesystem::path(path), ComposeReading(birth, enteredLongitude)))
    return "cannot write it: " + *reason;
  return std::nullopt;
}

}  // namespace tavrin::cast
