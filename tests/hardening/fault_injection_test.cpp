// Every file operation of every store, made to fail in turn: a run without
// faults is counted first, then its 1st, 2nd ... nth operation fails. Each
// failure must give the user the right message and leave every stored file
// byte for byte as it was, or wholly new where the change had already been
// made.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "../shoplist/recording_reporter.h"
#include "converter/exchange_rates.h"
#include "shoplist/list_store.h"
#include "support/temp_folder.h"
#include "tax/tax_file.h"

namespace tallyfox {
namespace {

using testing::Utf16Le;
using testing::WriteBytes;
using Messages = std::vector<std::u16string>;
using Op = FileOperation;

// Fails the operation whose turn is `failAt` (1-based; 0 fails none) and
// records every operation asked for.
class NthOperationFails : public FileFaults {
 public:
  explicit NthOperationFails(std::size_t failAt) : failAt_(failAt) {}
  bool ShouldFail(FileOperation operation, const std::filesystem::path& path) override {
    asked.push_back({operation, operation == Op::List ? "folder" : path.filename().string()});
    return asked.size() == failAt_;
  }
  std::vector<std::pair<FileOperation, std::string>> asked;

 private:
  std::size_t failAt_;
};

// What a fault leaves: the call fails and the files are as they were; or the
// fault came too late to matter; or the change was made but reported failed
// (the system said closing failed after the data had gone to the file).
enum class Outcome { kOld, kNew, kNewReported };

struct Step {
  Op operation;
  std::string file;
  Outcome outcome;
  Messages messages;
};

struct Scenario {
  const char* name;
  std::function<bool(const std::filesystem::path&, Reporter&)> run;
  std::vector<Step> steps;  // one per operation of a run without faults
};

using Snapshot = std::map<std::string, std::string>;

Snapshot TakeSnapshot(const std::filesystem::path& folder) {
  Snapshot files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files[entry.path().filename().string()] = testing::ReadBytes(entry.path());
  }
  return files;
}

const std::u16string kListText =
    u"\uFEFF\n0  milk  2  food  6.50\n1  soap  1  home  2.25\n0  tea  3  food  4.50\n";
const std::string kRateFile = Utf16Le(u"\uFEFF\n0  1  0.9  \n1  0  1.1111  \n");
const std::string kTaxRecord = std::string("S...8\0.\0002\0005\0", 12);

void PrepareFolder(const std::filesystem::path& folder) {
  WriteBytes(folder / "list.csv", Utf16Le(kListText));
  WriteBytes(folder / "other.csv", Utf16Le(u"\uFEFF\n0  jam  1  food  3.00\n"));
  WriteBytes(folder / "exrate.dat", kRateFile);
  WriteBytes(folder / "tax.ini", kTaxRecord);
}

// A list rewrite: the list is read, the scratch file written, and then
// synced and put in the list's place.
std::vector<Step> RewriteSteps() {
  const Messages failed{u"Failed to update shopping list file"};
  return {
      {Op::Open, "list.csv", Outcome::kOld, {}},
      {Op::Read, "list.csv", Outcome::kOld, failed},
      {Op::Read, "list.csv", Outcome::kOld, failed},
      {Op::Close, "list.csv", Outcome::kNew, {}},
      {Op::Open, "temp.csv", Outcome::kOld, {}},
      {Op::Write, "temp.csv", Outcome::kOld, failed},
      {Op::Close, "temp.csv", Outcome::kOld, failed},
      {Op::Replace, "list.csv", Outcome::kOld, failed},
      {Op::Open, "temp.csv", Outcome::kOld, failed},
      {Op::Flush, "temp.csv", Outcome::kOld, failed},
      {Op::Close, "temp.csv", Outcome::kNew, {}},
  };
}

std::vector<Scenario> Scenarios() {
  const auto store = [](const std::filesystem::path& folder, Reporter& reporter) {
    return ListStore(folder, reporter);
  };
  const Messages readFailed{u"Failed to open list file."};
  const Messages saveFailed{u"Failed to save item."};
  const Messages createFailed{u"Failed to create shopping list."};
  const Messages taxFailed{u"Read tax file failed!"};
  const Messages lookupFailed{u"Failed to open exchange rate file."};
  const Messages rateFailed{u"Failed to update exchange rate file"};
  return {
      {"read tax.ini",
       [](const std::filesystem::path& folder, Reporter& reporter) {
         TaxSetting setting;
         const bool read = ReadTaxFile(folder, setting, reporter);
         EXPECT_EQ(setting.customRateText, read ? u"8.25" : u"0");
         return read;
       },
       {{Op::Open, "tax.ini", Outcome::kOld, taxFailed},
        {Op::Read, "tax.ini", Outcome::kOld, taxFailed}}},
      {"save tax.ini",
       [](const std::filesystem::path& folder, Reporter&) {
         std::optional<TaxFileWriter> writer = TaxFileWriter::Open(folder);
         return writer && writer->Write({u"CA", u"0"});
       },
       {{Op::Open, "tax.ini", Outcome::kOld, {}},
        {Op::Open, "tax.ini.new", Outcome::kOld, {}},
        {Op::Write, "tax.ini.new", Outcome::kOld, {}},
        {Op::Flush, "tax.ini.new", Outcome::kOld, {}},
        {Op::Close, "tax.ini.new", Outcome::kOld, {}},
        {Op::Replace, "tax.ini", Outcome::kOld, {}},
        {Op::Open, "tax.ini.new", Outcome::kOld, {}},
        {Op::Flush, "tax.ini.new", Outcome::kOld, {}},
        {Op::Close, "tax.ini.new", Outcome::kNew, {}},
        {Op::Close, "tax.ini", Outcome::kNew, {}}}},
      {"list lists",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         return store(folder, reporter).ListLists().size() == 2;
       },
       {{Op::List, "folder", Outcome::kOld, {}}}},
      {"create list",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         return store(folder, reporter).CreateList(u"new");
       },
       {{Op::Open, "new.csv", Outcome::kOld, createFailed},
        {Op::Write, "new.csv", Outcome::kOld, createFailed},
        {Op::Close, "new.csv", Outcome::kOld, createFailed}}},
      {"delete list",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         return store(folder, reporter).DeleteList(u"list");
       },
       {{Op::Remove, "list.csv", Outcome::kOld, {u"Failed to delete shopping list file"}}}},
      {"read items",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         return store(folder, reporter).ReadItems(u"list").has_value();
       },
       {{Op::Open, "list.csv", Outcome::kOld, readFailed},
        {Op::Read, "list.csv", Outcome::kOld, readFailed},
        {Op::Read, "list.csv", Outcome::kOld, readFailed}}},
      {"append item",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         return store(folder, reporter)
             .AppendItem(u"list", {false, u"jam", u"1", u"food", u"3.00"});
       },
       {{Op::Open, "list.csv", Outcome::kOld, saveFailed},
        {Op::Read, "list.csv", Outcome::kOld, saveFailed},
        {Op::Open, "list.csv", Outcome::kOld, saveFailed},
        {Op::Write, "list.csv", Outcome::kOld, saveFailed},
        {Op::Close, "list.csv", Outcome::kNewReported, saveFailed}}},
      {"rewrite checks",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         double subtotal = 13.25;
         return store(folder, reporter).RewriteChecks(u"list", {1, 3}, subtotal);
       },
       RewriteSteps()},
      {"rewrite delete",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         double subtotal = 13.25;
         return store(folder, reporter).RewriteDelete(u"list", 1, subtotal);
       },
       RewriteSteps()},
      {"rewrite update",
       [&](const std::filesystem::path& folder, Reporter& reporter) {
         double subtotal = 13.25;
         return store(folder, reporter).RewriteUpdate(u"list", 2, 4, 6.0, 4.5, subtotal);
       },
       RewriteSteps()},
      {"look up a rate",
       [](const std::filesystem::path& folder, Reporter& reporter) {
         return ReadExchangeRate(folder / "exrate.dat", 0, 1, reporter) == 0.9;
       },
       // The lookup stops at the pair's line, before the end of the file.
       {{Op::Open, "exrate.dat", Outcome::kOld, lookupFailed},
        {Op::Read, "exrate.dat", Outcome::kOld, lookupFailed}}},
      {"set a rate",
       [](const std::filesystem::path& folder, Reporter& reporter) {
         return StoreExchangeRate(folder / "exrate.dat", folder / "temp.csv", 0, 1, u"0.8",
                                  reporter);
       },
       {{Op::Open, "exrate.dat", Outcome::kOld, {u"Failed to open rate file."}},
        {Op::Read, "exrate.dat", Outcome::kOld, {u"Failed to open rate file."}},
        {Op::Read, "exrate.dat", Outcome::kOld, {u"Failed to open rate file."}},
        {Op::Open, "temp.csv", Outcome::kOld, {u"Failed to create tmp file."}},
        {Op::Write, "temp.csv", Outcome::kOld, rateFailed},
        {Op::Flush, "temp.csv", Outcome::kOld, rateFailed},
        {Op::Close, "temp.csv", Outcome::kOld, rateFailed},
        {Op::Replace, "exrate.dat", Outcome::kOld, rateFailed},
        {Op::Open, "temp.csv", Outcome::kOld, rateFailed},
        {Op::Flush, "temp.csv", Outcome::kOld, rateFailed},
        {Op::Close, "temp.csv", Outcome::kNew, {}}}},
  };
}

