// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench_data.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <stdexcept>

#include "core/common/numbers.h"
#include "core/common/text.h"

namespace tallyfox::bench {
namespace {

constexpr std::array<std::u16string_view, 24> kGroceries = {
    u"milk",      u"bread",        u"eggs",       u"butter",       u"apples",
    u"bananas",   u"orange_juice", u"coffee",     u"tea",          u"rice",
    u"spaghetti", u"tomato_sauce", u"cheddar",    u"yoghurt",      u"chicken_breast",
    u"olive_oil", u"dish_soap",    u"toothpaste", u"paper_towels", u"shampoo",
    u"batteries", u"sunscreen",    u"baby_wipes", u"socks",
};

constexpr std::array<std::u16string_view, 6> kCatalogs = {u"food",   u"home",    u"grocery",
                                                          u"beauty", u"apparel", u"pharmacy"};

// A name that is unique in its list, as the Shopping List dialog wants.
std::u16string ItemName(int index) {
  std::u16string name(kGroceries[index % kGroceries.size()]);
  if (index >= static_cast<int>(kGroceries.size())) {
    name += FormatInteger(index / static_cast<int>(kGroceries.size()));
  }
  return name;
}

}  // namespace

std::u16string ListFileText(int itemCount) {
  std::u16string text = u"\uFEFF\n";
  for (int i = 0; i < itemCount; ++i) {
    const int qty = 1 + i % 4;
    const double unitPrice = 0.49 + (i * 37 % 1500) / 100.0;
    text += i % 4 == 0 ? u"1" : u"0";
    text += u"  " + ItemName(i) + u"  " + FormatInteger(qty) + u"  ";
    text += std::u16string(kCatalogs[i % kCatalogs.size()]) + u"  " +
            FormatFixed2(qty * unitPrice) + u"\n";
  }
  return text;
}

std::vector<std::byte> ReadFileBytes(const std::filesystem::path& path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status;
  if (descriptor < 0 || fstat(descriptor, &status) != 0) {
    throw std::runtime_error("cannot read " + path.string());
  }
  std::vector<std::byte> bytes(static_cast<std::size_t>(status.st_size));
  const ssize_t count = read(descriptor, bytes.data(), bytes.size());
  close(descriptor);
  if (count != static_cast<ssize_t>(bytes.size()))
    throw std::runtime_error("cannot read " + path.string());
  return bytes;
}

void WriteBytes(const std::filesystem::path& path, std::span<const std::byte> bytes) {
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const bool written = descriptor >= 0 && write(descriptor, bytes.data(), bytes.size()) ==
                                              static_cast<ssize_t>(bytes.size());
  if (descriptor >= 0) close(descriptor);
  if (!written) throw std::runtime_error("cannot write " + path.string());
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::current_path() / "tallyfox-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a folder in " + std::filesystem::current_path().string());
  }
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void FailingReporter::Report(std::u16string_view message) {
  std::fprintf(stderr, "tallyfox_bench: unexpected message \"%s\"\n", ToUtf8(message).c_str());
  std::abort();
}

}  // namespace tallyfox::bench
