// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rovanta {

// Services of the application shell that the core asks for.
class AppControl {
public:
    virtual ~AppControl() = default;
    // Ends the program at once: all windows close without questions.
    virtual void quit() = 0;
};

} // namespace rovanta
