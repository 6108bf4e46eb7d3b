// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainController.h"
#include "qt/Shell.h"
#include "qt/services/LocalPages.h"
#include "qt/services/Logging.h"
#include "qt/services/SignalNotifier.h"
#include "qt/services/Translations.h"
#include "qt/services/WebEngineBrowser.h"
#include "unattended/CommandLine.h"
#include "unattended/TourCheckCommand.h"
#include "unattended/UnattendedMessages.h"
#include "unattended/UnattendedRun.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QWebEngineView>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

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

// True when the path is a file that can be opened for reading (a folder
// opens too, but holds no tour).
bool readable(const std::string& path) {
    std::error_code error;
    return !std::filesystem::is_directory(path, error) &&
           std::ifstream(path, std::ios::binary).is_open();
}

// The folder the program was started in; empty when it is gone.
std::string callerFolder() {
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

// Answers --help, --version and a line that cannot be used; the exit
// status when the program ends here, nothing when it starts.
std::optional<int> answerBeforeStart(const rovanta::CommandLine& line) {
    if (!line.error.empty()) {
        std::cerr << "rovanta: " << line.error << "\nHilfe: rovanta --help\n";
        return rovanta::kExitUsage;
    }
    if (line.help) {
        std::cout << rovanta::usageText();
        return rovanta::kExitOk;
    }
    if (!line.checkFile.empty()) {
        return rovanta::checkTourFile(line.checkFile, std::cout, std::cerr);
    }
    if (line.version) {
        std::cout
            << "rovanta " ROVANTA_VERSION "\n"
               "Lizenz GPLv3+: GNU GPL Version 3 oder neuer <https://gnu.org/licenses/gpl.html>\n";
        return rovanta::kExitOk;
    }
    if (line.unattended && !readable(line.tourFile)) {
        std::cerr << "rovanta: Tour-Datei fehlt oder ist nicht lesbar: " << line.tourFile << "\n";
        return rovanta::kExitTourFile;
    }
    return std::nullopt;
}

// The window system to run on, set before the application object exists.
// Headless: none, the windows live off screen and input is synthetic.
// Where an X server is reachable (DISPLAY; in a Wayland session that is
// Xwayland) the program runs on it, since only there can it type and click
// into its page as a user does (XTest); native Wayland gives a client no
// input injection. A QT_QPA_PLATFORM of the user's own wins.
// Headless, the off-screen display is 1280×1024 as the usual virtual X
// server's, so pages and their pictures have a desktop's width; its
// description is a file that lives as long as the program.
void choosePlatform(bool headless, const QTemporaryFile& screens) {
    if (headless) {
        qputenv("QT_QPA_PLATFORM",
                screens.fileName().isEmpty()
                    ? QByteArray("offscreen")
                    : "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
               !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland"); // Wayland when the X server is gone
    }
}

} // namespace

// The application's name, version and window icon.
void describeApplication() {
    QApplication::setApplicationName(QStringLiteral("Rovanta"));
    QApplication::setApplicationVersion(QStringLiteral(ROVANTA_VERSION));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/hicolor/%1x%1/apps/rovanta.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
}

// Shows the window maximised, as the stored points of tours expect; without
// a window manager the screen's geometry is set directly.
void showMainWindow(MainWindow& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(screen->availableGeometry());
    }
    window.showMaximized();
    // Activation works only once the window is shown.
    QTimer::singleShot(0, &window, [&window] { window.activateWindow(); });
}

// Opens the tour once the start page is shown, as "laden" would be after
// start-up; the time logged runs until the list has been painted.
void openTourWhenShown(MainWindow& window, rovanta::MainController& controller, const QString& path,
                       bool play) {
    QObject::connect(
        &window.browser().view(), &QWebEngineView::loadFinished, &window,
        [&window, &controller, path, play] {
            QElapsedTimer loading;
            loading.start();
            controller.openTourFromCommandLine(path.toStdString(), play);
            window.paintTourListNow();
            qCInfo(lcUi) << "TourLoaded" << controller.tour().lists().count() << "entries in"
                         << static_cast<double>(loading.nsecsElapsed()) / 1e6 << "ms"
                         << (play ? "and started" : "");
        },
        Qt::SingleShotConnection);
}

int main(int argc, char* argv[]) {
    const rovanta::CommandLine line =
        rovanta::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), callerFolder());
    if (const std::optional<int> status = answerBeforeStart(line)) {
        return *status;
    }
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/rovanta-screens-XXXXXX.json"));
    if (line.headless && screens.open()) {
        screens.write(R"({"screens": [{"name": "rovanta", "x": 0, "y": 0, "width": 1280,)"
                      R"( "height": 1024, "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
        screens.flush();
    }
    choosePlatform(line.headless, screens);
    // Qt WebEngine shares OpenGL contexts with the widgets; the attribute
    // must be set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    localpages::registerScheme();
    QApplication app(argc, argv);
    describeApplication();
    qCInfo(lcUi) << "Platform" << QGuiApplication::platformName();
    if (!installGermanTranslations(app)) {
        qCWarning(lcUi) << "Qt's German translations are missing (qt6-translations-l10n)";
    }
    const QString tourArgument =
        line.tourFile.empty() ? QString()
                              : QFileInfo(QString::fromStdString(line.tourFile)).absoluteFilePath();

    // An unattended run prints its messages, answers them itself and ends
    // with the tour; its report follows the steps.
    rovanta::UnattendedMessages printedMessages(std::cout);
    ShellOverrides overrides;
    if (line.unattended) {
        overrides.messages = &printedMessages;
    }
    overrides.guideFolder = line.guideFolder;
    Shell shell(overrides);
    if (!line.screenshots.empty()) {
        QDir().mkpath(QString::fromStdString(line.screenshots));
    }
    rovanta::UnattendedRun run(
        {tourArgument.toStdString(), line.timeoutSeconds, line.reportFile, line.screenshots},
        shell.clock(), shell.app(), std::cerr, &shell.camera());
    MainWindow& window = shell.window();
    rovanta::MainController& controller = shell.controller();
    const QString programDir = QApplication::applicationDirPath();
    const QString startDir = startFolder(programDir);
    std::unique_ptr<SignalNotifier> stopSignals;
    if (line.allowLocalFiles) {
        controller.interpreter().allowLocalFilesForThisRun();
    }
    if (line.unattended) {
        controller.player().addObserver(&run);
        stopSignals = std::make_unique<SignalNotifier>(
            [&run](int signal) { run.finish(rovanta::kExitSignal + signal); });
    }
    controller.load({startDir.toStdString(),
                     (programDir + QStringLiteral("/start.html")).toStdString(),
                     (QDir::homePath() + QStringLiteral("/rovanta.txt")).toStdString()});

    showMainWindow(window);
    if (!tourArgument.isEmpty()) {
        openTourWhenShown(window, controller, tourArgument, line.play);
    }
    const int status = QApplication::exec();
    shell.guide().finish(); // what was recorded before "~Q" or the end
    if (!line.unattended) {
        return status;
    }
    run.finish(rovanta::kExitOk); // "~Q" ended the program: the report is written
    return run.status();
}
