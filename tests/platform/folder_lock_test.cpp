#include "platform/folder_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/files.h"
#include "support/temp_folder.h"

using testing_support::TempFolder;

namespace {

TEST(FolderLock, OneHolderAtATimeAndFreeAgainOnceReleased) {
  TempFolder dir;
  TempFolder other;
  auto first = platform::FolderLock::acquire(dir.path());
  ASSERT_TRUE(first.has_value());
  EXPECT_FALSE(platform::FolderLock::acquire(dir.path()).has_value());
  // Another folder is another lock.
  EXPECT_TRUE(platform::FolderLock::acquire(other.path()).has_value());
  // A moved lock is still held, by its new owner only.
  platform::FolderLock moved = std::move(*first);
  first.reset();
  EXPECT_FALSE(platform::FolderLock::acquire(dir.path()).has_value());
  moved = std::move(*platform::FolderLock::acquire(other.path()));
  EXPECT_TRUE(platform::FolderLock::acquire(dir.path()).has_value());
}

TEST(FolderLock, AProcessThatDiesHoldingTheLockLeavesTheFolderFree) {
  TempFolder dir;
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto held = platform::FolderLock::acquire(dir.path());
    char c = held ? 'y' : 'n';
    if (write(ready[1], &c, 1) != 1) _exit(2);
    pause();  // until killed, as a program that crashes
    _exit(0);
  }
  close(ready[1]);
  char c = 0;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  close(ready[0]);
  EXPECT_EQ(c, 'y');
  EXPECT_FALSE(platform::FolderLock::acquire(dir.path()).has_value());
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(platform::fileExists(dir.path() / platform::kFolderLockName));
  EXPECT_TRUE(platform::FolderLock::acquire(dir.path()).has_value());
}

TEST(FolderLock, AFolderThatCannotHoldTheLockFileIsAnError) {
  TempFolder dir;
  EXPECT_THROW(platform::FolderLock::acquire(dir.path() / "absent"), platform::FileError);
}

}  // namespace
