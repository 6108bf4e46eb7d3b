// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/services/keys/KeyChoice.h"

struct xkb_keymap;

namespace rovanta::keys {

// One layout group of a compiled keymap (libxkbcommon), with Shift and the
// third-level shift as the keys that may be held. A key with fewer groups
// wraps, as the X server does for such keys.
Keymap keymapFromXkb(xkb_keymap* keymap, std::uint32_t group = 0);

} // namespace rovanta::keys
