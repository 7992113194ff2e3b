// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and measures what its user waits for: the time from exec
// to its first top-level window mapped, as the X server reports it, and its
// peak memory once it has settled. Prints "MILLISECONDS KILOBYTES".
//   map_timer PROGRAM [ARGUMENT...]
// Run it with no window manager on the display: one would reparent the
// window and map it in its own time.

#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(30);
// Long enough for the first paint, so the peak includes it.
constexpr auto kSettleTime = std::chrono::milliseconds(500);
constexpr int kPollMilliseconds = 50;

bool HasExited(pid_t child) {
  int status = 0;
  return waitpid(child, &status, WNOHANG) == child;
}

// The time the first child of the root window is mapped, or nothing when
// the program exits or takes too long.
std::optional<Clock::time_point> WaitForFirstMap(Display* display, pid_t child,
                                                 Clock::time_point start) {
  const Window root = DefaultRootWindow(display);
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while (Clock::now() - start < kMapTimeout) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && event.xmap.event == root) return Clock::now();
    }
    if (HasExited(child)) return std::nullopt;
    poll(&connection, 1, kPollMilliseconds);
  }
  return std::nullopt;
}

// The high-water mark of the resident set, in kilobytes.
long PeakKilobytes(pid_t child) {
  std::ifstream status("/proc/" + std::to_string(child) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

void Stop(pid_t child) {
  kill(child, SIGTERM);
  int status = 0;
  waitpid(child, &status, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: map_timer PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("map_timer: cannot open the display\n", stderr);
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  if (posix_spawnp(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
    std::fprintf(stderr, "map_timer: cannot start %s\n", argv[1]);
    return 2;
  }
  const std::optional<Clock::time_point> mapped = WaitForFirstMap(display, child, start);
  if (!mapped) {
    std::fprintf(stderr, "map_timer: %s mapped no window\n", argv[1]);
    Stop(child);
    return 1;
  }
  std::this_thread::sleep_for(kSettleTime);
  const long peak = PeakKilobytes(child);
  Stop(child);
  XCloseDisplay(display);
  const std::chrono::duration<double, std::milli> elapsed = *mapped - start;
  std::printf("%.1f %ld\n", elapsed.count(), peak);
  return 0;
}
