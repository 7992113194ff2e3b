// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the command line asks for. Read before anything needs a display, and
// without Qt's own options (-style, -platform, ...), which QApplication takes.

#include <filesystem>
#include <string>

namespace tallyfox {

struct CommandLine {
  // One per thing the program can be asked to do; main() runs each.
  enum class Action { RunWindow, ShowHelp, ShowVersion, Refuse, ExportList };
  Action action = Action::RunWindow;
  std::filesystem::path dataFolder;  // empty when none was asked for
  std::u16string listName;           // ExportList
  std::string text;                  // what ShowHelp, ShowVersion and Refuse print
  bool platformGiven = false;        // -platform or -display: a display of its own
};

CommandLine ReadCommandLine(int argc, char** argv);

}  // namespace tallyfox
