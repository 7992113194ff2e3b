#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "../common/test_files.h"
#include "common/text.h"
#include "recording_reporter.h"
#include "shoplist/list_store.h"
#include "support/temp_folder.h"

namespace tallyfox {
namespace {

constexpr int kItems = 400;
constexpr int kKills = 30;

std::u16string ListText(bool ticked) {
  std::u16string text = u"\uFEFF\n";
  for (int i = 1; i <= kItems; ++i) {
    text += (ticked ? u"1  item" : u"0  item") + FromUtf8(std::to_string(i)) + u"  2  food  1.25\n";
  }
  return text;
}

// Never returns: rewrites the list back and forth until it is killed.
[[noreturn]] void RewriteForever(const std::filesystem::path& folder) {
  testing::RecordingReporter reporter;
  ListStore store(folder, reporter);
  std::vector<int> all;
  for (int i = 1; i <= kItems; ++i) all.push_back(i);
  for (bool tick = true;; tick = !tick) {
    double subtotal = 0;
    store.RewriteChecks(u"list", tick ? all : std::vector<int>{}, subtotal);
  }
}

TEST(ListStoreCrashTest, AKilledRewriteLeavesTheOldListOrTheNewWhole) {
  testing::TempFolder folder;
  const std::filesystem::path list = folder.path() / "list.csv";
  const std::string unticked = testing::Utf16Le(ListText(false));
  const std::string ticked = testing::Utf16Le(ListText(true));
  testing::WriteBytes(list, unticked);

  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
  int changes = 0;
  std::string before = unticked;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) RewriteForever(folder.path());
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the rewriting process ended by itself";

    const std::string after = testing::ReadBytes(list);
    ASSERT_TRUE(after == unticked || after == ticked)
        << "kill " << kill << ": list holds " << after.size() << " bytes";
    if (after != before) ++changes;
    before = after;
  }
  EXPECT_GT(changes, 0) << "no rewrite ever finished: the kills tested nothing";
}

}  // namespace
}  // namespace tallyfox
