// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The stores under real conditions a hostile or broken folder makes: links,
// a list past the size limit, a rate file in another encoding.

#include <gtest/gtest.h>

#include "core/converter/exchange_rates.h"
#include "core/shoplist/list_store.h"
#include "core/tax/tax_file.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;
using Texts = std::vector<std::u16string>;

const std::string kList = Utf16Le(u"\uFEFF\n0  milk  2  food  6.50\n0  tea  1  food  2.25\n");
const std::string kRates = Utf16Le(u"\uFEFF\n0  1  0.9\n1  0  1.1\n");
const std::u16string kUpdateFailed = u"Failed to update shopping list file";

// Every change a user can make to list.csv, the rates and tax.ini, and what
// each told the user.
Texts ChangeEverything(const fs::path& folder) {
  testing::RecordingReporter reporter;
  ListStore store(folder, reporter);
  double subtotal = 8.75;
  store.RewriteChecks(u"list", {1}, subtotal);
  store.RewriteDelete(u"list", 0, subtotal);
  store.RewriteUpdate(u"list", 0, 3, 1, 2.25, subtotal);
  store.AppendItem(u"list", {false, u"jam", u"1", u"food", u"3.00"});
  StoreExchangeRate(folder / "exrate.dat", 0, 1, u"0.8", reporter);
  std::optional<TaxFileWriter> tax = TaxFileWriter::Open(folder);
  if (!tax || !tax->Write({u"CA", u""})) reporter.messages.push_back(u"tax");
  return reporter.messages;
}

TEST(HostileFolderTest, LinkedDataFilesAreNeverWrittenThrough) {
  testing::TempFolder folder, outside;
  for (const char* name : {"list.csv", "exrate.dat", "tax.ini"}) {
    WriteBytes(outside.path() / name, kList);
    fs::create_symlink(outside.path() / name, folder.path() / name);
  }
  EXPECT_EQ(ChangeEverything(folder.path()),
            (Texts{kUpdateFailed, kUpdateFailed, kUpdateFailed, u"Failed to save item.",
                   u"Failed to open rate file.", u"tax"}));
  for (const char* name : {"list.csv", "exrate.dat", "tax.ini"}) {
    EXPECT_EQ(ReadBytes(outside.path() / name), kList) << name;
    EXPECT_TRUE(fs::is_symlink(folder.path() / name)) << name;
  }
  // A dangling link creates nothing where it points.
  fs::remove(outside.path() / "tax.ini");
  EXPECT_FALSE(TaxFileWriter::Open(folder.path()));
  EXPECT_EQ(std::distance(fs::directory_iterator(outside.path()), {}), 2);
}

// An earlier version's scratch file is a list like any other. A list keeps its
// header and permission bits.
TEST(HostileFolderTest, TempIsAnOrdinaryListAndChangesKeepHeadersAndModes) {
  testing::TempFolder folder;
  const fs::path temp = folder.path() / "temp.csv", list = folder.path() / "list.csv";
  WriteBytes(temp, kList);
  WriteBytes(list, Utf16Le(u"Weekly shop\r\n0  milk  2  food  6.50\n0  tea  1  food  2.25\n"));
  fs::permissions(list, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteBytes(folder.path() / "exrate.dat", kRates);
  EXPECT_EQ(ChangeEverything(folder.path()), Texts{});
  EXPECT_EQ(ReadBytes(temp), kList);
  EXPECT_EQ(ReadBytes(list),
            Utf16Le(u"Weekly shop\r\n0  tea  3  food  1.00\n0  jam  1  food  3.00\n"));
  EXPECT_EQ(fs::status(list).permissions(), fs::perms(0640));
  testing::RecordingReporter reporter;
  double subtotal = 0;
  EXPECT_TRUE(ListStore(folder.path(), reporter).RewriteChecks(u"temp", {2}, subtotal));
  EXPECT_EQ(ReadBytes(temp), Utf16Le(u"\uFEFF\n0  milk  2  food  6.50\n1  tea  1  food  2.25\n"));
}

TEST(HostileFolderTest, AListLargerThanAnyListIsNeitherReadNorGrown) {
  testing::TempFolder folder;
  const fs::path list = folder.path() / "list.csv";
  const std::uintmax_t size = 16 * 1024 * 1024 + 2;
  WriteBytes(list, kList);
  fs::resize_file(list, size);
  testing::RecordingReporter reporter;
  ListStore store(folder.path(), reporter);
  EXPECT_FALSE(store.ReadItems(u"list"));
  EXPECT_FALSE(store.AppendItem(u"list", {false, u"jam", u"1", u"food", u"3.00"}));
  EXPECT_EQ(reporter.messages, (Texts{u"Failed to open list file.", u"Failed to save item."}));
  EXPECT_EQ(fs::file_size(list), size);
}

// UTF-8, CR line ends or an odd byte would read as one long header line.
TEST(HostileFolderTest, ARateFileThatCannotBeOursIsNeverCutDown) {
  testing::TempFolder folder;
  const fs::path rates = folder.path() / "exrate.dat";
  for (const std::string& bytes : {std::string("\xEF\xBB\xBF\n0  1  0.9\n1  0  1.1\n"),
                                   Utf16Le(u"\uFEFF\r0  1  0.9\r1  0  1.1\r"), kRates + "x"}) {
    WriteBytes(rates, bytes);
    testing::RecordingReporter reporter;
    EXPECT_EQ(ReadExchangeRate(rates, 0, 1, reporter), 0);
    EXPECT_FALSE(StoreExchangeRate(rates, 0, 1, u"0.8", reporter));
    EXPECT_EQ(reporter.messages,
              (Texts{u"Failed to open exchange rate file.", u"Failed to open rate file."}));
    EXPECT_EQ(ReadBytes(rates), bytes);
  }
}

}  // namespace
}  // namespace tallyfox
