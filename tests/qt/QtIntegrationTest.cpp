// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "files/FileHelpers.h"
#include "form/MainForm.h"
#include "player/ActionInterpreter.h"
#include "posix/PosixDirectoryLookup.h"
#include "qt/services/InputBackends.h"
#include "qt/services/LocalPages.h"
#include "qt/services/QtInternetTransfer.h"
#include "qt/services/QtServices.h"
#include "qt/services/QtTrustedTours.h"
#include "qt/services/WebEngineBrowser.h"
#include "tour/TourTable.h"
#include "util/TextFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace rovanta;

namespace {

// Lets the event loop run until pred holds or ms pass.
bool waitUntil(const std::function<bool()>& pred, int ms = 20'000) {
    QElapsedTimer timer;
    timer.start();
    while (!pred() && timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return pred();
}

// Runs JavaScript in the page and waits for its answer.
QString evaluate(QWebEngineView& view, const QString& script) {
    std::optional<QString> answer;
    view.page()->runJavaScript(script, [&answer](const QVariant& v) { answer = v.toString(); });
    waitUntil([&] { return answer.has_value(); }, 5000);
    return answer.value_or(QStringLiteral("<no answer>"));
}

// A window with the real browser, the real clock, clipboard and input.
struct RealWindow {
    RealWindow() {
        window.resize(900, 700);
        auto* layout = new QVBoxLayout(&window);
        view = new QWebEngineView(&window);
        layout->addWidget(view);
        browser = std::make_unique<WebEngineBrowser>(view);
        services = createInput(&window, *browser);
        interpreter = std::make_unique<ActionInterpreter>(
            InterpreterServices{*services, *browser, clock, files, messages, app}, table, form);
        window.show();
        waitUntil([&] { return window.isVisible(); }, 2000);
        window.activateWindow();
    }

    void load(const QString& path) {
        browser->navigate(path.toStdString());
        waitUntil([&] { return browser->readyState() == Browser::kComplete; });
    }

    // Runs an action text on the real clock until it ends.
    void run(const std::string& text) {
        ActionInterpreter::Outcome outcome{};
        Task task = interpreter->run(text, outcome);
        task.start();
        ASSERT_TRUE(waitUntil([&] { return task.done(); }, 60'000));
    }

    QString field(int n) {
        return evaluate(*view, QStringLiteral("document.forms[0].elements[%1].value").arg(n));
    }

    QWidget window;
    QWebEngineView* view = nullptr;
    std::unique_ptr<WebEngineBrowser> browser;
    std::unique_ptr<InputInjector> services;
    QtClock clock;
    QtClipboard clipboard;
    rovanta::testing::FakeMessageBox messages;
    rovanta::testing::FakeAppControl app;
    PosixDirectoryLookup lookup;
    FileHelpers files{lookup, messages, clipboard};
    MainForm form;
    TourTable table;
    std::unique_ptr<ActionInterpreter> interpreter;
};

const char* const kFormPage =
    "<!DOCTYPE html><html><body><form>"
    "<input id='a' autofocus style='position:fixed;left:0;top:0;width:100%;height:50%'>"
    "<input id='b'><input id='c'></form></body></html>";

// Writes the form page into dir and returns its path.
QString writeFormPage(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("form.html"));
    writeFileAtomic(path.toStdString(), kFormPage);
    return path;
}

} // namespace

TEST(RealInput, theActionLanguageReachesARealPage) {
    QTemporaryDir dir;
    RealWindow w;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        EXPECT_NE(dynamic_cast<XTestInput*>(w.services.get()), nullptr)
            << "an X server with XTest must be used";
    } else {
        EXPECT_NE(dynamic_cast<SyntheticInput*>(w.services.get()), nullptr);
    }
    w.load(writeFormPage(dir));
    // Focus the first field with a click at its place.
    const QPoint inside = w.view->mapTo(&w.window, QPoint(100, 60));
    w.services->setCursorPos(w.services->clientToScreen({inside.x(), inside.y()}));
    w.services->mouseEvent(kMouseLeftDown);
    w.services->mouseEvent(kMouseLeftUp);
    waitUntil([] { return false; }, 300);

    const std::string out = dir.filePath(QStringLiteral("out.txt")).toStdString();
    w.run("abcAb12-3,*+/~T[hello world]~V[x y]~F2~S:(" + out + "|0)");
    EXPECT_EQ(w.field(0), QStringLiteral("abcAb12-3,*+/"));
    EXPECT_EQ(w.field(1), QStringLiteral("hello world"));
    EXPECT_EQ(w.field(2), QStringLiteral("x y"));
    EXPECT_EQ(readFileBytes(out), "abcAb12-3,*+/\r\n");
}

TEST(RealBrowser, readyStateAndLocationOfLocalPages) {
    QTemporaryDir dir;
    RealWindow w;
    const QString page = writeFormPage(dir);
    w.browser->navigate(page.toStdString());
    EXPECT_EQ(w.browser->readyState(), Browser::kLoading) << "loading from the call on";
    ASSERT_TRUE(waitUntil([&] { return w.browser->readyState() == Browser::kComplete; }));
    EXPECT_EQ(w.browser->locationUrl(), "file://" + page.toStdString());

    // A page that sends the browser on ends at its target.
    const QString target = dir.filePath(QStringLiteral("target.html"));
    writeFileAtomic(target.toStdString(), "<html><body>Ziel</body></html>");
    const QString redirect = dir.filePath(QStringLiteral("redirect.html"));
    writeFileAtomic(redirect.toStdString(),
                    "<html><head><meta http-equiv='refresh' content='0; url=target.html'>"
                    "</head></html>");
    w.browser->navigate(redirect.toStdString());
    EXPECT_TRUE(waitUntil([&] {
        return w.browser->readyState() == Browser::kComplete &&
               QString::fromStdString(w.browser->locationUrl()).endsWith("target.html");
    }));

    // Umlauts read right in a UTF-8 page that names no charset and in a
    // page that names its own.
    const std::pair<const char*, const char*> encoded[] = {{"utf8.html", "<title>\xC3\xBC"
                                                                         "ber</title>"},
                                                           {"latin1.html",
                                                            "<meta charset=iso-8859-1><title>\xFC"
                                                            "ber</title>"}};
    for (const auto& [name, bytes] : encoded) {
        writeFileAtomic(dir.filePath(QString::fromLatin1(name)).toStdString(), bytes);
        w.browser->navigate(dir.filePath(QString::fromLatin1(name)).toStdString());
        EXPECT_TRUE(waitUntil([&] { return w.view->title() == QStringLiteral("über"); }))
            << name << ": " << w.view->title().toStdString();
    }

    // A missing file also ends loading, at the address that was tried.
    const QString missing = dir.filePath(QStringLiteral("missing.html"));
    w.browser->navigate(missing.toStdString());
    EXPECT_TRUE(waitUntil([&] { return w.browser->readyState() == Browser::kComplete; }));
    EXPECT_EQ(w.browser->locationUrl(), "file://" + missing.toStdString());

    // Fields of a page without a form read as empty text.
    std::optional<std::string> value;
    w.browser->readField(3, [&](std::string v) { value = std::move(v); });
    EXPECT_TRUE(waitUntil([&] { return value.has_value(); }));
    EXPECT_EQ(value, "");
}

namespace {

// A loopback HTTP server that answers each request as the test says.
class TinyServer : public QTcpServer {
public:
    // Answer for a request path; nothing: never answer.
    std::function<std::optional<QByteArray>(const QByteArray& path)> answer;

protected:
    void incomingConnection(qintptr handle) override {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(handle);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const QByteArray request = socket->readAll();
            const QByteArray path = request.split(' ').value(1);
            if (const auto reply = answer(path)) {
                socket->write(*reply);
                socket->disconnectFromHost();
            }
        });
    }
};

