// Reading designers' files: what counts as a readable regular file, and the reason given for
// everything else.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/data_file.h"
#include "tests/scratch_folder.h"

namespace {
TEST(DataFile, ReadsOnlyRegularFilesUpToTheLimit) {
  cScratchFolder folder;
  const std::string full(kDataFileLimit, 'x');
  cScratchFolder::Write("full", full);
  cScratchFolder::Write("over", full + "x");
  cScratchFolder::Write("bytes", std::string("a\0\r\nb", 5));
  std::filesystem::create_directory("folder");
  ASSERT_EQ(mkfifo("fifo", 0600), 0);
  std::filesystem::create_symlink("/dev/zero", "zero");
  std::filesystem::create_symlink("bytes", "link");
  const struct {
    const char* path;
    std::string text;
    std::string problem;
    bool missing;
  } cases[] = {
      {"bytes", std::string("a\0\r\nb", 5), "", false},
      {"link", std::string("a\0\r\nb", 5), "", false},
      {"full", full, "", false},
      {"over", "", "is larger than 1 MiB", false},
      {"absent", "", "does not exist", true},
      {"folder", "", "is a folder", false},
      {"fifo", "", "is a FIFO, not a regular file", false},
      {"zero", "", "is a device, not a regular file", false},
      {"bytes/below", "", "cannot be read (Not a directory)", false},
  };
  for (const auto& c : cases) {
    const cDataFile file = ReadDataFile(c.path);
    EXPECT_EQ(file.text, c.text) << c.path;
    EXPECT_EQ(file.problem, c.problem) << c.path;
    EXPECT_EQ(file.missing, c.missing) << c.path;
    EXPECT_EQ(file.Read(), c.problem.empty()) << c.path;
  }
}
}  // namespace
