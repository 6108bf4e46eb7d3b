// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Choosing the key and modifiers that produce a keysym on the keyboard
// layout in use. Plain C++: no X11 or Qt headers, so it can be tested
// against compiled keymaps of any layout.
namespace rovanta::keys {

// One key of the first layout group: its keysym per shift level, and which
// modifier states select which level.
struct KeyLevels {
    std::uint32_t keycode = 0;
    // The modifiers that decide the level (a key type's mask).
    std::uint32_t relevant = 0;
    // (state & relevant) → level; a state matching none gives level 0.
    std::vector<std::pair<std::uint32_t, int>> masks;
    // The keysym at each level (0: none).
    std::vector<std::uint32_t> syms;
};

// A key that can be held to set modifiers (Shift, the third-level shift).
struct ModifierKey {
    std::uint32_t keycode = 0;
    std::uint32_t mask = 0;
};

// What the keyboard produces, as far as choosing keys needs it.
struct Keymap {
    std::vector<KeyLevels> keys;           // in keycode order
    std::vector<ModifierKey> modifierKeys; // keys that may be held
};

// A key to press, with the modifier keys to hold around it.
struct KeyChoice {
    std::uint32_t keycode = 0;
    std::vector<std::uint32_t> modifierKeycodes;
};

// The level a key gives in a modifier state.
int levelFor(const KeyLevels& key, std::uint32_t state);

// The key, and the fewest modifier keys to hold, that produce keysym while
// the modifiers lockedMods (NumLock, CapsLock) are locked; nothing when no
// key of the layout produces it.
std::optional<KeyChoice> chooseKey(const Keymap& map, std::uint32_t keysym,
                                   std::uint32_t lockedMods);

// The keysyms a Windows virtual-key code stands for, the preferred first
// (the keypad separator falls back to the comma key where the keypad has
// none); empty for codes without a key of their own (0, 10, 61, 91..93 …).
std::vector<std::uint32_t> keysymsForVirtualKey(std::uint8_t vk);

} // namespace rovanta::keys
