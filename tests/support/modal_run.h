#pragma once

#include <functional>

#include "platform/dialog.h"

namespace tallyfox::testing {

// Runs `dialog` modally under a script of its own: `actions` act on it as the
// user once it is initialised, and it ends with OK when they leave it open.
// Anything that goes against that script fails the test. Gives the run's result.
int RunModally(Dialog& dialog, const std::function<void()>& actions);

}  // namespace tallyfox::testing
