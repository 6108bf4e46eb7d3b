// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a written guide as its reader would, in the Chromium engine of Qt
// WebEngine with its default settings (as a browser opens a file: page):
// every page loads, every picture on it loads at its file's size and has an
// alternative text, and the → key on one step page leads to the next.
// Usage: guide_view <guide folder> <step page> <the page → leads to>
// Prints one line per fault and ends with status 1 when there is any.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImageReader>
#include <QKeyEvent>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>

namespace {

// Runs the event loop until done() is true or ms have passed; whether done.
template <typename Done> bool waitFor(Done done, int ms) {
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    timer.start(20);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// Loads url into view; whether it loaded.
bool load(QWebEngineView& view, const QUrl& url) {
    bool finished = false;
    bool ok = false;
    const auto connection =
        QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool result) {
            finished = true;
            ok = result;
        });
    view.load(url);
    waitFor([&] { return finished; }, 20000);
    QObject::disconnect(connection);
    return ok;
}

// The pictures of the shown page, each as "src width height alt".
QStringList pictures(QWebEngineView& view) {
    QVariant answer;
    bool answered = false;
    view.page()->runJavaScript(
        QStringLiteral("Array.from(document.images, function (i) { return [i.getAttribute('src'),"
                       " i.complete ? i.naturalWidth : 0, i.complete ? i.naturalHeight : 0,"
                       " i.alt].join('\\t'); })"),
        [&](const QVariant& result) {
            answer = result;
            answered = true;
        });
    waitFor([&] { return answered; }, 10000);
    return answer.toStringList();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "Usage: guide_view <guide folder> <step page> <next page>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.makeAbsolute();
    QWebEngineView view;
    view.resize(1280, 900);
    view.show();
    QStringList faults;

    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    if (pages.isEmpty()) {
        faults << QStringLiteral("no page in %1").arg(folder.path());
    }
    for (const QString& page : pages) {
        if (!load(view, QUrl::fromLocalFile(folder.filePath(page)))) {
            faults << page + QStringLiteral(" does not load");
            continue;
        }
        for (const QString& picture : pictures(view)) {
            const QStringList parts = picture.split('\t');
            const QSize size(parts.value(1).toInt(), parts.value(2).toInt());
            const QSize onDisk = QImageReader(folder.filePath(parts.value(0))).size();
            if (size.isEmpty() || size != onDisk) {
                faults << QStringLiteral("%1: %2 does not load").arg(page, parts.value(0));
            }
            if (parts.value(3).isEmpty()) {
                faults
                    << QStringLiteral("%1: %2 has no alternative text").arg(page, parts.value(0));
            }
        }
    }

    // The → key, pressed on the page as a reader does.
    const QString step = QString::fromLocal8Bit(argv[2]);
    const QString next = QString::fromLocal8Bit(argv[3]);
    if (load(view, QUrl::fromLocalFile(folder.filePath(step)))) {
        view.setFocus();
        const bool focused = waitFor([&] { return view.focusProxy() != nullptr; }, 5000);
        QWidget* target = focused ? view.focusProxy() : &view;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        if (!waitFor([&] { return view.url().fileName() == next; }, 10000)) {
            faults << QStringLiteral("→ on %1 shows %2, not %3")
                          .arg(step, view.url().fileName(), next);
        }
    } else {
        faults << step + QStringLiteral(" does not load");
    }

    for (const QString& fault : faults) {
        std::printf("%s\n", fault.toUtf8().constData());
    }
    return faults.isEmpty() ? 0 : 1;
}
