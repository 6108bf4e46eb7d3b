// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/MousePositions.h"

#include "form/MainForm.h"
#include "platform/Browser.h"
#include "platform/InputInjector.h"
#include "platform/WindowGeometry.h"
#include "tour/PositionEntry.h"
#include "tour/Tour.h"

#include <cmath>
#include <limits>

namespace rovanta {
namespace {

// Rounds to a whole pixel, halves to the even number, within int range.
int roundPixel(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    constexpr double kLimit = std::numeric_limits<int>::max();
    const double rounded = std::nearbyint(value);
    if (rounded > kLimit) {
        return std::numeric_limits<int>::max();
    }
    if (rounded < -kLimit) {
        return -std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

} // namespace

MousePositions::MousePositions(InputInjector& input, WindowGeometry& geometry, Browser& browser,
                               Tour& tour, MainForm& form)
    : m_input(input), m_geometry(geometry), m_browser(browser), m_tour(tour), m_form(form) {}

void MousePositions::setCapture(bool on) {
    m_form.state.captureOn = on;
    m_browser.setCaptureMode(on);
    m_form.changed();
}

bool MousePositions::captureOn() const {
    return m_form.state.captureOn;
}

void MousePositions::toggleCapture() {
    setCapture(!m_form.state.captureOn);
}

void MousePositions::captureTick() {
    if (!m_form.state.captureOn) {
        return;
    }
    const Point screen = m_input.cursorPos();
    if (m_input.asyncKeyState(kVkRightButton) != 0) {
        setCapture(false);
    }
    if (m_input.asyncKeyState(kVkLeftButton) != 0 && m_geometry.isOverBrowser(screen)) {
        const Point client = m_geometry.screenToClient(screen);
        const auto x = static_cast<float>(client.x);
        const auto y = static_cast<float>(client.y + kClientOffsetY);
        m_tour.setLastPoint(x, y);
        m_form.state.lblPos = "P: " + formatSingle(x) + "/" + formatSingle(y);
        m_form.changed();
    }
}

void MousePositions::goTo() {
    mousePointerMove(m_tour.lastX() * m_tour.scrXFact(), m_tour.lastY() - kClientOffsetY);
    m_input.mouseEvent(kMouseLeftDown);
    m_input.mouseEvent(kMouseLeftUp);
}

void MousePositions::playPos(const std::string& positionEntry) {
    const PositionEntry entry = readPositionEntry(positionEntry);
    if (entry.x != 0 && entry.y != 0) {
        mousePointerMove(entry.x * m_tour.scrXFact(),
                         static_cast<double>(entry.y) - kClientOffsetY);
    }
    m_entryAction = entry.keys;
}

void MousePositions::mousePointerMove(double x, double y) {
    m_input.setCursorPos(m_input.clientToScreen({roundPixel(x), roundPixel(y)}));
}

} // namespace rovanta
