#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "common/text.h"
#include "platform/file_lines.h"
#include "support/temp_folder.h"

namespace tallyfox {
namespace {

using testing::AsBytes;
using testing::FailingOperation;
using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;

class FilesTest : public ::testing::Test {
 protected:
  // Reads with both forms of ReadLine, which must agree.
  std::vector<std::u16string> ReadLines(const std::filesystem::path& path) {
    std::optional<File> file = File::Open(path, OpenMode::Read);
    std::optional<File> again = File::Open(path, OpenMode::Read);
    EXPECT_TRUE(file && again);
    if (!file || !again) return {};
    Utf16LineReader reader(*file);
    std::vector<std::u16string> lines;
    while (std::optional<std::u16string> line = reader.ReadLine()) lines.push_back(*line);
    EXPECT_FALSE(reader.failed());
    Utf16LineReader reusing(*again);
    std::vector<std::u16string> reused;
    for (std::u16string line; reusing.ReadLine(line);) reused.push_back(line);
    EXPECT_EQ(reused, lines);
    return lines;
  }

  testing::TempFolder folder_;
};

TEST_F(FilesTest, LineReaderSplitsAtLineFeeds) {
  using Lines = std::vector<std::u16string>;
  const struct {
    const char* name;
    std::string bytes;
    Lines expected;
  } cases[] = {
      {"empty file", "", {}},
      {"byte-order mark line", "\xFF\xFE\x0A\x00", {u"\uFEFF"}},
      {"header and item",
       Utf16Le(u"\uFEFF\n0  milk  2  food  6.50\n"),
       {u"\uFEFF", u"0  milk  2  food  6.50"}},
      {"no final line feed", Utf16Le(u"a\nbc"), {u"a", u"bc"}},
      {"empty lines", Utf16Le(u"\n\n"), {u"", u""}},
      {"carriage return kept", Utf16Le(u"a\r\nb\r"), {u"a\r", u"b\r"}},
      {"odd trailing byte", Utf16Le(u"ab") + "c", {u"ab"}},
      {"odd byte after line feed", Utf16Le(u"ab\n") + "c", {u"ab"}},
      {"single odd byte", "c", {}},
      {"beyond Latin-1", Utf16Le(u"\u20AC\U0001F600\n"), {u"\u20AC\U0001F600"}},
      {"line feed as high byte is content", std::string("\x00\x0A", 2), {u"\u0A00"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(folder_.path() / "lines.csv", c.bytes);
    EXPECT_EQ(ReadLines(folder_.path() / "lines.csv"), c.expected);
  }
}

TEST_F(FilesTest, LineReaderReadsLinesLongerThanItsBlock) {
  std::u16string longLine;
  for (int i = 0; i < 100000; ++i) longLine += static_cast<char16_t>(u'a' + i % 26);
  std::vector<std::u16string> expected = {longLine};
  for (int i = 0; i < 10000; ++i) expected.push_back(u"0  item" + std::u16string(i % 7, u'x'));
  expected.push_back(u"end");
  std::u16string text;
  for (const std::u16string& line : expected) text += line + u"\n";
  text.pop_back();
  WriteBytes(folder_.path() / "long.csv", Utf16Le(text));

  EXPECT_EQ(ReadLines(folder_.path() / "long.csv"), expected);
}

TEST_F(FilesTest, WrittenBytesReadBack) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  std::optional<File> file = File::Open(folder_.path() / "data", OpenMode::CreateTruncate);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->Write(AsBytes(all)));
  EXPECT_TRUE(file->WriteText(u"A\u20AC\n"));
  EXPECT_TRUE(file->Flush());
  EXPECT_TRUE(file->Close());
  EXPECT_FALSE(file->Close());

  const std::string expected = all + Utf16Le(u"A\u20AC\n");
  EXPECT_EQ(ReadBytes(folder_.path() / "data"), expected);
  EXPECT_EQ(ReadWholeFile(folder_.path() / "data", 1 << 20), AsBytes(expected));
  EXPECT_EQ(ReadWholeFile(folder_.path() / "data", 18), AsBytes(expected.substr(0, 18)));
  EXPECT_EQ(ReadWholeFile(folder_.path() / "missing", 18), std::nullopt);
}

TEST_F(FilesTest, OpenModesKeepTheirPromises) {
  const auto path = folder_.path() / "list.csv";
  const auto missing = folder_.path() / "missing.csv";
  const struct {
    const char* name;
    std::filesystem::path path;
    OpenMode mode;
    bool opens;
    std::string contentsAfterWritingX;  // "-" when the file must not exist
  } cases[] = {
      {"read missing", missing, OpenMode::Read, false, "-"},
      {"update missing", missing, OpenMode::ReadUpdate, false, "-"},
      {"append to missing", missing, OpenMode::AppendExisting, false, "-"},
      {"create new over existing", path, OpenMode::CreateNew, false, "old"},
      {"create new", missing, OpenMode::CreateNew, true, "X"},
      {"create or truncate existing", path, OpenMode::CreateTruncate, true, "X"},
      {"open or create existing", path, OpenMode::OpenOrCreate, true, "Xld"},
      {"open or create missing", missing, OpenMode::OpenOrCreate, true, "X"},
      {"append to existing", path, OpenMode::AppendExisting, true, "oldX"},
      {"update existing", path, OpenMode::ReadUpdate, true, "Xld"},
      {"folder", folder_.path(), OpenMode::Read, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(missing);
    WriteBytes(path, "old");
    std::optional<File> file = File::Open(c.path, c.mode);
    ASSERT_EQ(file.has_value(), c.opens);
    if (file) {
      EXPECT_TRUE(file->Write(AsBytes("X")));
      EXPECT_TRUE(file->Close());
    }
    if (c.contentsAfterWritingX == "-") {
      EXPECT_FALSE(FileExists(c.path));
    } else if (c.path != folder_.path()) {
      EXPECT_EQ(ReadBytes(c.path), c.contentsAfterWritingX);
    }
  }
}

TEST_F(FilesTest, ReplaceFilePutsTheReplacementInPlace) {
  WriteBytes(folder_.path() / "exrate.dat", "old contents, longer");
  WriteBytes(folder_.path() / "temp.csv", "new");
  EXPECT_TRUE(ReplaceFile(folder_.path() / "temp.csv", folder_.path() / "exrate.dat"));
  EXPECT_EQ(ReadBytes(folder_.path() / "exrate.dat"), "new");
  EXPECT_FALSE(FileExists(folder_.path() / "temp.csv"));

  EXPECT_FALSE(ReplaceFile(folder_.path() / "temp.csv", folder_.path() / "exrate.dat"));
  EXPECT_EQ(ReadBytes(folder_.path() / "exrate.dat"), "new");
}

TEST_F(FilesTest, RemoveFileDeletesOnlyWhatExists) {
  WriteBytes(folder_.path() / "a.csv", "");
  EXPECT_TRUE(FileExists(folder_.path() / "a.csv"));
  EXPECT_TRUE(RemoveFile(folder_.path() / "a.csv"));
  EXPECT_FALSE(FileExists(folder_.path() / "a.csv"));
  EXPECT_FALSE(RemoveFile(folder_.path() / "a.csv"));
}

TEST_F(FilesTest, ListFilesWithSuffixNamesRegularFilesOnly) {
  for (const char* name : {"milk.csv", "caf\xC3\xA9.csv", "temp.csv", ".csv", "notes.txt",
                           "UPPER.CSV", "csv", "bad\xFF.csv"}) {
    WriteBytes(folder_.path() / name, "");
  }
  std::filesystem::create_directory(folder_.path() / "folder.csv");
  std::filesystem::create_symlink(folder_.path() / "milk.csv", folder_.path() / "link.csv");
  std::filesystem::create_symlink(folder_.path() / "gone", folder_.path() / "dangling.csv");

  std::vector<std::u16string> names = ListFilesWithSuffix(folder_.path(), u".csv");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::u16string>{u".csv", u"caf\u00E9.csv", u"link.csv", u"milk.csv",
                                                u"temp.csv"}));
  EXPECT_TRUE(ListFilesWithSuffix(folder_.path() / "missing", u".csv").empty());
}

TEST_F(FilesTest, PathInFolderAcceptsPlainFileNamesOnly) {
  EXPECT_EQ(PathInFolder(folder_.path(), u"caf\u00E9.csv"), folder_.path() / "caf\xC3\xA9.csv");
  EXPECT_EQ(PathInFolder(folder_.path(), u"..."), folder_.path() / "...");
  const char16_t unpaired[] = {u'a', 0xD800};
  const std::u16string_view notPlain[] = {u"",
                                          u".",
                                          u"..",
                                          u"../tax.ini",
                                          u"a/b.csv",
                                          std::u16string_view(u"a\0b", 3),
                                          std::u16string_view(unpaired, 2)};
  for (const std::u16string_view name : notPlain) {
    SCOPED_TRACE(ToUtf8(name));
    EXPECT_EQ(PathInFolder(folder_.path(), name), std::nullopt);
  }
}

TEST_F(FilesTest, AnInjectedFaultFailsEachOperation) {
  const auto path = folder_.path() / "list.csv";
  const auto other = folder_.path() / "other.csv";
  const auto openFile = [&] { return File::Open(path, OpenMode::ReadUpdate); };
  const struct {
    FileOperation operation;
    const char* name;
    std::function<bool()> succeeds;
  } cases[] = {
      {FileOperation::Open, "open", [&] { return openFile().has_value(); }},
      {FileOperation::Read, "read", [&] { return openFile()->Read({}).has_value(); }},
      {FileOperation::Write, "write", [&] { return openFile()->Write(AsBytes("x")); }},
      {FileOperation::Flush, "flush", [&] { return openFile()->Flush(); }},
      {FileOperation::Close, "close", [&] { return openFile()->Close(); }},
      {FileOperation::Replace, "replace", [&] { return ReplaceFile(other, path); }},
      {FileOperation::Remove, "remove", [&] { return RemoveFile(other); }},
      {FileOperation::List, "list",
       [&] { return !ListFilesWithSuffix(folder_.path(), u".csv").empty(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(path, "line");
    WriteBytes(other, "other");
    {
      FailingOperation fault(c.operation);
      ScopedFileFaults installed(fault);
      EXPECT_FALSE(c.succeeds());
    }
    EXPECT_TRUE(c.succeeds());
  }
}

TEST_F(FilesTest, LineReaderReportsAReadFault) {
  WriteBytes(folder_.path() / "list.csv", Utf16Le(u"\uFEFF\n"));
  std::optional<File> file = File::Open(folder_.path() / "list.csv", OpenMode::Read);
  ASSERT_TRUE(file);
  Utf16LineReader reader(*file);
  FailingOperation fault(FileOperation::Read);
  ScopedFileFaults installed(fault);
  EXPECT_EQ(reader.ReadLine(), std::nullopt);
  EXPECT_TRUE(reader.failed());
}

}  // namespace
}  // namespace tallyfox
