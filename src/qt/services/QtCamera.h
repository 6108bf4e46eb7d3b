// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Camera.h"

#include <QThreadPool>

class QWidget;
class WebEngineBrowser;

// Pictures of the browser area: grabbed on the user-interface thread (the
// page as it is shown), ringed where the player clicks, and encoded and
// written as PNG on a worker thread of their own, off the step's path.
class QtCamera : public rovanta::Camera {
public:
    // window: the main window, whose client coordinates the ring is given in.
    QtCamera(QWidget* window, WebEngineBrowser& browser);
    ~QtCamera() override;

    void take(const std::string& path, std::optional<rovanta::Point> ring) override;
    void flush() override;
    void readSecrets(std::function<void(std::vector<std::string>)> done) override;

private:
    QWidget* m_window;
    WebEngineBrowser& m_browser;
    QThreadPool m_writer; // one thread: pictures are written in order
};
