#include "qt/MainWindow.h"
#include "qt/WebEngineBrowser.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rovanta"));

    MainWindow window;
    window.show();
    // Activation works only once the window is shown.
    QTimer::singleShot(0, &window, [&window] { window.activateWindow(); });

    // The start page ships beside the executable.
    const QString startPage = QDir(QApplication::applicationDirPath()).filePath("start.html");
    window.browser().navigate(startPage.toStdString());
    return QApplication::exec();
}
