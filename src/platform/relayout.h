// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/dialog.h"

namespace tallyfox {

// Moves a window's existing controls to the places another template gives
// them, without re-creating anything. False when the template is missing, a
// control of it is missing, or it holds two or more items without an id.
bool RelayoutFromTemplate(Dialog& window, int templateNumber);

}  // namespace tallyfox
