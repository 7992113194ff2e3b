#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/reporter.h"

namespace tallyfox::testing {

// Keeps what the store would have shown the user, in order.
class RecordingReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override { messages.emplace_back(message); }
  std::vector<std::u16string> messages;
};

}  // namespace tallyfox::testing
