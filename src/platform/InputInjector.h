// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace rovanta {

// A point in pixels.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Flags of keyEvent.
inline constexpr std::uint32_t kKeyDown = 0;
inline constexpr std::uint32_t kKeyUp = 2;
// Flags of mouseEvent.
inline constexpr std::uint32_t kMouseLeftDown = 2;
inline constexpr std::uint32_t kMouseLeftUp = 4;
// Virtual keys of the mouse buttons for asyncKeyState.
inline constexpr int kVkLeftButton = 1;
inline constexpr int kVkRightButton = 2;

// The operating system's input operations, in Windows virtual-key codes.
// Events reach the focused window in call order; no call waits for them.
class InputInjector {
public:
    virtual ~InputInjector() = default;
    // Presses (kKeyDown) or releases (kKeyUp) the key with this code.
    virtual void keyEvent(std::uint8_t virtualKey, std::uint32_t flags) = 0;
    // Presses (kMouseLeftDown) or releases (kMouseLeftUp) the left button
    // at the pointer's current place.
    virtual void mouseEvent(std::uint32_t flags) = 0;
    // Moves the pointer to a screen point at once.
    virtual void setCursorPos(Point screen) = 0;
    // Converts a point of the main window's client area to screen pixels.
    virtual Point clientToScreen(Point client) const = 0;
    // The pointer's position in screen pixels.
    virtual Point cursorPos() const = 0;
    // Non-zero while the mouse button (kVkLeftButton, kVkRightButton) is down.
    virtual std::int16_t asyncKeyState(int virtualKey) const = 0;
};

} // namespace rovanta
