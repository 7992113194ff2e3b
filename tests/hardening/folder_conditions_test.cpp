// Every list operation on a folder that is read-only or missing, and on
// files that are not UTF-16: each fails the way the user is told about, or
// works, and no file changes unless the operation succeeded.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "../shoplist/recording_reporter.h"
#include "common/text.h"
#include "shoplist/list_store.h"
#include "support/temp_folder.h"

namespace tallyfox {
namespace {

using std::filesystem::perms;
using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;

const std::string kList = Utf16Le(u"\uFEFF\n0  milk  2  food  6.50\n1  tea  1  food  2.25\n");

// Runs every list operation once, in the order a user might, and says what
// each gave and told the user: "create: failed [Failed to create shopping list.]".
std::string RunEveryListOperation(const std::filesystem::path& folder) {
  testing::RecordingReporter reporter;
  ListStore store(folder, reporter);
  std::string transcript;
  const auto note = [&](const char* operation, bool succeeded) {
    transcript += std::string(operation) + (succeeded ? ": ok" : ": failed");
    for (const std::u16string& message : reporter.messages)
      transcript += " [" + ToUtf8(message) + "]";
    transcript += "\n";
    reporter.messages.clear();
  };
  double subtotal = 8.75;
  note("list", !store.ListLists().empty());
  note("exists", store.ListExists(u"list"));
  note("create", store.CreateList(u"new"));
  note("read", store.ReadItems(u"list").has_value());
  note("append", store.AppendItem(u"list", {false, u"jam", u"1", u"food", u"3.00"}));
  note("tick", store.RewriteChecks(u"list", {1}, subtotal));
  note("update", store.RewriteUpdate(u"list", 0, 3, 9.75, 6.5, subtotal));
  note("delete item", store.RewriteDelete(u"list", 0, subtotal));
  note("delete list", store.DeleteList(u"list"));
  return transcript;
}

// Runs `body` in a child process and hands back what it returned. As root the
// child first enters a user namespace of its own, where root's power over
// files no longer applies: a folder's permission bits bind it as they bind
// its owner. Nothing when that cannot be done.
std::optional<std::string> RunAsFileOwner(const std::function<std::string()>& body) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    if (geteuid() == 0 && unshare(CLONE_NEWUSER) != 0) _exit(1);
    const std::string result = body();
    const bool written =
        write(pipeEnds[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
    _exit(written ? 0 : 1);
  }
  close(pipeEnds[1]);
  std::string result;
  char buffer[4096];
  for (ssize_t count; (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    result.append(buffer, static_cast<std::size_t>(count));
  }
  close(pipeEnds[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return result;
}

TEST(FolderConditionsTest, EveryListOperationOnAReadOnlyFolder) {
  const struct {
    const char* label;
    perms fileMode;
    const char* transcript;
  } cases[] = {
      {"lists read-only too", perms::owner_read,
       "list: ok\nexists: ok\ncreate: failed [Failed to create shopping list.]\nread: ok\n"
       "append: failed [Failed to save item.]\ntick: failed\nupdate: failed\n"
       "delete item: failed\ndelete list: failed [Failed to delete shopping list file]\n"},
      // An append needs only the file; a rewrite needs room for its scratch
      // file and fails silently, leaving the caller to tell the user.
      {"lists writable", perms::owner_read | perms::owner_write,
       "list: ok\nexists: ok\ncreate: failed [Failed to create shopping list.]\nread: ok\n"
       "append: ok\ntick: failed\nupdate: failed\ndelete item: failed\n"
       "delete list: failed [Failed to delete shopping list file]\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    testing::TempFolder folder;
    const std::filesystem::path list = folder.path() / "list.csv";
    WriteBytes(list, kList);
    std::filesystem::permissions(list, c.fileMode);
    std::filesystem::permissions(folder.path(), perms::owner_read | perms::owner_exec);
    const std::optional<std::string> transcript =
        RunAsFileOwner([&] { return RunEveryListOperation(folder.path()); });
    if (!transcript) GTEST_SKIP() << "no way here to give up root's power over files";
    EXPECT_EQ(*transcript, c.transcript);
    const std::string appended = kList + Utf16Le(u"0  jam  1  food  3.00\n");
    EXPECT_EQ(ReadBytes(list), c.fileMode == perms::owner_read ? kList : appended);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  }
}

TEST(FolderConditionsTest, EveryListOperationOnAMissingFolder) {
  testing::TempFolder parent;
  const std::filesystem::path folder = parent.path() / "gone";
  EXPECT_EQ(RunEveryListOperation(folder),
            "list: failed\nexists: failed\ncreate: failed [Failed to create shopping list.]\n"
            "read: failed [Failed to open list file.]\nappend: failed [Failed to save item.]\n"
            "tick: failed\nupdate: failed\ndelete item: failed\n"
            "delete list: failed [Failed to delete shopping list file]\n");
  EXPECT_FALSE(std::filesystem::exists(folder));
}

std::string Latin1(std::u16string_view text) {
  std::string bytes;
  for (const char16_t c : text) bytes += static_cast<char>(c);
  return bytes;
}

std::string Utf16Be(std::u16string_view text) {
  std::string bytes;
  for (const char16_t c : text) bytes += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
  return bytes;
}

// Such a file reads as one item whose tick field is one long word of the
// whole text: a tick rewrite would have replaced it all by "0".
TEST(FolderConditionsTest, FilesNotInUtf16AreReadButNeverRewrittenAway) {
  const std::u16string text = u"\uFEFF\n0  caf\u00E9  2  food  6.50\n1  tea  1  food  2.25\n";
  const struct {
    const char* label;
    std::string bytes;
  } cases[] = {
      {"UTF-8", ToUtf8(text)},
      {"UTF-8 without byte-order mark", ToUtf8(text.substr(2))},
      {"Latin-1", Latin1(text.substr(2))},
      {"UTF-16 big-endian", Utf16Be(text)},
      {"binary", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    testing::TempFolder folder;
    const std::filesystem::path list = folder.path() / "list.csv";
    WriteBytes(list, c.bytes);
    testing::RecordingReporter reporter;
    ListStore store(folder.path(), reporter);
    EXPECT_TRUE(store.ReadItems(u"list").has_value());
    double subtotal = 0;
    EXPECT_FALSE(store.RewriteChecks(u"list", {1}, subtotal));
    EXPECT_FALSE(store.RewriteUpdate(u"list", 0, 1, 1.0, 0, subtotal));
    EXPECT_EQ(reporter.messages,
              std::vector<std::u16string>{u"Failed to update shopping list file"});
    EXPECT_EQ(ReadBytes(list), c.bytes);
    // An append keeps what was there and adds its own line.
    EXPECT_TRUE(store.AppendItem(u"list", {false, u"jam", u"1", u"food", u"3.00"}));
    EXPECT_EQ(ReadBytes(list).substr(0, c.bytes.size()), c.bytes);
  }
}

}  // namespace
}  // namespace tallyfox
