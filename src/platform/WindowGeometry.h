// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InputInjector.h"

namespace rovanta {

// A size in twips (1/1440 inch).
struct TwipSize {
    double width = 0;
    double height = 0;
};

// Where the main window and its browser are on the screen.
class WindowGeometry {
public:
    virtual ~WindowGeometry() = default;
    // Converts a screen point to the main window's client coordinates.
    virtual Point screenToClient(Point screen) const = 0;
    // True when the screen point lies over the browser area.
    virtual bool isOverBrowser(Point screen) const = 0;
    // The main window's client size in twips (pixels × 1440 / logical DPI).
    virtual TwipSize clientSizeTwips() const = 0;
};

} // namespace rovanta
