// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Type-safe message maps: each window class declares one static table of
// {control id, notification, &Class::Handler}. A handler of another class or
// of the wrong shape does not compile.

#include <span>
#include <variant>

#include "platform/notification.h"

namespace tallyfox {

template <class Window>
struct MessageEntry {
  using Plain = void (Window::*)();
  using WithDetails = void (Window::*)(Notification&);

  constexpr MessageEntry(int controlId, Notify notify, Plain h)
      : id(controlId), code(notify), handler(h) {}
  constexpr MessageEntry(int controlId, Notify notify, WithDetails h)
      : id(controlId), code(notify), handler(h) {}

  int id;
  Notify code;
  std::variant<Plain, WithDetails> handler;
};

// Runs the first entry of `map` that matches; false when none does.
template <class Window>
bool RouteThrough(std::span<const MessageEntry<Window>> map, Window& window,
                  Notification& notification) {
  for (const MessageEntry<Window>& entry : map) {
    if (entry.id != notification.id || entry.code != notification.code) continue;
    if (auto plain = std::get_if<typename MessageEntry<Window>::Plain>(&entry.handler)) {
      (window.**plain)();
    } else {
      (window.*std::get<typename MessageEntry<Window>::WithDetails>(entry.handler))(notification);
    }
    return true;
  }
  return false;
}

}  // namespace tallyfox
