#include "problem_io/replacing_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
int files_in(const std::string& dir) {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(dir)) n += entry.is_regular_file() ? 1 : 0;
  return n;
}
}  // namespace

TEST(ReplacingFile, ReplacesOnlyOnCommitAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string plan = dir.write("plan.sch", "old plan\n");
  {
    ReplacingFile file(plan);
    ASSERT_TRUE(file.is_open());
    file.out() << "half a plan";
    EXPECT_EQ(read_file(plan), "old plan\n");
  }  // dropped without commit: the old plan stays
  EXPECT_EQ(read_file(plan), "old plan\n");
  EXPECT_EQ(files_in(dir.path()), 1);

  ReplacingFile file(plan);
  file.out() << "new plan\n";
  ASSERT_TRUE(file.commit());
  EXPECT_EQ(read_file(plan), "new plan\n");
  EXPECT_EQ(files_in(dir.path()), 1);
}

TEST(ReplacingFile, ReadOnlyFileIsRefusedAndKept) {
  TempDir dir;
  const std::string plan = dir.write("plan.rsf", "released\n");
  fs::permissions(plan, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ReplacingFile file(plan);
  EXPECT_FALSE(file.is_open());
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(read_file(plan), "released\n");
  EXPECT_EQ(files_in(dir.path()), 1);
}

TEST(ReplacingFile, LinkKeepsPointingAtTheNewContentWithItsPermissions) {
  TempDir dir;
  const std::string real = dir.write("real.sch", "old\n");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  const std::string link = dir.file("link.sch");
  fs::create_symlink(real, link);
  ReplacingFile file(link);
  file.out() << "new\n";
  ASSERT_TRUE(file.commit());
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_EQ(read_file(real), "new\n");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ReplacingFile, MissingFolderCannotBeWritten) {
  TempDir dir;
  ReplacingFile file(dir.file("no/such/folder/plan.sch"));
  EXPECT_FALSE(file.is_open());
  EXPECT_FALSE(file.commit());
}
