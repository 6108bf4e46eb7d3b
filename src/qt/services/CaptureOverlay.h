// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

// A transparent widget laid over the browser while points are captured: it
// takes the mouse presses so they never reach the page, and remembers them
// until they are asked for.
class CaptureOverlay : public QWidget {
    Q_OBJECT
public:
    explicit CaptureOverlay(QWidget* covered);

    // True when the button was pressed since the last call (then forgotten).
    bool takePress(Qt::MouseButton button);
    // Runs at each press with its screen point.
    void setPressHandler(std::function<void(QPoint global)> handler) {
        m_onPress = std::move(handler);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* m_covered;
    bool m_leftPressed = false;
    bool m_rightPressed = false;
    std::function<void(QPoint)> m_onPress;
};
