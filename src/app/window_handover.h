// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A second start on a data folder in use brings the running program's window
// forward instead of meeting an error. The running program listens on a
// local socket named after its data folder, in a folder only the user may
// enter; the second start asks it there, and nothing else is ever asked.

#include <filesystem>
#include <memory>

class QLocalServer;

namespace tallyfox {

// Listens for as long as it lives. Only the holder of the folder's lock may
// make one: it removes what a killed program left at the socket's name.
class WindowHandoverListener {
 public:
  explicit WindowHandoverListener(const std::filesystem::path& dataFolder);
  ~WindowHandoverListener();
  WindowHandoverListener(const WindowHandoverListener&) = delete;
  WindowHandoverListener& operator=(const WindowHandoverListener&) = delete;

 private:
  std::unique_ptr<QLocalServer> server_;
};

// True once the program running on `dataFolder` said, within two seconds,
// that it brought its window forward.
bool AskRunningProgramToRaise(const std::filesystem::path& dataFolder);

}  // namespace tallyfox
