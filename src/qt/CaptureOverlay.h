#pragma once

#include <QWidget>
#include <functional>

// A transparent widget laid over the browser while points are captured: it
// takes the mouse presses so they never reach the page.
class CaptureOverlay : public QWidget {
    Q_OBJECT
public:
    explicit CaptureOverlay(QWidget* covered);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* m_covered;
};
