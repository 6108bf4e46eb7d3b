// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace rovanta {

class InputInjector;

// Virtual-key codes the interpreter sends.
inline constexpr std::uint8_t kVkTab = 9;
inline constexpr std::uint8_t kVkLineFeed = 10;
inline constexpr std::uint8_t kVkReturn = 13;
inline constexpr std::uint8_t kVkShift = 16;
inline constexpr std::uint8_t kVkControl = 17;

// Types one Windows-1252 character code as key events (sendMsg): digits and
// the keypad's * + - , / by their keys, other codes below 65 as code 0,
// 65..91 with Shift, 92 and above as code − 32.
void sendMsg(InputInjector& input, std::uint8_t code);

// Presses and releases one virtual key (sendStz).
void sendStz(InputInjector& input, std::uint8_t virtualKey);

// Ctrl down, letter key down and up, Ctrl up (sendCNTRV/A/C with 86/65/67).
void sendCtrl(InputInjector& input, std::uint8_t letterKey);

} // namespace rovanta
