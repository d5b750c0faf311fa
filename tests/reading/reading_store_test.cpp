#include "reading/reading_store.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/file_size_limit.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Reading Named(std::string name) {
  Reading reading;
  reading.text[0] = std::move(name);
  reading.lineCount = 1;
  return reading;
}

// A save cut short half-way (the disk filled up, the file grew past a limit)
// leaves the earlier file byte for byte and no temporary file, and says why.
TEST(SaveReading, AWriteCutShortKeepsTheEarlierFile) {
  std::string pattern = (fs::temp_directory_path() / "tavrin-store-test-XXXXXX").string();
  const fs::path folder = mkdtemp(pattern.data());
  const fs::path path = folder / "reading.baz";
  ASSERT_EQ(SaveReading(path.string(), Named("Earlier")), std::nullopt);
  const std::string earlier = Bytes(path);

  std::optional<std::string> failure;
  {
    const testing::FileSizeLimit limit(16 * 1024);
    failure = SaveReading(path.string(), Named(std::string(20000, 'N')));
  }
  EXPECT_EQ(failure, "File too large");
  EXPECT_EQ(Bytes(path), earlier);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

// A save of a file that another save of it is still writing is refused, and
// neither the file nor the other save's temporary file is touched; once that
// save has gone, its temporary file is stale and the next save clears it.
TEST(SaveReading, ASaveUnderWayIsNeitherDisturbedNorMixedWithAnother) {
  std::string pattern = (fs::temp_directory_path() / "tavrin-store-test-XXXXXX").string();
  const fs::path folder = mkdtemp(pattern.data());
  const fs::path path = folder / "reading.baz";
  const fs::path temporary = folder / ".reading.baz.tavrin-save";
  ASSERT_EQ(SaveReading(path.string(), Named("Earlier")), std::nullopt);
  const std::string earlier = Bytes(path);

  const int underWay = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  ASSERT_GE(underWay, 0);
  ASSERT_EQ(flock(underWay, LOCK_EX), 0);
  ASSERT_EQ(write(underWay, "half", 4), 4);
  EXPECT_EQ(SaveReading(path.string(), Named("Later")), "another save of this file is under way");
  EXPECT_EQ(Bytes(path), earlier);
  EXPECT_EQ(Bytes(temporary), "half");

  close(underWay);  // the other save is killed: its lock goes with it
  EXPECT_EQ(SaveReading(path.string(), Named("Later")), std::nullopt);
  Reading saved;
  ASSERT_EQ(LoadReading(path.string(), saved), std::nullopt);
  EXPECT_EQ(saved[ReadingLine::name], "Later");
  EXPECT_FALSE(fs::exists(temporary));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tavrin
