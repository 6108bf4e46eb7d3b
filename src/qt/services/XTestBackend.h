// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/services/keys/KeyChoice.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// Real keyboard and pointer events through the X server's XTest extension.
// This header and its source keep X11's headers away from Qt's.
class XTestBackend {
public:
    // Opens the display named by $DISPLAY; nothing when there is no X server
    // or it lacks XTest.
    static std::unique_ptr<XTestBackend> open();
    ~XTestBackend();
    XTestBackend(const XTestBackend&) = delete;
    XTestBackend& operator=(const XTestBackend&) = delete;

    // Presses or releases the key for a Windows virtual-key code, with the
    // modifiers the live keyboard layout needs for it; codes with no key of
    // their own send nothing. Returns whether a key was sent.
    bool key(std::uint8_t virtualKey, bool down);
    // Presses or releases the left mouse button.
    void leftButton(bool down);
    // Moves the pointer to a screen point.
    void moveTo(int x, int y);
    // The pointer's screen position and whether the left/right buttons are down.
    void pointer(int& x, int& y, bool& left, bool& right);

private:
    explicit XTestBackend(void* display);
    // The key and modifiers for a code in the active layout group under the
    // current lock state.
    std::optional<rovanta::keys::KeyChoice> choose(std::uint8_t virtualKey);
    // Reads the layouts anew when the X server reported a change of them.
    void followLayoutChanges();
    // Sends one key event and notes which keys are down.
    void fake(std::uint32_t keycode, bool down);

    void* m_display; // the X11 Display, opaque to this header
    int m_xkbEvent;  // the XKB event code on this connection, -1 without XKB
    std::vector<rovanta::keys::Keymap> m_keymaps;            // one per layout group
    std::map<std::uint8_t, rovanta::keys::KeyChoice> m_held; // pressed codes, to release alike
    std::vector<std::uint32_t> m_down;                       // keycodes now down
};
