// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/services/keys/KeyChoice.h"

struct xkb_keymap;

namespace rovanta::keys {

// The first layout group of a compiled keymap (libxkbcommon), with Shift
// and the third-level shift as the keys that may be held.
Keymap keymapFromXkb(xkb_keymap* keymap);

} // namespace rovanta::keys
