// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/KeyTyping.h"

#include "platform/InputInjector.h"

namespace rovanta {
namespace {

// Key code of a character below 65: digits and the keypad operators; every
// other character has no key (0).
std::uint8_t lowKey(std::uint8_t code) {
    switch (code) {
    case '-':
        return 109;
    case ',':
        return 110;
    case '/':
        return 111;
    case '+':
        return 107;
    case '*':
        return 106;
    default:
        break;
    }
    if (code >= '0' && code <= '9') {
        return code;
    }
    return 0;
}

} // namespace

void sendStz(InputInjector& input, std::uint8_t virtualKey) {
    input.keyEvent(virtualKey, kKeyDown);
    input.keyEvent(virtualKey, kKeyUp);
}

void sendMsg(InputInjector& input, std::uint8_t code) {
    if (code < 65) {
        sendStz(input, lowKey(code));
    } else if (code <= 91) {
        input.keyEvent(kVkShift, kKeyDown);
        sendStz(input, code);
        input.keyEvent(kVkShift, kKeyUp);
    } else {
        sendStz(input, static_cast<std::uint8_t>(code - 32));
    }
}

void sendCtrl(InputInjector& input, std::uint8_t letterKey) {
    input.keyEvent(kVkControl, kKeyDown);
    sendStz(input, letterKey);
    input.keyEvent(kVkControl, kKeyUp);
}

} // namespace rovanta
