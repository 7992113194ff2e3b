// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/test_seam.h"
#include "support/test_files.h"

namespace {

// Stands under every test's own script: a modal run or message box that no
// test expected ends at once instead of waiting for a user, and the test in
// which it happened fails.
class UndrivenWindowGuard : public testing::EmptyTestEventListener {
 public:
  void OnTestEnd(const testing::TestInfo& test) override {
    const auto failures = base_.Failures();
    for (const std::string& failure : failures) {
      std::fprintf(stderr, "%s.%s: %s outside any script\n", test.test_suite_name(), test.name(),
                   failure.c_str());
    }
    if (!failures.empty()) std::abort();
  }

 private:
  tallyfox::UiScript base_;
};

}  // namespace

// Window tests run on Qt's offscreen platform unless told otherwise; no test
// needs a display, and none touches the user's own configuration (the zoom).
int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const tallyfox::testing::TempFolder configuration;
  setenv("XDG_CONFIG_HOME", configuration.path().c_str(), 1);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new UndrivenWindowGuard);
  return RUN_ALL_TESTS();
}
