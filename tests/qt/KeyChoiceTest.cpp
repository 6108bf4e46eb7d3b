// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/keys/KeyChoice.h"

#include "qt/services/keys/XkbKeymap.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <xkbcommon/xkbcommon.h>

using namespace rovanta::keys;

namespace {

using Context = std::unique_ptr<xkb_context, decltype(&xkb_context_unref)>;
using KeymapPtr = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;
using State = std::unique_ptr<xkb_state, decltype(&xkb_state_unref)>;

// A keymap compiled from the system's layout data, as an X server has it,
// with one of its groups active.
struct Layout {
    explicit Layout(const char* name, std::uint32_t activeGroup = 0) : group(activeGroup) {
        const xkb_rule_names names{"evdev", "pc105", name, "", ""};
        keymap.reset(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }
    // The modifier that the Num_Lock key locks.
    std::uint32_t numLockMask() const {
        State state(xkb_state_new(keymap.get()), xkb_state_unref);
        const auto choice = chooseKey(keymapFromXkb(keymap.get(), group), XKB_KEY_Num_Lock, 0);
        if (!choice) {
            return 0;
        }
        xkb_state_update_key(state.get(), choice->keycode, XKB_KEY_DOWN);
        xkb_state_update_key(state.get(), choice->keycode, XKB_KEY_UP);
        return xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_LOCKED);
    }
    // The keysym the layout gives for a choice while held and locked apply.
    xkb_keysym_t typed(const Keymap& map, const KeyChoice& choice, std::uint32_t held,
                       std::uint32_t locked) const {
        for (const std::uint32_t keycode : choice.modifierKeycodes) {
            for (const ModifierKey& modifier : map.modifierKeys) {
                if (modifier.keycode == keycode) {
                    held |= modifier.mask;
                }
            }
        }
        State state(xkb_state_new(keymap.get()), xkb_state_unref);
        xkb_state_update_mask(state.get(), held, 0, locked, 0, 0, group);
        return xkb_state_key_get_one_sym(state.get(), choice.keycode);
    }

    Context context{xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref};
    KeymapPtr keymap{nullptr, xkb_keymap_unref};
    std::uint32_t group = 0;
};

} // namespace

// Every code the player types arrives as its character on the US and the
// German layout, with NumLock on and off; capitals come with the caller's
// Shift. The French layout, whose digits need Shift, checks held modifiers;
// two layouts with the second active type from the second.
TEST(KeyChoice, theTypingTableArrivesAsItselfOnUsGermanAndFrenchLayouts) {
    struct Typed {
        std::uint8_t vk;
        std::uint32_t expected; // keysym, or the character for ","
        bool shift;
    };
    std::vector<Typed> table;
    for (std::uint8_t c = 'A'; c <= 'Z'; ++c) {
        table.push_back({c, static_cast<std::uint32_t>(c - 'A' + 'a'), false});
        table.push_back({c, c, true});
    }
    for (std::uint8_t d = '0'; d <= '9'; ++d) {
        table.push_back({d, d, false});
    }
    table.insert(table.end(), {{106, XKB_KEY_KP_Multiply, false},
                               {107, XKB_KEY_KP_Add, false},
                               {109, XKB_KEY_KP_Subtract, false},
                               {110, ',', false},
                               {111, XKB_KEY_KP_Divide, false},
                               {9, XKB_KEY_Tab, false},
                               {13, XKB_KEY_Return, false}});
    const std::vector<std::pair<const char*, std::uint32_t>> layouts = {
        {"us", 0}, {"de", 0}, {"fr", 0}, {"us,de", 1}, {"de,us", 1}};
    for (const auto& [name, group] : layouts) {
        const Layout layout(name, group);
        ASSERT_NE(layout.keymap, nullptr) << name;
        const Keymap map = keymapFromXkb(layout.keymap.get(), group);
        const auto shift = chooseKey(map, XKB_KEY_Shift_L, 0);
        ASSERT_TRUE(shift.has_value());
        const std::uint32_t shiftMask = map.modifierKeys.at(0).mask;
        const std::uint32_t numLock = layout.numLockMask();
        ASSERT_NE(numLock, 0u) << name;
        for (const std::uint32_t locked : {0u, numLock}) {
            for (const Typed& t : table) {
                SCOPED_TRACE(std::string(name) + " numlock " + std::to_string(locked != 0) +
                             " vk " + std::to_string(t.vk));
                std::optional<KeyChoice> choice;
                for (const std::uint32_t sym : keysymsForVirtualKey(t.vk)) {
                    if ((choice = chooseKey(map, sym, locked))) {
                        break;
                    }
                }
                ASSERT_TRUE(choice.has_value());
                const xkb_keysym_t got =
                    layout.typed(map, *choice, t.shift ? shiftMask : 0, locked);
                if (t.vk == 110) {
                    EXPECT_EQ(xkb_keysym_to_utf32(got), t.expected) << xkb_keysym_to_utf32(got);
                } else {
                    EXPECT_EQ(got, t.expected);
                }
            }
        }
    }
}

TEST(KeyChoice, theGermanKeypadSeparatorIsUsedOnlyWhereItTypesAComma) {
    const Layout de("de");
    const Keymap map = keymapFromXkb(de.keymap.get());
    const auto on = chooseKey(map, XKB_KEY_KP_Separator, de.numLockMask());
    ASSERT_TRUE(on.has_value());
    EXPECT_TRUE(on->modifierKeycodes.empty());
    // With NumLock off that key types Delete: it is not chosen, and the
    // comma key stands in (checked above).
    EXPECT_EQ(de.typed(map, *on, 0, 0), XKB_KEY_KP_Delete);
    EXPECT_FALSE(chooseKey(map, XKB_KEY_KP_Separator, 0).has_value());
    EXPECT_TRUE(keysymsForVirtualKey(91).empty()) << "no system key is ever pressed";
}
