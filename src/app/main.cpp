// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>

#include "app/command_line.h"
#include "app/export_list_command.h"
#include "app/window_command.h"

int main(int argc, char** argv) {
  using Action = tallyfox::CommandLine::Action;
  const tallyfox::CommandLine line = tallyfox::ReadCommandLine(argc, argv);
  switch (line.action) {
    case Action::ShowHelp:
    case Action::ShowVersion:
      std::fputs(line.text.c_str(), stdout);
      return 0;
    case Action::Refuse:
      std::fputs(line.text.c_str(), stderr);
      return 1;
    case Action::ExportList:
      return tallyfox::ExportListCommand(line);
    case Action::RunWindow:
      break;
  }
  return tallyfox::WindowCommand(line, argc, argv);
}
