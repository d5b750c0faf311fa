#include "reading/reading_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

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

}  // namespace
}  // namespace tavrin
