// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/QtCamera.h"

#include "qt/services/Logging.h"
#include "qt/services/WebEngineBrowser.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
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
    // Rendered from the widget: the page's latest frame, on every platform.
    // (The window's pixels, read on X11, were quicker but could still lack
    // a page that had just loaded.)
    QImage image = view.grab().toImage();
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
