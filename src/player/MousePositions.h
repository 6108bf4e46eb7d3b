// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace rovanta {

class Browser;
class InputInjector;
class MainForm;
class Tour;
class WindowGeometry;

// Capture of mouse points over the browser, their test, and their replay
// from position entries.
class MousePositions {
public:
    // Replay subtracts this from Y: captured points are stored 20 pixels
    // lower than the client point they were taken at.
    static constexpr int kClientOffsetY = 20;

    MousePositions(InputInjector& input, WindowGeometry& geometry, Browser& browser, Tour& tour,
                   MainForm& form);

    // "[An]"/"[Aus]": switches capture on or off.
    void toggleCapture();
    // The capture timer's tick (every 300 ms): a right press ends capture, a
    // left press over the browser takes the point.
    void captureTick();
    // "[GoTo]": moves to the captured point and clicks there.
    void goTo();
    // Replays a position entry: moves the pointer when it holds a point and
    // sets the entry's action text (EntryAction).
    void playPos(const std::string& positionEntry);
    // Moves the pointer to a point in the main window's client area
    // (rounded half to even).
    void mousePointerMove(double x, double y);

    // True while capture is on.
    bool captureOn() const;
    // The action text set by the last playPos.
    const std::string& entryAction() const { return m_entryAction; }

private:
    void setCapture(bool on);

    InputInjector& m_input;
    WindowGeometry& m_geometry;
    Browser& m_browser;
    Tour& m_tour;
    MainForm& m_form;
    std::string m_entryAction;
};

} // namespace rovanta
