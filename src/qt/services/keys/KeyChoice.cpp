// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/keys/KeyChoice.h"

#include <bit>

namespace rovanta::keys {
namespace {

// Keysym values of the X11 protocol (keysymdef.h).
constexpr std::uint32_t kTab = 0xff09;
constexpr std::uint32_t kReturn = 0xff0d;
constexpr std::uint32_t kShiftL = 0xffe1;
constexpr std::uint32_t kControlL = 0xffe3;
constexpr std::uint32_t kKpMultiply = 0xffaa;
constexpr std::uint32_t kKpAdd = 0xffab;
constexpr std::uint32_t kKpSeparator = 0xffac;
constexpr std::uint32_t kKpSubtract = 0xffad;
constexpr std::uint32_t kKpDivide = 0xffaf;
constexpr std::uint32_t kComma = 0x002c;

} // namespace

int levelFor(const KeyLevels& key, std::uint32_t state) {
    const std::uint32_t decisive = state & key.relevant;
    for (const auto& [mask, level] : key.masks) {
        if (mask == decisive) {
            return level;
        }
    }
    return 0;
}

std::optional<KeyChoice> chooseKey(const Keymap& map, std::uint32_t keysym,
                                   std::uint32_t lockedMods) {
    std::optional<KeyChoice> best;
    int bestCost = 0;
    const std::size_t n = map.modifierKeys.size();
    const std::size_t subsets = n < 8 ? std::size_t{1} << n : 256;
    for (const KeyLevels& key : map.keys) {
        for (std::size_t level = 0; level < key.syms.size(); ++level) {
            if (key.syms[level] != keysym) {
                continue;
            }
            // Every combination of holdable modifier keys, fewest first wins.
            for (std::size_t subset = 0; subset < subsets; ++subset) {
                const int cost = std::popcount(subset);
                if (best && cost >= bestCost) {
                    continue;
                }
                std::uint32_t state = lockedMods;
                KeyChoice choice{key.keycode, {}};
                for (std::size_t m = 0; m < n; ++m) {
                    if ((subset >> m) & 1U) {
                        state |= map.modifierKeys[m].mask;
                        choice.modifierKeycodes.push_back(map.modifierKeys[m].keycode);
                    }
                }
                if (levelFor(key, state) == static_cast<int>(level)) {
                    best = std::move(choice);
                    bestCost = cost;
                }
            }
        }
    }
    return best;
}

std::vector<std::uint32_t> keysymsForVirtualKey(std::uint8_t vk) {
    if (vk >= '0' && vk <= '9') {
        return {static_cast<std::uint32_t>(vk)}; // the digit keysyms are the ASCII codes
    }
    if (vk >= 'A' && vk <= 'Z') {
        return {static_cast<std::uint32_t>(vk - 'A' + 'a')}; // Shift comes as its own key
    }
    switch (vk) {
    case 9:
        return {kTab};
    case 13:
        return {kReturn};
    case 16:
        return {kShiftL};
    case 17:
        return {kControlL};
    case 106:
        return {kKpMultiply};
    case 107:
        return {kKpAdd};
    case 109:
        return {kKpSubtract};
    case 110:
        return {kKpSeparator, kComma};
    case 111:
        return {kKpDivide};
    default:
        return {};
    }
}

} // namespace rovanta::keys