struct RunResult {
  bool succeeded;
  Messages messages;
  Snapshot files;
  std::vector<std::pair<FileOperation, std::string>> asked;
};

RunResult RunWithFault(const Scenario& scenario, std::size_t failAt) {
  testing::TempFolder folder;
  PrepareFolder(folder.path());
  testing::RecordingReporter reporter;
  NthOperationFails faults(failAt);
  bool succeeded;
  {
    ScopedFileFaults installed(faults);
    succeeded = scenario.run(folder.path(), reporter);
  }
  return {succeeded, reporter.messages, TakeSnapshot(folder.path()), faults.asked};
}

TEST(FaultInjectionTest, EachFailingOperationIsReportedAndLosesNothing) {
  std::size_t faultsTried = 0;
  for (const Scenario& scenario : Scenarios()) {
    SCOPED_TRACE(scenario.name);
    testing::TempFolder pristine;
    PrepareFolder(pristine.path());
    const Snapshot before = TakeSnapshot(pristine.path());

    const RunResult clean = RunWithFault(scenario, 0);
    ASSERT_TRUE(clean.succeeded);
    ASSERT_TRUE(clean.messages.empty());
    ASSERT_EQ(clean.asked.size(), scenario.steps.size()) << "operations of a run without faults";
    for (std::size_t n = 1; n <= scenario.steps.size(); ++n) {
      const Step& step = scenario.steps[n - 1];
      SCOPED_TRACE(::testing::Message() << "operation " << n << " on " << step.file);
      ASSERT_EQ(clean.asked[n - 1], std::make_pair(step.operation, step.file));
      const RunResult faulty = RunWithFault(scenario, n);
      EXPECT_EQ(faulty.succeeded, step.outcome == Outcome::kNew);
      EXPECT_EQ(faulty.messages, step.messages);
      EXPECT_TRUE(faulty.files == (step.outcome == Outcome::kOld ? before : clean.files))
          << "the files are neither all old nor all new";
      ++faultsTried;
    }
  }
  EXPECT_EQ(faultsTried, 71u);
}

}  // namespace
}  // namespace tallyfox
