#pragma once

#include "platform/InputInjector.h"

namespace rovanta {

// Where the main window and its browser are on the screen.
class WindowGeometry {
public:
    virtual ~WindowGeometry() = default;
    // Converts a screen point to the main window's client coordinates.
    virtual Point screenToClient(Point screen) const = 0;
    // True when the screen point lies over the browser area.
    virtual bool isOverBrowser(Point screen) const = 0;
};

} // namespace rovanta
