// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/QtCamera.h"

#include "qt/services/Logging.h"
#include "qt/services/WebEngineBrowser.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Light PNG compression: a picture is written in a few milliseconds of
// processor time, so it never competes with the page for long; the files
// are somewhat larger.
constexpr int kFastCompression = 90;

// A ring seen on light and dark pages alike: white under red.
void drawRing(QImage& image, QPoint at) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    constexpr int kRadius = 18;
    painter.setPen(QPen(Qt::white, 7));
    painter.drawEllipse(at, kRadius, kRadius);
    painter.setPen(QPen(QColor(220, 20, 20), 4));
    painter.drawEllipse(at, kRadius, kRadius);
}

// The browser area as the window system shows it: read from the window's
// pixels where the platform can (X11, off screen), which is quicker than
// rendering the page anew and leaves it alone; rendered from the widget
// where it cannot (Wayland). A page is ready only once the view has painted
// it, so its pixels are there when the step's picture is taken.
QImage picture(QWidget& view) {
    QWidget* window = view.window();
    if (QScreen* screen = window->screen()) {
        const QRect area(view.mapTo(window, QPoint(0, 0)), view.size());
        const QImage shown =
            screen->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height())
                .toImage();
        if (!shown.isNull() && shown.size() == area.size() * shown.devicePixelRatio()) {
            return shown;
        }
    }
    return view.grab().toImage();
}

} // namespace

QtCamera::QtCamera(QWidget* window, WebEngineBrowser& browser)
    : m_window(window), m_browser(browser) {
    m_writer.setMaxThreadCount(1);
    // Encoding runs only when the processor is otherwise idle, so the page
    // and the keys of the next step never wait for it.
    m_writer.setThreadPriority(QThread::IdlePriority);
}

QtCamera::~QtCamera() {
    m_writer.waitForDone();
}

void QtCamera::take(const std::string& path, std::optional<rovanta::Point> ring) {
    QElapsedTimer timer;
    timer.start();
    QWebEngineView& view = m_browser.view();
    QImage image = picture(view);
    if (ring) {
        const QPoint onView = view.mapFrom(m_window, QPoint(ring->x, ring->y));
        drawRing(image, onView * image.devicePixelRatio());
    }
    qCInfo(lcUi) << "Picture taken in" << timer.elapsed() << "ms";
    const QString file = QString::fromStdString(path);
    m_writer.start([image, file] {
        // Written whole or not at all.
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG", kFastCompression) ||
            !out.commit()) {
            qCWarning(lcUi) << "Picture not written:" << file;
        }
    });
}

void QtCamera::flush() {
    m_writer.waitForDone();
}

void QtCamera::readSecrets(std::function<void(std::vector<std::string>)> done) {
    m_browser.view().page()->runJavaScript(
        QStringLiteral("Array.from(document.querySelectorAll('input[type=password]'),"
                       " function (e) { return e.value; })"),
        [done = std::move(done)](const QVariant& result) {
            std::vector<std::string> values;
            for (const QVariant& value : result.toList()) {
                values.push_back(value.toString().toStdString());
            }
            done(std::move(values));
        });
}
