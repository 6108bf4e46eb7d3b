// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program is measured against: a bare Qt WebEngine window
// that loads one page and reports when it has loaded.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: minimal_browser PAGE\n");
        return 2;
    }
    QWebEngineView view;
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool ok) {
        std::fprintf(stderr, "DocumentComplete ok: %s\n", ok ? "true" : "false");
    });
    view.resize(1280, 1000);
    view.show();
    view.setUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    return QApplication::exec();
}
