// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stored files changed with each kind of file operation failing, and killed at each.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <utility>

#include "core/converter/exchange_rates.h"
#include "core/shoplist/list_store.h"
#include "core/tax/tax_file.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using testing::Utf16Le;
using Op = FileOperation;
using Folder = const std::filesystem::path&;
using Snapshot = std::map<std::string, std::string>;

const std::u16string kUpdateFailed = u"Failed to update shopping list file";
const char* const kScratch = ".tallyfox-scratch-";

// Fails one kind of operation on one file ("" for any), or kills at turn `killAt`.
struct Faults : FileFaults {
  Faults(Op failing, std::string prefix, int killTurn = 0)
      : op(failing), file(std::move(prefix)), killAt(killTurn) {}
  bool ShouldFail(Op asked, Folder path) override {
    if (--killAt == 0) raise(SIGKILL);
    return asked == op && path.filename().string().starts_with(file);
  }
  Op op;
  std::string file;
  int killAt;
};

Snapshot TakeSnapshot(Folder folder) {
  Snapshot files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files[entry.path().filename().string()] = testing::ReadBytes(entry.path());
  return files;
}

// Lines that name no pair, or another: setting a rate keeps them as they are.
const std::u16string kOtherRates = u"\n  \n0  1\n5  6  4  \r\nx  y  z\n10  1  0.5\n";

void PrepareFolder(Folder folder) {
  testing::WriteBytes(folder / "list.csv",
                      Utf16Le(u"\uFEFF\n0  milk  2  food  6.50\n1  soap  1  home  2.25\n"));
  testing::WriteBytes(folder / "exrate.dat", Utf16Le(u"\uFEFF" + kOtherRates + u"1  0  1.1"));
  testing::WriteBytes(folder / "tax.ini", std::string("S...8\0.\0002\0005\0", 12));
}

bool Create(Folder f, Reporter& r) { return ListStore(f, r).CreateList(u"new"); }
bool Delete(Folder f, Reporter& r) { return ListStore(f, r).DeleteList(u"list"); }
bool Read(Folder f, Reporter& r) { return ListStore(f, r).ReadItems(u"list").has_value(); }
bool Append(Folder f, Reporter& r) {
  return ListStore(f, r).AppendItem(u"list", {false, u"jam", u"1", u"food", u"3.00"});
}
bool Rewrite(Folder f, Reporter& r) {
  const std::optional<double> subtotal = ListStore(f, r).RewriteDelete(u"list", 1, 8.75);
  EXPECT_EQ(subtotal.value_or(6.5), 6.5);
  return subtotal.has_value();
}
TaxSetting taxRead;
bool ReadTax(Folder f, Reporter& r) { return ReadTaxFile(f, taxRead, r); }
bool SaveTax(Folder f, Reporter&) {
  std::optional<TaxFileWriter> writer = TaxFileWriter::Open(f);
  return writer && writer->Write({u"CA", u""});
}
bool SetRate(Folder f, Reporter& r) {
  const bool done = StoreExchangeRate(f / "exrate.dat", 0, 1, u"0.8", r);
  const std::u16string text = u"\uFEFF" + kOtherRates + u"1  0  1.2500  \n0  1  0.8  \n";
  EXPECT_EQ(testing::ReadBytes(f / "exrate.dat") == Utf16Le(text), done);
  return done;
}

// A change with one kind of operation failing at a time, on the named file or on any.
struct Change {
  const char* name;
  std::vector<Op> failing;
  std::vector<std::u16string> messages;
  bool (*run)(Folder, Reporter&);
  bool replacesAFile = false;
  const char* onlyFile = "";
};

TEST(HardeningTest, AFailedOrKilledChangeLosesNothing) {
  const std::vector<Op> writing{Op::Write, Op::Flush, Op::Close, Op::Replace};
  const Change changes[] = {
      {"create",
       {Op::Open, Op::Write, Op::Flush, Op::Close},
       {u"Failed to create shopping list."},
       Create},
      {"delete", {Op::Remove}, {u"Failed to delete shopping list file"}, Delete},
      {"read", {Op::Open, Op::Read}, {u"Failed to open list file."}, Read},
      {"append", {Op::Open, Op::Read, Op::Write, Op::Flush}, {u"Failed to save item."}, Append},
      {"open a list to rewrite", {Op::Open}, {kUpdateFailed}, Rewrite},
      {"open the scratch file", {Op::Open}, {kUpdateFailed}, Rewrite, false, kScratch},
      {"read a list to rewrite", {Op::Read}, {kUpdateFailed}, Rewrite},
      {"rewrite", writing, {kUpdateFailed}, Rewrite, true},
      {"read the tax file", {Op::Open, Op::Read}, {u"Read tax file failed!"}, ReadTax},
      {"open the tax file", {Op::Open}, {}, SaveTax},
      {"save the tax file", writing, {}, SaveTax, true},
      {"open the rate file", {Op::Open, Op::Read}, {u"Failed to open rate file."}, SetRate},
      {"rate scratch", {Op::Open}, {u"Failed to create tmp file."}, SetRate, false, kScratch},
      {"set a rate", writing, {u"Failed to update exchange rate file"}, SetRate, true},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    testing::TempFolder clean, killed;
    PrepareFolder(clean.path());
    const Snapshot before = TakeSnapshot(clean.path());
    testing::RecordingReporter reporter;
    ASSERT_TRUE(change.run(clean.path(), reporter));
    const Snapshot after = TakeSnapshot(clean.path());
    for (const Op op : change.failing) {
      SCOPED_TRACE(::testing::Message() << "failing operation " << int(op));
      testing::TempFolder folder;
      PrepareFolder(folder.path());
      Faults failing(op, change.onlyFile);
      ScopedFileFaults installed(failing);
      EXPECT_FALSE(change.run(folder.path(), reporter));
      EXPECT_EQ(reporter.messages, change.messages);
      EXPECT_EQ(TakeSnapshot(folder.path()), before);
      reporter.messages.clear();
    }
    if (!change.replacesAFile) continue;
    // Killed at each operation in turn until it gets through: old or new whole.
    PrepareFolder(killed.path());
    for (int killAt = 1, status = SIGKILL; WIFSIGNALED(status); ++killAt) {
      ASSERT_LT(killAt, 50) << "the change never got through";
      const pid_t child = fork();
      if (child == 0) {
        Faults kill(Op::Open, "no such file", killAt);
        ScopedFileFaults installed(kill);
        _exit(change.run(killed.path(), reporter) ? 0 : 1);
      }
      ASSERT_EQ(waitpid(child, &status, 0), child);
      Snapshot now = TakeSnapshot(killed.path());
      std::erase_if(now, [](const auto& file) { return file.first.starts_with(kScratch); });
      ASSERT_TRUE(now == before || now == after) << "killed at operation " << killAt;
    }
    RemoveLeftoverScratchFiles(killed.path());  // as the next start does
    EXPECT_EQ(TakeSnapshot(killed.path()), after);
  }
}

}  // namespace
}  // namespace tallyfox
