// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/keys/XkbKeymap.h"

#include <array>
#include <xkbcommon/xkbcommon.h>

namespace rovanta::keys {
namespace {

// The modifiers a key sets while it is held down in the layout group.
std::uint32_t maskWhileHeld(xkb_keymap* keymap, xkb_keycode_t keycode, std::uint32_t group) {
    xkb_state* state = xkb_state_new(keymap);
    if (state == nullptr) {
        return 0;
    }
    xkb_state_update_mask(state, 0, 0, 0, 0, 0, group);
    xkb_state_update_key(state, keycode, XKB_KEY_DOWN);
    const std::uint32_t mask = xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED);
    xkb_state_unref(state);
    return mask;
}

} // namespace

Keymap keymapFromXkb(xkb_keymap* keymap, std::uint32_t group) {
    Keymap map;
    const xkb_keycode_t first = xkb_keymap_min_keycode(keymap);
    const xkb_keycode_t last = xkb_keymap_max_keycode(keymap);
    for (xkb_keycode_t keycode = first; keycode <= last; ++keycode) {
        const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(keymap, keycode);
        if (layouts == 0) {
            continue;
        }
        const xkb_layout_index_t layout = group % layouts;
        KeyLevels key;
        key.keycode = keycode;
        const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, keycode, layout);
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t* syms = nullptr;
            const int count =
                xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, level, &syms);
            key.syms.push_back(count > 0 ? syms[0] : 0);
            std::array<xkb_mod_mask_t, 32> masks{};
            const std::size_t found = xkb_keymap_key_get_mods_for_level(
                keymap, keycode, layout, level, masks.data(), masks.size());
            for (std::size_t i = 0; i < found; ++i) {
                key.masks.emplace_back(masks[i], static_cast<int>(level));
                key.relevant |= masks[i];
            }
        }
        map.keys.push_back(std::move(key));
    }
    // The keys to hold: the first key whose plain keysym is Shift, and the
    // first whose plain keysym is the third-level shift (AltGr).
    for (const std::uint32_t wanted :
         {std::uint32_t{XKB_KEY_Shift_L}, std::uint32_t{XKB_KEY_ISO_Level3_Shift}}) {
        for (const KeyLevels& key : map.keys) {
            if (!key.syms.empty() && key.syms[0] == wanted) {
                const std::uint32_t mask = maskWhileHeld(keymap, key.keycode, group);
                if (mask != 0) {
                    map.modifierKeys.push_back({key.keycode, mask});
                }
                break;
            }
        }
    }
    return map;
}

} // namespace rovanta::keys
