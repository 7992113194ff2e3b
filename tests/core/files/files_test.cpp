// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/common/text.h"
#include "core/files/file_faults.h"
#include "core/files/file_lines.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

// Lines near its block (32768 units) and longer, units with a 0A byte, an odd byte.
TEST(FilesTest, LineReaderGivesBackEveryLineAsWritten) {
  const std::u16string alphabet = u"a \r\u010A\u0A41\u0A00\uFEFF";
  const std::size_t lengths[] = {0, 1, 32766, 32767, 32768, 65535, 100000};
  std::mt19937 random(11);
  testing::TempFolder folder;
  for (int round = 0; round < 30; ++round) {
    std::vector<std::u16string> lines(random() % 5 + 1), read;
    std::u16string text;
    for (std::u16string& line : lines) {
      line.resize(lengths[random() % std::size(lengths)] + random() % 2);
      for (char16_t& unit : line) unit = alphabet[random() % alphabet.size()];
      text += line + u"\n";
    }
    if (random() % 2 == 0) {  // a last line without LF counts, unless it is empty
      text.pop_back();
      if (lines.back().empty()) lines.pop_back();
    }
    testing::WriteBytes(folder.path() / "lines", testing::Utf16Le(text) + (round % 3 ? "" : "\n"));
    std::optional<File> file = File::Open(folder.path() / "lines", OpenMode::Read);
    Utf16LineReader reader(*file);
    while (std::optional<std::u16string> line = reader.ReadLine()) read.push_back(*line);
    ASSERT_EQ(read, lines) << "round " << round;
  }
  EXPECT_FALSE(File::Open(folder.path(), OpenMode::Read)) << "a folder is no file";
}

TEST(FilesTest, AFailedReadIsNoEndOfFile) {
  testing::TempFolder folder;
  testing::WriteBytes(folder.path() / "lines", testing::Utf16Le(u"a\nb\n"));
  std::optional<File> file = File::Open(folder.path() / "lines", OpenMode::Read);
  Utf16LineReader reader(*file);
  testing::FailingOperation fault(FileOperation::Read);
  ScopedFileFaults installed(fault);
  EXPECT_EQ(reader.ReadLine(), std::nullopt) << "line";
  EXPECT_TRUE(reader.failed()) << "failed";
}

TEST(FilesTest, AWriteCutShortByAFullDiskFails) {
  testing::TempFolder folder;
  std::optional<File> out = File::Open(folder.path() / "out", OpenMode::CreateNew);
  const testing::ScopedDiskRoom full(100);
  EXPECT_FALSE(out->Write(testing::AsBytes(std::string(300, 'x'))));
}

TEST(FilesTest, AWholeFileIsReadPastItsFirstChunk) {
  testing::TempFolder folder;
  std::string bytes(70000, 'a');
  bytes.back() = 'z';
  testing::WriteBytes(folder.path() / "big", bytes);
  const auto whole = ReadWholeFile(folder.path() / "big", 1 << 20);
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->size(), 70000u) << "bytes read";
  EXPECT_EQ(whole->back(), std::byte{'z'}) << "last byte";
}

// The limit falls one byte into the second 64 KB chunk.
TEST(FilesTest, AWholeFileIsReadNoFurtherThanTheLimit) {
  testing::TempFolder folder;
  testing::WriteBytes(folder.path() / "big", std::string(70000, 'a'));
  EXPECT_EQ(ReadWholeFile(folder.path() / "big", 65537)->size(), 65537u) << "bytes read";
}

TEST(FilesTest, AReplacePassesOverAScratchNameAlreadyTaken) {
  struct FirstNameTaken : FileFaults {
    bool ShouldFail(FileOperation operation, const std::filesystem::path&) override {
      if (operation != FileOperation::Open || taken) return false;
      errno = EEXIST;
      return taken = true;
    }
    bool taken = false;
  } faults;
  testing::TempFolder folder;
  const ScopedFileFaults scoped(faults);
  EXPECT_EQ(ReplaceFile(folder.path() / "list", testing::AsBytes("milk")), Replaced::Yes);
  EXPECT_EQ(testing::ReadBytes(folder.path() / "list"), "milk");
}

// A link counts as what it points at.
TEST(FilesTest, ListingNamesFilesAndLinksToFilesButNoFolders) {
  testing::TempFolder folder;
  const std::filesystem::path& at = folder.path();
  testing::WriteBytes(at / "a.csv", "");
  std::filesystem::create_symlink(at / "a.csv", at / "link.csv");
  std::filesystem::create_directory(at / "folder.csv");
  std::filesystem::create_directory_symlink(at / "folder.csv", at / "folderlink.csv");
  std::vector<std::u16string> names = ListFilesWithSuffix(at, u".csv");
  std::ranges::sort(names);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"a.csv", u"link.csv"}));
}

TEST(FilesTest, PathInFolderAcceptsPlainFileNamesOnly) {
  using namespace std::literals;
  EXPECT_EQ(PathInFolder("/d", u"caf\u00E9..."), "/d/caf\xC3\xA9...");
  for (const auto name : {u""sv, u"."sv, u".."sv, u"a/b"sv, u"a\0b"sv, u"a\xD800"sv})
    EXPECT_EQ(PathInFolder("/d", name), std::nullopt) << ToUtf8(name);
}

}  // namespace
}  // namespace tallyfox
