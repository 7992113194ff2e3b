#pragma once

#include <filesystem>

namespace tallyfox {

// Starts the program: runs the main window modally; the program ends when it
// closes. Nothing is saved at exit.
class CTallyfoxApp {
 public:
  int Run(const std::filesystem::path& dataFolder);
};

}  // namespace tallyfox
