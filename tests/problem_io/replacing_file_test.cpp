#include "problem_io/replacing_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
int files_in(const std::string& dir) {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(dir)) n += fs::is_regular_file(entry.symlink_status()) ? 1 : 0;
  return n;
}
}  // namespace

// The text goes to a temporary file that replaces the target only on
// commit; a link to the target stays a link, and the target keeps its
// permissions.
TEST(ReplacingFile, ReplacesOnlyOnCommitThroughALinkKeepingPermissions) {
  TempDir dir;
  const std::string plan = dir.write("plan.sch", "old plan\n");
  fs::permissions(plan, fs::perms::owner_read | fs::perms::owner_write);
  const std::string link = dir.file("link.sch");
  fs::create_symlink(plan, link);
  {
    ReplacingFile file(link);
    ASSERT_TRUE(file.is_open());
    file.out() << "half a plan";
    EXPECT_EQ(read_file(plan), "old plan\n");
  }  // dropped without commit: the old plan stays
  EXPECT_EQ(read_file(plan), "old plan\n");
  EXPECT_EQ(files_in(dir.path()), 1);

  ReplacingFile file(link);
  file.out() << "new plan\n";
  ASSERT_TRUE(file.commit());
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_EQ(read_file(plan), "new plan\n");
  EXPECT_EQ(fs::status(plan).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(files_in(dir.path()), 1);
}

// A read-only file, a missing folder, a link to a missing file and a loop of
// links: nothing is opened, and what was there stays as it was.
TEST(ReplacingFile, TargetsThatCannotBeWrittenAreRefusedAndLeftAsTheyAre) {
  TempDir dir;
  const std::string plan = dir.write("plan.rsf", "released\n");
  fs::permissions(plan, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const std::string dangling = dir.file("dangling.sch"), loop_a = dir.file("a.sch"), loop_b = dir.file("b.sch");
  fs::create_symlink(dir.file("gone.sch"), dangling);
  fs::create_symlink(loop_b, loop_a);
  fs::create_symlink(loop_a, loop_b);
  for (const std::string& target : {plan, dir.file("no/such/folder/plan.sch"), dangling, loop_a}) {
    ReplacingFile file(target);
    EXPECT_FALSE(file.is_open()) << target;
    EXPECT_FALSE(file.commit()) << target;
  }
  EXPECT_EQ(read_file(plan), "released\n");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)) && fs::is_symlink(fs::symlink_status(loop_a)));
  EXPECT_FALSE(fs::exists(dir.file("gone.sch")));
  EXPECT_EQ(files_in(dir.path()), 1);
}

// A name at the length limit leaves no room for a temporary name beside it:
// the file is written in place, and a write that fails is reported.
TEST(ReplacingFile, WithoutRoomForATemporaryFileTheTargetIsWrittenInPlace) {
  TempDir dir;
  const std::string plan = dir.write(std::string(250, 'p') + ".sch", "old plan\n");
  {
    ReplacingFile file(plan);
    ASSERT_TRUE(file.is_open());
    file.out() << "new plan\n";
    EXPECT_TRUE(file.commit());
  }
  EXPECT_EQ(read_file(plan), "new plan\n");
  EXPECT_EQ(files_in(dir.path()), 1);

  // A file size limit makes the write fail part way.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool committed = true;
  {
    ReplacingFile file(plan);
    const bool opened = file.is_open();
    file.out() << std::string(100000, 'x') << '\n';
    committed = file.commit();
    EXPECT_TRUE(opened);
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(committed);
}
