// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a finger needs on a phone: lists that scroll by swiping, a long press
// that opens the context menu a right click opens, a number pad for numbers.

#include <Qt>
#include <cstdint>

class QAbstractScrollArea;

namespace tallyfox {

// Kinetic scrolling by touch, where there is a touch screen; the mouse keeps
// selecting as before.
void EnableTouchScrolling(QAbstractScrollArea* area);

// From then on a long press of a finger anywhere in the program opens the
// context menu there. Installing it twice changes nothing.
void InstallLongPressMenus();

// The keyboard an on-screen keyboard offers for an edit of this style.
Qt::InputMethodHints InputHintsFor(std::uint32_t style);

// The side of a list's tick box, in pixels: at least 7 mm on a touch screen.
int TickBoxSide(int usualSide);

}  // namespace tallyfox
