// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <random>

#include "core/common/text.h"
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

// A read that fails is no end of file; a write cut short by a full disk fails.
TEST(FilesTest, FailedReadsAndShortWritesAreReported) {
  testing::TempFolder folder;
  testing::WriteBytes(folder.path() / "lines", testing::Utf16Le(u"a\nb\n"));
  std::optional<File> file = File::Open(folder.path() / "lines", OpenMode::Read);
  Utf16LineReader reader(*file);
  testing::FailingOperation fault(FileOperation::Read);
  std::optional<std::u16string> line = [&] {
    ScopedFileFaults installed(fault);
    return reader.ReadLine();
  }();
  EXPECT_TRUE(!line && reader.failed());

  std::optional<File> out = File::Open(folder.path() / "out", OpenMode::CreateNew);
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limit = saved;
  limit.rlim_cur = 100;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  const bool written = out->Write(testing::AsBytes(std::string(300, 'x')));
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(written);
}

TEST(FilesTest, PathInFolderAcceptsPlainFileNamesOnly) {
  using namespace std::literals;
  EXPECT_EQ(PathInFolder("/d", u"caf\u00E9..."), "/d/caf\xC3\xA9...");
  for (const auto name : {u""sv, u"."sv, u".."sv, u"a/b"sv, u"a\0b"sv, u"a\xD800"sv})
    EXPECT_EQ(PathInFolder("/d", name), std::nullopt) << ToUtf8(name);
}

}  // namespace
}  // namespace tallyfox
