// A process that keeps rewriting lists, storing exchange rates and saving the
// tax setting is killed at random moments: every file must then be whole,
// with its old contents or its new, and the next change must succeed.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "../common/test_files.h"
#include "../shoplist/recording_reporter.h"
#include "common/text.h"
#include "converter/exchange_rates.h"
#include "shoplist/list_store.h"
#include "support/temp_folder.h"
#include "tax/tax_file.h"

namespace tallyfox {
namespace {

using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;

constexpr int kKills = 30;
constexpr int kItems = 200;

// One file and the change that flips it between its two states.
struct Flipper {
  std::string file;
  std::function<bool(const std::filesystem::path& folder, bool second)> change;
};

std::vector<Flipper> Flippers() {
  return {
      {"update.csv",
       [](const std::filesystem::path& folder, bool second) {
         testing::RecordingReporter reporter;
         double subtotal = 0;
         return ListStore(folder, reporter)
             .RewriteUpdate(u"update", kItems / 2, second ? 2 : 1, second ? 2.0 : 1.0, 0, subtotal);
       }},
      {"ticks.csv",
       [](const std::filesystem::path& folder, bool second) {
         testing::RecordingReporter reporter;
         double subtotal = 0;
         return ListStore(folder, reporter)
             .RewriteChecks(u"ticks", second ? std::vector<int>{1, kItems} : std::vector<int>{},
                            subtotal);
       }},
      {"exrate.dat",
       [](const std::filesystem::path& folder, bool second) {
         testing::RecordingReporter reporter;
         return StoreExchangeRate(folder / "exrate.dat", folder / "temp.csv", 0, 1,
                                  second ? u"1.25" : u"0.8", reporter);
       }},
      {"tax.ini",
       [](const std::filesystem::path& folder, bool second) {
         std::optional<TaxFileWriter> writer = TaxFileWriter::Open(folder);
         return writer &&
                writer->Write(second ? TaxSetting{u"S.", u"8.375"} : TaxSetting{u"CA", u""});
       }},
  };
}

std::string ListText() {
  std::u16string text = u"\uFEFF\n";
  for (int i = 0; i < kItems; ++i) {
    text += u"0  item" + FromUtf8(std::to_string(i)) + u"  1  food  1.00\n";
  }
  return Utf16Le(text);
}

void PrepareFolder(const std::filesystem::path& folder) {
  WriteBytes(folder / "update.csv", ListText());
  WriteBytes(folder / "ticks.csv", ListText());
  WriteBytes(folder / "untouched.csv", ListText());
  std::u16string rates = u"\uFEFF\n";
  for (int from = 0; from < 24; ++from) {
    for (int to = 0; to < 24; ++to) {
      rates += FromUtf8(std::to_string(from) + "  " + std::to_string(to) + "  1  \n");
    }
  }
  WriteBytes(folder / "exrate.dat", Utf16Le(rates));
}

// Never returns: flips every file from the state it is in, in an order of
// its own each round, until it is killed.
[[noreturn]] void FlipForever(const std::filesystem::path& folder, std::vector<bool> atSecond,
                              unsigned seed) {
  const std::vector<Flipper> flippers = Flippers();
  std::vector<std::size_t> order(flippers.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::mt19937 random(seed);
  for (;;) {
    std::ranges::shuffle(order, random);
    for (const std::size_t i : order) {
      atSecond[i] = !atSecond[i];
      flippers[i].change(folder, atSecond[i]);
    }
  }
}

TEST(CrashTest, AKilledProcessLeavesEveryFileWholeOldOrNew) {
  const std::vector<Flipper> flippers = Flippers();
  // Each file's two states, as the changes themselves write them.
  testing::TempFolder model;
  PrepareFolder(model.path());
  std::vector<std::string> first, second;
  for (const Flipper& flipper : flippers) {
    ASSERT_TRUE(flipper.change(model.path(), true));
    second.push_back(ReadBytes(model.path() / flipper.file));
    ASSERT_TRUE(flipper.change(model.path(), false));
    first.push_back(ReadBytes(model.path() / flipper.file));
  }

  testing::TempFolder folder;
  PrepareFolder(folder.path());
  for (const Flipper& flipper : flippers) ASSERT_TRUE(flipper.change(folder.path(), false));
  const std::string untouched = ReadBytes(folder.path() / "untouched.csv");

  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(::testing::Message() << "seed " << seed);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delayMicroseconds(0, 60000);
  std::vector<int> changes(flippers.size());
  int killsMidChange = 0;
  std::vector<std::string> last = first;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::vector<bool> atSecond;
      for (std::size_t i = 0; i < flippers.size(); ++i) atSecond.push_back(last[i] == second[i]);
      FlipForever(folder.path(), atSecond, random());
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the changing process ended by itself";

    for (std::size_t i = 0; i < flippers.size(); ++i) {
      SCOPED_TRACE(::testing::Message() << "kill " << kill << ", " << flippers[i].file);
      const std::string now = ReadBytes(folder.path() / flippers[i].file);
      ASSERT_TRUE(now == first[i] || now == second[i]) << "holds " << now.size() << " bytes";
      if (now != last[i]) ++changes[i];
      last[i] = now;
    }
    ASSERT_EQ(ReadBytes(folder.path() / "untouched.csv"), untouched);
    // A scratch file left behind shows that the kill came in mid-change.
    for (const char* scratch : {"temp.csv", "tax.ini.new"}) {
      if (std::filesystem::exists(folder.path() / scratch)) ++killsMidChange;
    }
  }
  EXPECT_GT(killsMidChange, 0) << "no kill came in the middle of a change";
  // A scratch file left by a kill is no obstacle to the next change.
  for (std::size_t i = 0; i < flippers.size(); ++i) {
    SCOPED_TRACE(flippers[i].file);
    EXPECT_GT(changes[i], 0) << "no change ever finished: the kills tested nothing";
    const bool toSecond = last[i] == first[i];
    ASSERT_TRUE(flippers[i].change(folder.path(), toSecond));
    EXPECT_EQ(ReadBytes(folder.path() / flippers[i].file), toSecond ? second[i] : first[i]);
  }
}

}  // namespace
}  // namespace tallyfox
