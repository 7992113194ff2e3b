// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/output.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tallyfox {
namespace {

TEST(OutputTest, AWriteThatAllGoesOutSaysNothing) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(WriteAndFlush(stream, "milk\n"), std::nullopt) << "reason";
  EXPECT_EQ(std::ftell(stream), 5) << "bytes written";
  std::fclose(stream);
}

TEST(OutputTest, AFullDiskIsNamed) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full here";
  EXPECT_EQ(WriteAndFlush(full, "milk\n"), "No space left on device");
  std::fclose(full);
}

}  // namespace
}  // namespace tallyfox
