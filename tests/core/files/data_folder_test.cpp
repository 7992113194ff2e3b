// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/test_files.h"

namespace tallyfox {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

// Runs with HOME and XDG_DATA_HOME as a case sets them, and restores both.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(program_); }

  testing::ScopedEnvironment environment_{"HOME", "XDG_DATA_HOME"};
  testing::TempFolder root_;
  const fs::path program_ = root_.path() / "bin";
};

TEST_F(DataFolderTest, CommandLineFolderComesFirst) {
  WriteBytes(program_ / "tax.ini", "portable");
  EXPECT_EQ(FindDataFolder(program_, "/data/lists").folder, "/data/lists");
}

TEST_F(DataFolderTest, ProgramFolderHoldingDataIsAPortableCopy) {
  setenv("HOME", "/home/user", 1);
  WriteBytes(program_ / "exrate.dat", "rates");
  EXPECT_EQ(FindDataFolder(program_, {}).folder, program_);
}

TEST_F(DataFolderTest, ProgramFolderWithoutDataLeavesItToTheUserFolder) {
  setenv("HOME", "/home/user", 1);
  EXPECT_EQ(FindDataFolder(program_, {}).folder, "/home/user/.local/share/tallyfox");
  setenv("XDG_DATA_HOME", "/xdg", 1);
  EXPECT_EQ(FindDataFolder(program_, {}).folder, "/xdg/tallyfox");
  setenv("XDG_DATA_HOME", "relative", 1);  // ignored, as the XDG rules say
  EXPECT_EQ(FindDataFolder(program_, {}).folder, "/home/user/.local/share/tallyfox");
}

TEST_F(DataFolderTest, NeitherHomeNorXdgSetIsNoFolderAndSaysSo) {
  const FoundFolder found = FindDataFolder(program_, {});
  EXPECT_EQ(found.folder, fs::path());
  EXPECT_EQ(found.problem,
            "Neither HOME nor XDG_DATA_HOME is set, so there is no data folder; name one with "
            "--data-dir FOLDER.");
}

TEST_F(DataFolderTest, MissingFolderIsCreated) {
  const fs::path folder = root_.path() / "a/b/tallyfox";
  EXPECT_EQ(MakeDataFolderUsable(folder), std::nullopt);
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(DataFolderTest, FileInPlaceOfTheFolderIsNamedAndKept) {
  const fs::path file = root_.path() / "passwd";
  WriteBytes(file, "root:x:0:0");
  EXPECT_EQ(MakeDataFolderUsable(file), "The data folder " + file.string() + " is not a folder.");
  EXPECT_EQ(ReadBytes(file), "root:x:0:0");
}

TEST_F(DataFolderTest, FolderThatCannotBeCreatedIsNamed) {
  WriteBytes(root_.path() / "file", "");
  const fs::path folder = root_.path() / "file/tallyfox";
  EXPECT_EQ(MakeDataFolderUsable(folder),
            "The data folder " + folder.string() + " cannot be created: Not a directory.");
}

TEST_F(DataFolderTest, FolderWithoutRatesGetsTheDefaultOnesAndKeepsItsOwn) {
  const fs::path given = root_.path() / "given", own = root_.path() / "own";
  fs::create_directories(given);
  fs::create_directories(own);
  WriteBytes(own / "exrate.dat", "user's rates");
  for (const fs::path& folder : {given, own}) {
    std::optional<OpenDataFolder> opened;
    EXPECT_EQ(OpenDataFolder::Open(folder, testing::AsBytes("default rates"), opened),
              OpenDataFolder::Outcome::Ready);
  }
  EXPECT_EQ(ReadBytes(given / "exrate.dat"), "default rates");
  EXPECT_EQ(ReadBytes(own / "exrate.dat"), "user's rates");
}

// The second leaves before it touches a file: the leftover stays, no rates come.
TEST_F(DataFolderTest, FolderHeldByAnotherCopyIsNotOpenedAgain) {
  std::optional<OpenDataFolder> first, second;
  ASSERT_EQ(OpenDataFolder::Open(program_, {}, first), OpenDataFolder::Outcome::Ready);
  WriteBytes(program_ / ".tallyfox-scratch-1-2", "left by a crash");
  EXPECT_EQ(OpenDataFolder::Open(program_, testing::AsBytes("rates"), second),
            OpenDataFolder::Outcome::HeldElsewhere);
  EXPECT_FALSE(second.has_value());
  EXPECT_TRUE(fs::exists(program_ / ".tallyfox-scratch-1-2"));
  EXPECT_FALSE(fs::exists(program_ / "exrate.dat"));
}

// An interrupted save left a scratch file, or in earlier versions a tax
// record of 12 or 14 bytes as tax.ini.new; anything else by that name is the user's.
TEST_F(DataFolderTest, LeftoversGoButAUsersTaxIniNewStays) {
  const fs::path scratch = program_ / ".tallyfox-scratch-1-2", old = program_ / "tax.ini.new";
  for (const std::string& record : {std::string(12, 'x'), std::string(14, 'x')}) {
    WriteBytes(scratch, "half a list");
    WriteBytes(old, record);
    RemoveLeftovers(program_);
    EXPECT_FALSE(fs::exists(scratch));
    EXPECT_FALSE(fs::exists(old)) << record.size() << " bytes";
  }
  const std::string usersText = "my notes on the tax, forty bytes long...";
  WriteBytes(old, usersText);
  RemoveLeftovers(program_);
  EXPECT_EQ(ReadBytes(old), usersText);
  fs::remove(old);
  WriteBytes(program_ / "record", std::string(12, 'x'));
  fs::create_symlink(program_ / "record", old);
  RemoveLeftovers(program_);
  EXPECT_TRUE(fs::is_symlink(old)) << "a link to 12 bytes";
}

}  // namespace
}  // namespace tallyfox
