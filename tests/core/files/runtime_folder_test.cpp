// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/runtime_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/test_files.h"

namespace tallyfox {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Runs with XDG_RUNTIME_DIR unset and the temporary folder inside the test's
// own, and restores both.
class RuntimeFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("TMPDIR", root_.path().c_str(), 1); }
  fs::path Private(const std::string& name) {
    const fs::path folder = root_.path() / name;
    mkdir(folder.c_str(), 0700);
    return folder;
  }

  testing::ScopedEnvironment environment_{"XDG_RUNTIME_DIR", "TMPDIR"};
  testing::TempFolder root_;
  const fs::path ownUnderTemporary_ = root_.path() / ("tallyfox-" + std::to_string(getuid()));
};

TEST_F(RuntimeFolderTest, FolderOthersMayReadIsNotPrivate) {
  const fs::path folder = Private("run");
  chmod(folder.c_str(), 0755);
  EXPECT_FALSE(IsPrivateFolder(folder));
}

TEST_F(RuntimeFolderTest, LinkToAPrivateFolderIsNotPrivate) {
  const fs::path link = root_.path() / "link";
  fs::create_directory_symlink(Private("run"), link);
  EXPECT_FALSE(IsPrivateFolder(link));
}

TEST_F(RuntimeFolderTest, FolderOfAnotherUserIsNotPrivate) {
  const fs::path folder = Private("run");
  constexpr uid_t kNobody = 65534;
  if (chown(folder.c_str(), kNobody, kNobody) != 0) GTEST_SKIP() << "only root can give it away";
  EXPECT_FALSE(IsPrivateFolder(folder));
}

TEST_F(RuntimeFolderTest, GivenRuntimeFolderIsUsedWhenPrivate) {
  const fs::path given = Private("run");
  setenv("XDG_RUNTIME_DIR", given.c_str(), 1);
  EXPECT_EQ(UserRuntimeFolder(), given);
  chmod(given.c_str(), 0777);
  EXPECT_EQ(UserRuntimeFolder(), fs::path());
}

TEST_F(RuntimeFolderTest, WithoutRuntimeFolderOneIsMadeUnderTemporaryForTheUserAlone) {
  EXPECT_EQ(UserRuntimeFolder(), ownUnderTemporary_);
  EXPECT_EQ(ModeOf(ownUnderTemporary_), 0700u);
}

TEST_F(RuntimeFolderTest, FolderUnderTemporaryOthersMayWriteInIsRefusedAndLeftAlone) {
  mkdir(ownUnderTemporary_.c_str(), 0700);
  chmod(ownUnderTemporary_.c_str(), 0777);
  EXPECT_EQ(UserRuntimeFolder(), fs::path());
  EXPECT_EQ(ModeOf(ownUnderTemporary_), 0777u);
}

}  // namespace
}  // namespace tallyfox
