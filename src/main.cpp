#include "app/MainController.h"
#include "qt/services/Logging.h"
#include "qt/Shell.h"
#include "qt/services/WebEngineBrowser.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineView>

namespace {

// The files shipped beside the executable that a data folder needs too.
const char* const kShippedFiles[] = {"Rovanta.txt", "start.html", "demo/seite1.html",
                                     "demo/seite2.html", "demo/formular.html"};

// The program's folder, or the user's data folder when the program's folder
// cannot be written (an installed program); the demo is copied there once.
QString startFolder(const QString& programDir) {
    if (QFileInfo(programDir).isWritable()) {
        return programDir;
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        data = QDir::homePath() + QStringLiteral("/.local/share");
    }
    const QString folder = data + QStringLiteral("/rovanta");
    QDir().mkpath(folder + QStringLiteral("/demo"));
    for (const char* name : kShippedFiles) {
        const QString target = folder + QLatin1Char('/') + QLatin1String(name);
        if (!QFileInfo::exists(target)) {
            QFile::copy(programDir + QLatin1Char('/') + QLatin1String(name), target);
        }
    }
    return folder;
}

} // namespace

int main(int argc, char* argv[]) {
    // Qt WebEngine shares OpenGL contexts with the widgets; the attribute
    // must be set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rovanta"));

    // The only arguments: a tour file to open, with --play to start it.
    QStringList args = QApplication::arguments().mid(1);
    const bool play = args.removeAll(QStringLiteral("--play")) > 0;
    const QString tourArgument =
        args.isEmpty() ? QString() : QFileInfo(args.first()).absoluteFilePath();

    Shell shell;
    MainWindow& window = shell.window();
    rovanta::MainController& controller = shell.controller();
    const QString programDir = QApplication::applicationDirPath();
    const QString startDir = startFolder(programDir);
    controller.load({startDir.toStdString(),
                     (programDir + QStringLiteral("/start.html")).toStdString(),
                     (QDir::homePath() + QStringLiteral("/rovanta.txt")).toStdString()});

    // Maximised, as the stored points of tours expect; without a window
    // manager the screen's geometry is set directly.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(screen->availableGeometry());
    }
    window.showMaximized();
    // Activation works only once the window is shown.
    QTimer::singleShot(0, &window, [&window] { window.activateWindow(); });
    if (!tourArgument.isEmpty()) {
        // Opened once the start page is shown, as "laden" would be after
        // start-up; the time taken runs until the list has been painted.
        QObject::connect(
            &window.browser().view(), &QWebEngineView::loadFinished, &window,
            [&] {
                QElapsedTimer loading;
                loading.start();
                controller.openTourFromCommandLine(tourArgument.toStdString(), play);
                window.paintTourListNow();
                qCInfo(lcUi) << "TourLoaded" << controller.tour().lists().count() << "entries in"
                             << static_cast<double>(loading.nsecsElapsed()) / 1e6 << "ms"
                             << (play ? "and started" : "");
            },
            Qt::SingleShotConnection);
    }
    return QApplication::exec();
}