QByteArray httpReply(const QByteArray& status, const QByteArray& contentType,
                     const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

TEST(RealBrowser, aRemotePageReachesNoLocalFile) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("bild.png"));
    QImage(4, 4, QImage::Format_RGB32).save(picture);
    const QByteArray asFile = QUrl::fromLocalFile(picture).toEncoded();
    const QByteArray asPage = localpages::pageUrl(QUrl::fromLocalFile(picture)).toEncoded();
    TinyServer server;
    server.answer = [&](const QByteArray&) -> std::optional<QByteArray> {
        return httpReply("200 OK", "text/html",
                         "<script>var seen=[];function s(x){seen.push(x);"
                         "document.title=seen.sort().join(' ')}</script><img src='" +
                             asFile + "' onload=s('datei') onerror=s('-')><img src='" + asPage +
                             "' onload=s('seite') onerror=s('-')>");
    };
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    RealWindow w;
    w.browser->navigate("http://127.0.0.1:" + std::to_string(server.serverPort()) + "/");
    EXPECT_TRUE(waitUntil([&] { return w.view->title() == QStringLiteral("- -"); }))
        << w.view->title().toStdString();
}

TEST(RealFetch, answersFailuresAndTimeOutsFromALoopbackServer) {
    TinyServer server;
    server.answer = [](const QByteArray& path) -> std::optional<QByteArray> {
        if (path == "/tour.txt") {
            return httpReply("200 OK", "text/plain; charset=utf-8",
                             "1/1\r\n03\r\nGr\xC3\xBC\xC3\x9F"
                             "e\r\n");
        }
        if (path == "/latin.txt") {
            return httpReply("200 OK", "text/plain",
                             "Gr\xFC\xDF"
                             "e");
        }
        if (path == "/hang") {
            return std::nullopt;
        }
        return httpReply("404 Not Found", "text/html", "<html>nicht da</html>");
    };
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const std::string base = "http://127.0.0.1:" + std::to_string(server.serverPort());
    QtInternetTransfer internet(nullptr, 1500);

    EXPECT_EQ(internet.fetchText(base + "/tour.txt"), "1/1\r\n03\r\nGrüße\r\n");
    EXPECT_EQ(internet.fetchText(base + "/latin.txt"), "Grüße") << "Windows-1252 by default";
    EXPECT_EQ(internet.fetchText(base + "/missing"), std::nullopt) << "404";
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(internet.fetchText(base + "/hang"), std::nullopt) << "never answered";
    EXPECT_LT(timer.elapsed(), 10'000);

    // A port nobody listens on refuses at once.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 closedPort = probe.serverPort();
    probe.close();
    EXPECT_EQ(internet.fetchText("http://127.0.0.1:" + std::to_string(closedPort) + "/x"),
              std::nullopt);

    // Local paths are read as files.
    QTemporaryDir dir;
    const std::string local = dir.filePath(QStringLiteral("t.txt")).toStdString();
    writeFileAtomic(local, "a\xE4");
    EXPECT_EQ(internet.fetchText(local), "aä");
    EXPECT_EQ(internet.fetchText(local + ".missing"), std::nullopt);
}

// The program quitting while a fetch waits (its progress dialog open) ends
// the fetch as a failure, not as an empty text. Quitting ends every event
// loop of the process for good, so this runs in a process of its own.
TEST(RealFetchDeathTest, quittingDuringAFetchIsAFailureNotAnEmptyText) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TinyServer server;
            server.answer = [](const QByteArray&) -> std::optional<QByteArray> {
                return std::nullopt;
            };
            if (!server.listen(QHostAddress::LocalHost)) {
                std::_Exit(2);
            }
            QtInternetTransfer internet(nullptr, 10'000);
            QTimer::singleShot(300, [] { QCoreApplication::exit(0); });
            const auto text =
                internet.fetchText("http://127.0.0.1:" + std::to_string(server.serverPort()) + "/");
            std::_Exit(text ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(RealClock, timersAndWaitsFollowTheVirtualClocksRules) {
    QtClock clock;
    int ticks = 0;
    auto timer = clock.createTimer([&] { ++ticks; });
    timer->setInterval(0);
    timer->setEnabled(true);
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(ticks, 0) << "an interval of 0 never fires";
    timer->setInterval(50);
    EXPECT_TRUE(waitUntil([&] { return ticks >= 2; }, 2000));
    timer->setEnabled(false);
    const int stopped = ticks;
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(ticks, stopped);
    bool called = false;
    const auto start = clock.nowMs();
    clock.callAfter(100, [&] { called = true; });
    EXPECT_TRUE(waitUntil([&] { return called; }, 2000));
    EXPECT_GE(clock.nowMs() - start, 100);
}

TEST(RealClipboard, plainTextAndNoText) {
    QtClipboard clipboard;
    clipboard.setText("Grüße");
    EXPECT_EQ(clipboard.text(), "Grüße");
    clipboard.clear();
    EXPECT_EQ(clipboard.text().value_or(""), "");
}

TEST(TrustedTours, areRememberedBetweenRunsAndAnUnwritableFolderOnlyForgetsThem) {
    QTemporaryDir dir;
    const QString file = dir.filePath("state/rovanta/trusted-tours");
    {
        QtTrustedTours store(file);
        EXPECT_FALSE(store.isTrusted("1/1\r\n03\r\n"));
        store.trust("1/1\r\n03\r\n");
    }
    QtTrustedTours again(file);
    EXPECT_TRUE(again.isTrusted("1/1\r\n03\r\n"));
    EXPECT_FALSE(again.isTrusted("1/1\r\n04\r\n")) << "a changed tour is not trusted";
    // /proc takes no folders, not even from root.
    QtTrustedTours nowhere(QStringLiteral("/proc/rovanta/trusted-tours"));
    nowhere.trust("x");
    EXPECT_TRUE(nowhere.isTrusted("x")) << "trusted for this run";
    EXPECT_FALSE(QtTrustedTours(QStringLiteral("/proc/rovanta/trusted-tours")).isTrusted("x"));
}

TEST(MessageBoxes, askInGermanAndAnswerWithTheButtonPressed) {
    QtMessageBox messages(nullptr);
    QStringList captions;
    // Presses "Nein" once the modal box is up, noting every button's text.
    QTimer::singleShot(200, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            captions << button->text();
        }
        box->button(QMessageBox::No)->click();
    });
    const auto answer = messages.show(
        {"Zulassen?", "Rovanta", rovanta::MessageIcon::Question, rovanta::MessageButtons::YesNo});
    EXPECT_EQ(answer, rovanta::MessageResult::No);
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"&Ja", "&Nein"}));
}
