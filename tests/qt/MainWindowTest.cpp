// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/MainWindow.h"

#include "Fakes.h"
#include "app/MainController.h"
#include "qt/Shell.h"
#include "qt/services/CaptureOverlay.h"
#include "qt/services/WebEngineBrowser.h"
#include "qt/windows/DialogTable.h"
#include "qt/windows/MainControls.h"
#include "qt/windows/OptionsWindow.h"
#include "qt/windows/SlideShowWindow.h"
#include "util/DialogFilter.h"
#include "util/TextFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace rovanta;

#ifndef ROVANTA_ARTIFACTS
#define ROVANTA_ARTIFACTS "."
#endif

namespace {

bool waitFor(const std::function<bool()>& pred, int ms = 20'000) {
    QElapsedTimer timer;
    timer.start();
    while (!pred() && timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return pred();
}

// The real main window on the real browser and clock, built as the program
// builds it; messages, dialogs and fetches are recording fakes so nothing
// modal blocks the test.
struct App {
    explicit App(const QString& startDir)
        : window(shell.window()), controller(&shell.controller()) {
        options = &shell.options();
        slideShow = &shell.slideShow();
        services = &shell.input();
        controller->load({startDir.toStdString(), (startDir + "/start.html").toStdString(),
                          (startDir + "/none.txt").toStdString()});
        window.resize(1280, 1000);
        window.show();
        waitFor([&] { return window.browser().readyState() == Browser::kComplete; });
    }
    ~App() { shell.lookup().setCurrentFolder("/"); }

    template <typename T> T* find(const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    void click(const char* name) {
        QPushButton* b = find<QPushButton>(name);
        ASSERT_NE(b, nullptr) << name;
        b->click();
        QApplication::processEvents();
    }

    rovanta::testing::FakeMessageBox messages;
    rovanta::testing::FakeFileDialog dialog;
    rovanta::testing::FakeInternetTransfer internet;
    rovanta::testing::FakeAppControl app;
    rovanta::testing::FakeTrustedTours trusted;
    Shell shell{{&messages, &dialog, &internet, &app, &trusted, {}}};
    MainWindow& window;
    MainController* controller;
    OptionsWindow* options = nullptr;
    SlideShowWindow* slideShow = nullptr;
    InputInjector* services = nullptr;
};

} // namespace

TEST(MainWindow, theWindowFitsASmallWorkAreaAndItsPanelScrolls) {
    QTemporaryDir dir;
    App a(dir.path());
    // A laptop's or a 720p virtual machine's work area, less a title bar.
    a.window.resize(1024, 570);
    waitFor([&] { return a.window.height() <= 570; }, 2000);
    EXPECT_LE(a.window.minimumSizeHint().width(), 1024);
    EXPECT_LE(a.window.minimumSizeHint().height(), 570);
    EXPECT_EQ(a.window.size(), QSize(1024, 570));
    // Every control of the panel stays reachable by scrolling.
    auto* scroll = a.window.findChild<QScrollArea*>("panelScroll");
    ASSERT_NE(scroll, nullptr);
    QWidget* generators = a.find<QPushButton>("cmdPicTour");
    scroll->ensureWidgetVisible(generators);
    QApplication::processEvents();
    EXPECT_TRUE(scroll->viewport()->rect().contains(
        generators->mapTo(scroll->viewport(), generators->rect().center())));
}

// Under the sanitizers this is what shows a use after free or a leak when
// the program is left in the middle of something.
TEST(MainWindow, quittingFromEveryStateTheUserCanReachEndsClean) {
    QTemporaryDir dir;
    const QString page = dir.filePath("feld.html");
    writeFileAtomic(page.toStdString(), "<input id=f autofocus>");
    for (const char* state : {"step", "options", "slideshow", "capture"}) {
        SCOPED_TRACE(state);
        App a(dir.path());
        if (std::string(state) == "step") {
            a.controller->tour().lists().assign({{page.toStdString(), "0;0;abcdefghij", "?"}});
            a.click("Command4");
            ASSERT_TRUE(waitFor([&] { return a.controller->queue().busy(); }, 8000));
        } else if (std::string(state) == "options") {
            a.click("cmdOpt");
        } else if (std::string(state) == "slideshow") {
            a.click("cmdPicTour");
        } else {
            a.click("cmdMausAn");
            EXPECT_EQ(a.find<QPushButton>("cmdMausAn")->text(), QStringLiteral("[Aus]"));
        }
        a.click("cmdExit");
        EXPECT_EQ(a.app.quitRequests, 1);
    }
}

TEST(MainWindow, everyControlCarriesItsCaption) {
    QTemporaryDir dir;
    App a(dir.path());
    EXPECT_EQ(a.window.windowTitle(), QStringLiteral("Kelmio"));
    const std::pair<const char*, const char*> captions[] = {{"cmdBack", "&Zurück"},
                                                            {"cmdForward", "&Vor"},
                                                            {"cmdRefresh", "&Refresh"},
                                                            {"cmdHome", "&Home"},
                                                            {"cmdStop", "&Stop"},
                                                            {"Command6", "laden"},
                                                            {"Command5", "speichern"},
                                                            {"cmdFileDlg", "..."},
                                                            {"cmdTB1", "Tour_1"},
                                                            {"cmdTB5", "Tour_5"},
                                                            {"Command4", "> Tour starten"},
                                                            {"cmdTStop", "[Halt]"},
                                                            {"Command2", "> URL zu Tour <"},
                                                            {"Command7", "Lösche Eintrag"},
                                                            {"Command3", "Lösche Tour"},
                                                            {"cmdNoEdit", "[no edit]"},
                                                            {"cmdBlIn", "[Enf_BL]"},
                                                            {"cmdEnter", "[Enter]"},
                                                            {"cmdTab", "[TAB]"},
                                                            {"cmdField", "Flx"},
                                                            {"cmdClearTxt", "C"},
                                                            {"cmdMausAn", "[An]"},
                                                            {"cmdGoTo", "[GoTo]"},
                                                            {"Command9", "Load"},
                                                            {"cmdOpt", "> Optionen <"},
                                                            {"txtInfo", "[Info]"},
                                                            {"cmdExit", "X"}};
    for (const auto& [name, caption] : captions) {
        QPushButton* b = a.find<QPushButton>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(a.find<QCheckBox>("cmdEdit")->text(), QStringLiteral("Edit"));
    EXPECT_EQ(a.find<QCheckBox>("HoldURL")->toolTip(),
              QStringLiteral("Hält die bestehende URL im Browser!"));
    EXPECT_FALSE(a.find<QPushButton>("cmdTStop")->isEnabled());
    EXPECT_TRUE(a.find<QLineEdit>("txtVers")->text().startsWith("RodarAdav-Irozurido ["));
    EXPECT_EQ(a.find<QLabel>("lblMCntr")->text(), QStringLiteral("Capture Point OFF"));
    EXPECT_EQ(a.find<QGroupBox>("fraURL")->title(), QStringLiteral("1) URL:"));
    EXPECT_EQ(a.find<QPushButton>("cmdLBrowse")->parentWidget(), a.find<QGroupBox>("fraURL"));

    // Every control of the table is laid out once (a forgotten one would
    // stay a bare child of the window), runs what its trigger fires, and
    // says why when it bypasses the command queue.
    for (const Control& c : mainControls()) {
        const auto matches = a.window.findChildren<QWidget*>(QString::fromUtf8(c.name));
        ASSERT_EQ(matches.size(), 1) << c.name;
        EXPECT_NE(matches.front()->parentWidget(), &a.window) << c.name;
        EXPECT_EQ(c.trigger == Trigger::None, c.run == nullptr) << c.name;
        EXPECT_EQ(c.route == Route::Direct, *c.direct != '\0') << c.name;
    }
}

TEST(MainWindow, eachDialogLaysOutEveryControlOfItsTableOnce) {
    QTemporaryDir dir;
    App a(dir.path());
    const std::pair<QWidget*, std::span<const DialogControl>> dialogs[] = {
        {a.options, OptionsWindow::controls()}, {a.slideShow, SlideShowWindow::controls()}};
    for (const auto& [dialog, controls] : dialogs) {
        const auto layouts = dialog->findChildren<QLayout*>();
        for (const DialogControl& c : controls) {
            const auto matches = dialog->findChildren<QWidget*>(QString::fromUtf8(c.name));
            ASSERT_EQ(matches.size(), 1) << c.name;
            QWidget* w = matches.front();
            EXPECT_TRUE(std::any_of(layouts.begin(), layouts.end(),
                                    [w](QLayout* l) { return l->indexOf(w) >= 0; }))
                << c.name << " is not laid out";
            if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                EXPECT_EQ(button->text(), QString::fromUtf8(c.caption)) << c.name;
            }
            EXPECT_EQ(c.trigger == DialogTrigger::None, c.run == nullptr) << c.name;
            EXPECT_EQ(c.route == Route::Direct, *c.direct != '\0') << c.name;
        }
    }
}

TEST(MainWindow, recordingAnEntryAndSavingTheTour) {
    QTemporaryDir dir;
    App a(dir.path());
    const QString page = dir.filePath("seite.html");
    writeFileAtomic(page.toStdString(), "<html><body><h1>Seite</h1></body></html>");
    a.find<QLineEdit>("txtURL")->setText(page);
    QTest::keyClick(a.find<QLineEdit>("txtURL"), Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] {
        return a.find<QLineEdit>("txtURL")->text().endsWith("seite.html") &&
               a.window.browser().readyState() == Browser::kComplete &&
               a.window.browser().locationUrl().find("seite.html") != std::string::npos;
    }));

    // Capture a point with a click over the browser.
    a.click("cmdMausAn");
    EXPECT_EQ(a.find<QPushButton>("cmdMausAn")->text(), QStringLiteral("[Aus]"));
    QWebEngineView& view = a.window.browser().view();
    const QPoint local(300, 200);
    a.services->setCursorPos({view.mapToGlobal(local).x(), view.mapToGlobal(local).y()});
    CaptureOverlay& overlay = a.window.browser().overlay();
    ASSERT_TRUE(overlay.isVisible());
    QTest::mouseClick(&overlay, Qt::LeftButton, {}, overlay.mapFromGlobal(view.mapToGlobal(local)));
    ASSERT_TRUE(waitFor([&] { return a.find<QLabel>("lblPos")->text() != "P:"; }, 3000));
    const QPoint client = view.mapTo(&a.window, local);
    EXPECT_EQ(a.find<QLabel>("lblPos")->text(),
              QStringLiteral("P: %1/%2").arg(client.x()).arg(client.y() + 20));
    a.click("cmdMausAn");

    // The action text and the hint, then add and save.
    a.click("cmdEnter");
    EXPECT_EQ(a.find<QLineEdit>("txtKeyPressed")->text(), QStringLiteral("~E"));
    QTest::keyClicks(a.find<QLineEdit>("txtHnw"), "x");
    a.find<QLineEdit>("txtHnw")->setText("Hinweis");
    emit a.find<QLineEdit>("txtHnw")->textEdited("Hinweis");
    a.click("Command2");
    EXPECT_EQ(a.find<QTableView>("TourURLs")->model()->rowCount(), 1);
    EXPECT_EQ(a.find<QLineEdit>("txtKeyPressed")->text(), QString());
    a.find<QLineEdit>("TourFile")->setText("aufnahme.txt");
    emit a.find<QLineEdit>("TourFile")->textEdited("aufnahme.txt");
    a.click("Command5");

    const auto saved = readTextLines(dir.filePath("aufnahme.txt").toStdString());
    ASSERT_TRUE(saved.has_value());
    ASSERT_EQ(saved->size(), 5u);
    EXPECT_EQ((*saved)[1], "03");
    EXPECT_EQ((*saved)[2], "file://" + page.toStdString());
    EXPECT_EQ((*saved)[3],
              std::to_string(client.x()) + ";" + std::to_string(client.y() + 20) + ";~E");
    EXPECT_EQ((*saved)[4], "Hinweis");
}

TEST(MainWindow, theOptionsWindowIsModelessAndSwapsItsBoxes) {
    QTemporaryDir dir;
    App a(dir.path());
    EXPECT_FALSE(a.options->isVisible()) << "created hidden";
    a.click("cmdOpt");
    EXPECT_TRUE(a.options->isVisible());
    EXPECT_EQ(a.options->windowTitle(), QStringLiteral("Einstellungen"));
    auto* pfad = a.options->findChild<QLineEdit*>("txtPfad");
    auto* url = a.options->findChild<QLineEdit*>("txtURL");
    EXPECT_TRUE(pfad->isVisible());
    EXPECT_FALSE(url->isVisible());
    a.options->findChild<QAbstractButton*>("DataWeb")->click();
    QApplication::processEvents();
    EXPECT_FALSE(pfad->isVisible());
    EXPECT_TRUE(url->isVisible());
    EXPECT_EQ(pfad->x(), url->x()) << "the two boxes share one spot";
    EXPECT_EQ(pfad->width(), url->width());
    a.options->grab().save(QStringLiteral(ROVANTA_ARTIFACTS "/options_dialog.png"));
    a.options->findChild<QPushButton*>("cmdClose")->click();
    QApplication::processEvents();
    EXPECT_FALSE(a.options->isVisible());
    EXPECT_TRUE(QFile::exists(dir.filePath("Rovanta.cfg")));
    // "[sichern]" with "Web": a web tour can be loaded, not edited or saved.
    EXPECT_EQ(a.find<QLineEdit>("TourFile")->text(), url->text());
    for (const char* name : {"Command2", "Command3", "Command5", "Command7"}) {
        EXPECT_FALSE(a.find<QPushButton>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(a.find<QPushButton>("Command6")->isEnabled());
    a.click("cmdOpt");
    a.options->findChild<QAbstractButton*>("DataLok")->click();
    a.options->findChild<QPushButton*>("cmdClose")->click();
    QApplication::processEvents();
    EXPECT_EQ(a.find<QLineEdit>("TourFile")->text(), pfad->text());
    for (const char* name : {"Command2", "Command3", "Command5", "Command6", "Command7"}) {
        EXPECT_TRUE(a.find<QPushButton>(name)->isEnabled()) << name;
    }
}

// Opens the local page in the browser and returns what the script gives
// once the page and its frames have loaded.
std::string pageScript(App& a, const QString& page, const char* script) {
    a.controller->command([&] { a.controller->urlEntered(page.toStdString()); });
    QWebEngineView& view = a.window.browser().view();
    waitFor([&] {
        return a.window.browser().locationUrl() ==
                   QUrl::fromLocalFile(page).toString().toStdString() &&
               a.window.browser().readyState() == Browser::kComplete;
    });
    std::string result = "?";
    std::string last;
    const QString wrapped = QStringLiteral("(function(){try{return String(%1)}catch(e){return "
                                           "'error: '+e}})()")
                                .arg(QString::fromUtf8(script));
    for (int attempt = 0; attempt < 50 && (result == "?" || result.empty()); ++attempt) {
        result = "?";
        view.page()->runJavaScript(wrapped,
                                   [&](const QVariant& v) { result = v.toString().toStdString(); });
        waitFor([&] { return result != "?"; }, 2000);
        if (result.empty() || result.find("error") == 0 || result.find(" 0") != std::string::npos) {
            waitFor([] { return false; }, 100); // frames and pictures still loading
            last = result;
            result = "?";
        }
    }
    return result == "?" ? last : result;
}

// Opens the local page and returns what the expression gives in each of its
// frames once they have loaded, joined by "|". Each local page is an origin
// of its own, so a script in every frame posts its answer to the top page;
// a frame sent "klick" follows its last link.
std::string frameScript(App& a, const QString& page, const char* expression, int frames) {
    QWebEngineScript report;
    report.setInjectionPoint(QWebEngineScript::DocumentCreation);
    report.setRunsOnSubFrames(true);
    report.setWorldId(QWebEngineScript::MainWorld);
    report.setSourceCode(
        QStringLiteral("if (window === top) { window.reports = [];"
                       " addEventListener('message', e => reports.push(String(e.data))); }"
                       "else { addEventListener('load', () => top.postMessage(String(%1), '*'));"
                       " addEventListener('message', e => e.data === 'klick' &&"
                       " document.links[document.links.length - 1].click()); }")
            .arg(QString::fromUtf8(expression)));
    a.window.browser().view().page()->scripts().insert(report);
    const std::string all =
        "reports.length >= " + std::to_string(frames) + " ? reports.join('|') : ''";
    return pageScript(a, page, all.c_str());
}

TEST(MainWindow, aFrameSitePlaysWithItsFrames) {
    QTemporaryDir dir;
    App a(dir.path());
    for (const char* name : {"a.html", "b.html"}) {
        writeFileAtomic(dir.filePath(name).toStdString(), std::string("<p>Seite ") + name + "</p>");
    }
    a.controller->tour().lists().assign({{dir.filePath("a.html").toStdString(), "0;0", "A"},
                                         {dir.filePath("b.html").toStdString(), "0;0", "B"}});
    a.shell.lookup().setCurrentFolder(dir.path().toStdString());
    a.click("cmdFrame");
    ASSERT_TRUE(QFile::exists(dir.filePath("frame_tour.html")));
    const std::string frames =
        frameScript(a, dir.filePath("frame_tour.html"), "document.body.innerText", 2);
    EXPECT_NE(frames.find("Seite a.html"), std::string::npos) << frames;
    EXPECT_NE(frames.find("Wählen Sie"), std::string::npos) << "the navigation frame: " << frames;
    // The navigation's link opens its page in the other frame.
    EXPECT_EQ(pageScript(a, dir.filePath("frame_tour.html"),
                         "(frames[0].postMessage('klick', '*'),"
                         " reports.some(r => r.includes('Seite b.html')) ? 'b' : '')"),
              "b");
    // The address box follows the frame's document, so the entry can be recorded.
    auto* address = a.find<QLineEdit>("txtURL");
    const QString framed = QUrl::fromLocalFile(dir.filePath("b.html")).toString();
    auto* status = a.find<QLabel>("lblStatus");
    EXPECT_TRUE(waitFor([&] { return address->text() == framed && status->text() == "Loaded"; },
                        5000))
        << address->text().toStdString() << " " << status->text().toStdString();
    EXPECT_EQ(a.window.browser().readyState(), Browser::kComplete);
    // "Frame anlegen" selected the frame site's own row: the entry replaces it.
    const int row = a.controller->tour().lists().selectedUrl();
    ASSERT_GE(row, 0);
    a.click("Command2");
    EXPECT_EQ(a.controller->tour().lists().url(row), framed.toStdString());
}

TEST(MainWindow, anEntryThatOnlyChangesTheFragmentIsReadyAtOnce) {
    QTemporaryDir dir;
    App a(dir.path());
    const QString page = dir.filePath("lang.html");
    writeFileAtomic(page.toStdString(),
                    "<h1>Teil 1</h1><div style='height:3000px'></div><h2 id=teil2>Teil 2</h2>");
    const std::string file = QUrl::fromLocalFile(page).toString().toStdString();
    a.controller->tour().lists().assign({{file, "0;0;", "eins"}, {file + "#teil2", "0;0;", "zwei"}});
    a.controller->player().intervalChanged("1");
    a.click("Command4");
    ASSERT_TRUE(waitFor([&] { return !a.messages.shown.empty(); }, 8000))
        << "the tour hangs at row " << a.controller->tour().table().pos();
    EXPECT_EQ(a.messages.shown[0].text, "> TOUR BEENDET! <");
}

TEST(MainWindow, theSlideShowFormatIsTakenWhenItsBoxLosesTheFocusAndAClosedDialogStartsAfresh) {
    QTemporaryDir dir;
    App a(dir.path());
    a.window.show();
    a.click("cmdPicTour");
    SlideShowWindow& w = *a.slideShow;
    QApplication::setActiveWindow(&w);
    auto* format = w.findChild<QComboBox*>("txtForm");
    format->setFocus();
    QApplication::processEvents();
    format->setCurrentText(QStringLiteral("*.gif"));
    w.findChild<QLineEdit*>("txtFirstPic")->setFocus(); // the format box loses the focus
    QApplication::processEvents();
    w.findChild<QPushButton*>("cmdSelFile")->click();
    QApplication::processEvents();
    ASSERT_FALSE(a.dialog.requests.empty());
    EXPECT_EQ(a.dialog.requests.back().filter, "Bild |*.gif");

    // Hidden by "[schließen]", it keeps its settings; closed by its frame, it
    // starts in its start state.
    w.findChild<QCheckBox*>("ChkFrame")->click();
    w.findChild<QPushButton*>("cmdDiaShowLoad")->click();
    QApplication::processEvents();
    a.click("cmdPicTour");
    EXPECT_TRUE(w.findChild<QCheckBox*>("ChkFrame")->isChecked());
    EXPECT_EQ(format->currentText(), QStringLiteral("*.gif"));
    w.close();
    QApplication::processEvents();
    a.click("cmdPicTour");
    QApplication::processEvents();
    EXPECT_FALSE(w.findChild<QCheckBox*>("ChkFrame")->isChecked());
    EXPECT_TRUE(w.findChild<QCheckBox*>("ChkPath")->isChecked());
    EXPECT_EQ(format->currentText(), QStringLiteral("*.jpg"));
    a.dialog.requests.clear();
    w.findChild<QPushButton*>("cmdSelFile")->click();
    QApplication::processEvents();
    ASSERT_FALSE(a.dialog.requests.empty());
    EXPECT_EQ(a.dialog.requests.back().filter, "Bild |*.jpg");
}

TEST(MainWindow, theSlideShowDialogStartsInItsStartStateAndMakesAShow) {
    QTemporaryDir dir;
    App a(dir.path());
    for (const char* name : {"a.jpg", "b.jpg"}) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        ASSERT_TRUE(picture.save(dir.filePath(name)));
    }
    a.click("cmdPicTour");
    SlideShowWindow& w = *a.slideShow;
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("DiaShow erstellen"));
    const auto box = [&w](const char* name) { return w.findChild<QCheckBox*>(name); };
    EXPECT_TRUE(box("ChkILink")->isChecked());
    EXPECT_TRUE(box("ChkPath")->isChecked());
    EXPECT_FALSE(box("ChkFrame")->isChecked());
    box("ChkFrame")->click();
    QApplication::processEvents();
    EXPECT_FALSE(box("ChkPath")->isChecked()) << "In Frame switches the page options off";
    EXPECT_FALSE(box("ChkILink")->isChecked());

    a.dialog.answer = dir.filePath("a.jpg").toStdString();
    w.findChild<QPushButton*>("cmdSelFile")->click();
    QApplication::processEvents();
    EXPECT_EQ(w.findChild<QLineEdit*>("txtFirstPic")->text(), dir.filePath("a.jpg"));
    w.findChild<QPushButton*>("cmdGenShow")->click();
    QApplication::processEvents();
    EXPECT_TRUE(QFile::exists(dir.filePath("index_tour.html")));
    EXPECT_EQ(a.find<QTableView>("TourURLs")->model()->rowCount(), 3);
    ASSERT_FALSE(a.messages.shown.empty());
    EXPECT_EQ(a.messages.shown.back().text,
              "DiaShow(2) angelegt auf: " + dir.path().toStdString() + "/");
    w.grab().save(QStringLiteral(ROVANTA_ARTIFACTS "/slideshow_dialog.png"));
    w.findChild<QPushButton*>("cmdDiaShowLoad")->click();
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());

    // The show plays in the browser: its frame and every picture load.
    EXPECT_EQ(frameScript(a, dir.filePath("index_tour.html"),
                          "[...document.images].map(i => i.naturalWidth).join(' ')", 1),
              "8");
}

namespace {

// Replaces the text of a box as a user does: select all, type.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Clicks a row of the tour table.
void clickRow(QTableView* table, int row) {
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QApplication::processEvents();
}

QString hintOf(QTableView* table, int row) {
    return table->model()->index(row, 2).data().toString();
}

} // namespace

TEST(MainWindow, replacingAndDeletingTheSelectedRowThenAddingAppends) {
    QTemporaryDir dir;
    App a(dir.path());
    auto* table = a.find<QTableView>("TourURLs");
    auto* hint = a.find<QLineEdit>("txtHnw");
    for (const char* name : {"a", "b", "c", "d"}) {
        writeFileAtomic(dir.filePath(QString(name) + ".html").toStdString(), "<p>x</p>");
        typeInto(a.find<QLineEdit>("txtURL"), QString(name) + ".html");
        typeInto(hint, QString(name).toUpper());
        a.click("Command2");
    }
    ASSERT_EQ(table->model()->rowCount(), 4);

    clickRow(table, 1);
    ASSERT_TRUE(waitFor([&] { return hint->text() == "B"; }, 3000));
    EXPECT_TRUE(a.find<QCheckBox>("cmdEdit")->isChecked());
    typeInto(hint, "B2");
    a.click("Command2"); // replaces the selected entry
    EXPECT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(hintOf(table, 1), "B2");

    ASSERT_EQ(table->selectionModel()->selectedRows().value(0).row(), 1) << "still selected";
    a.click("Command7");                // "Lösche Eintrag"
    waitFor([] { return false; }, 300); // let any late selection arrive
    EXPECT_EQ(table->model()->rowCount(), 3);
    EXPECT_TRUE(table->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(a.controller->tour().lists().selectedUrl(), -1);
    EXPECT_EQ(hint->text(), QString()) << "no neighbour was loaded into the editor";

    typeInto(a.find<QLineEdit>("txtURL"), "e.html");
    typeInto(hint, "E");
    a.click("Command2");
    ASSERT_EQ(table->model()->rowCount(), 4) << "appended, nothing overwritten";
    EXPECT_EQ(hintOf(table, 0), "A");
    EXPECT_EQ(hintOf(table, 1), "C");
    EXPECT_EQ(hintOf(table, 2), "D");
    EXPECT_EQ(hintOf(table, 3), "E");
}

TEST(MainWindow, aTourOfAFolderOfHtmlFilesPlaysEachPage) {
    QTemporaryDir dir;
    writeFileAtomic(dir.filePath("eins.html").toStdString(), "<title>eins</title>");
    writeFileAtomic(dir.filePath("zwei.htm").toStdString(), "<title>zwei</title>");
    App a(dir.path());
    QStringList titles;
    QObject::connect(&a.window.browser().view(), &QWebEngineView::titleChanged,
                     [&titles](const QString& title) { titles.append(title); });
    a.dialog.answer = dir.filePath("eins.html").toStdString();
    a.click("cmdLHTM");
    ASSERT_EQ(a.find<QTableView>("TourURLs")->model()->rowCount(), 2);
    a.messages.shown.clear();
    typeInto(a.find<QLineEdit>("Invervall"), "1");
    a.click("Command4");
    ASSERT_TRUE(waitFor([&] { return !a.messages.shown.empty(); }, 20'000));
    EXPECT_EQ(a.messages.shown[0].text, "> TOUR BEENDET! <");
    EXPECT_TRUE(titles.contains("eins") && titles.contains("zwei"))
        << titles.join(' ').toStdString();
}

TEST(MainWindow, haltDuringATypingStepFreezesTheTourUntilResumed) {
    QTemporaryDir dir;
    App a(dir.path());
    const QString page = dir.filePath("feld.html");
    writeFileAtomic(page.toStdString(), "<input id=f autofocus>");
    a.controller->tour().lists().assign({{page.toStdString(), "0;0;abcdefghijklmno", "eins"},
                                         {"=", "0;0;pqrstuvwxyzabcd", "zwei"}});
    typeInto(a.find<QLineEdit>("Invervall"), "1");
    a.click("Command4");
    auto* halt = a.find<QPushButton>("cmdTStop");
    // The first step types for 1.5 s; the next tick falls due meanwhile.
    ASSERT_TRUE(waitFor([&] { return a.controller->queue().busy() && halt->isEnabled(); }, 8000));
    halt->click();
    ASSERT_TRUE(waitFor([&] { return halt->text() == "[ gestoppt !]"; }, 5000));
    waitFor([] { return false; }, 2500);
    EXPECT_EQ(a.controller->tour().table().pos(), 1) << "no further step while halted";
    EXPECT_EQ(a.find<QLineEdit>("txtHnw")->text(), "eins");
    EXPECT_TRUE(a.messages.shown.empty());

    halt->click();
    EXPECT_EQ(halt->text(), QStringLiteral("[Halt]"));
    ASSERT_TRUE(waitFor([&] { return !a.messages.shown.empty(); }, 10'000));
    EXPECT_EQ(a.messages.shown[0].text, "> TOUR BEENDET! <");
    EXPECT_EQ(a.controller->tour().table().pos(), 3);
}

TEST(MainWindow, whileAStepTypesTheIntervalBoxKeepsItsTextAndSichernEndsTheTour) {
    QTemporaryDir dir;
    App a(dir.path());
    const QString page = dir.filePath("feld.html");
    writeFileAtomic(page.toStdString(), "<input id=f autofocus>");
    a.controller->tour().lists().assign({{page.toStdString(), "0;0;abcdefghijklmnopqrst", "eins"},
                                         {"=", "0;0;", "zwei"}, {"=", "0;0;", "drei"}});
    auto* interval = a.find<QLineEdit>("Invervall");
    typeInto(interval, "1");
    a.click("Command4");
    ASSERT_TRUE(waitFor([&] { return a.controller->queue().busy(); }, 8000));
    // Typed while the step runs, with a refresh of the window between keys.
    interval->selectAll();
    QTest::keyClick(interval, Qt::Key_3);
    a.controller->form().changed();
    QTest::keyClick(interval, Qt::Key_0);
    a.controller->form().changed();
    EXPECT_EQ(interval->text(), QStringLiteral("30"));
    ASSERT_TRUE(waitFor([&] { return !a.controller->queue().busy(); }, 8000));
    EXPECT_EQ(interval->text(), QStringLiteral("30"));
    EXPECT_EQ(a.controller->player().stepTimer().interval(), 30'000);

    // "[sichern]" rebuilds the lists under the playing tour: it ends.
    a.click("cmdOpt");
    a.options->findChild<QPushButton*>("cmdClose")->click();
    ASSERT_TRUE(waitFor([&] { return !a.messages.shown.empty(); }, 8000));
    EXPECT_EQ(a.messages.shown.back().text, "> TOUR BEENDET! <");
    EXPECT_TRUE(a.find<QPushButton>("Command4")->isEnabled());
    EXPECT_FALSE(a.find<QPushButton>("cmdTStop")->isEnabled());
}

TEST(MainWindow, eachQuickTourButtonFillsItsOwnSlotAndTypedPathsAreNotStored) {
    QTemporaryDir dir;
    App a(dir.path());
    a.click("cmdOpt");
    const auto slot = [&](int n) {
        return a.options->findChild<QLineEdit*>(QStringLiteral("AkPf%1").arg(n))->text();
    };
    const auto choose = [&](int n) {
        a.options->findChild<QPushButton*>(QStringLiteral("cmdTB%1").arg(n))->click();
        QApplication::processEvents();
    };
    for (int n = 1; n <= 5; ++n) {
        a.dialog.answer = "/touren/t" + std::to_string(n) + ".txt";
        choose(n);
    }
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(slot(n), QStringLiteral("/touren/t%1.txt").arg(n));
    }
    a.dialog.answer.reset(); // cancelled: the slot keeps its file
    choose(3);
    EXPECT_EQ(slot(3), QStringLiteral("/touren/t3.txt"));
    typeInto(a.options->findChild<QLineEdit*>("AkPf3"), QStringLiteral("/getippt.txt"));
    a.options->findChild<QPushButton*>("cmdClose")->click();
    QApplication::processEvents();
    const std::string cfg = readFileBytes(dir.filePath("Rovanta.cfg").toStdString()).value_or("");
    EXPECT_NE(cfg.find("/touren/t3.txt"), std::string::npos) << cfg;
    EXPECT_EQ(cfg.find("/getippt.txt"), std::string::npos) << cfg;

    // "SET URL": the main address is the web tour address's folder.
    a.click("cmdOpt");
    a.options->findChild<QAbstractButton*>("DataWeb")->click();
    typeInto(a.options->findChild<QLineEdit*>("txtURL"),
             QStringLiteral("http://127.0.0.1:9/touren/rovanta.txt"));
    a.options->findChild<QPushButton*>("cmdSetMURL")->click();
    QApplication::processEvents();
    EXPECT_EQ(a.controller->form().mainURL, "http://127.0.0.1:9/touren");
    EXPECT_TRUE(a.options->isVisible()) << "the dialog stays open";
}

TEST(MainWindow, clickingBackIntoTheMainWindowFromAnOpenDialogMakesItActive) {
    QTemporaryDir dir;
    App a(dir.path());
    const QString tour = dir.filePath("auto.txt");
    writeFileAtomic(tour.toStdString(), "1/1\r\n03\r\n");
    a.click("cmdOpt");
    ASSERT_TRUE(
        waitFor([&] { return QGuiApplication::focusWindow() == a.options->windowHandle(); }));
    a.dialog.answer = tour.toStdString();
    a.options->findChild<QPushButton*>("cmdSelAutoSt")->click();
    QApplication::processEvents();
    auto* tourFile = a.find<QLineEdit>("TourFile");
    EXPECT_NE(tourFile->text(), tour) << "offered only when the main window is active";

    a.window.activateWindow();
    ASSERT_TRUE(waitFor([&] { return QGuiApplication::focusWindow() == a.window.windowHandle(); }));
    ASSERT_TRUE(waitFor([&] { return tourFile->text() == tour; }, 3000));
    EXPECT_TRUE(a.options->isVisible()) << "the dialog stays open";

    // Offered once: back to the dialog and again into the main window.
    typeInto(tourFile, "andere.txt");
    a.options->activateWindow();
    ASSERT_TRUE(
        waitFor([&] { return QGuiApplication::focusWindow() == a.options->windowHandle(); }));
    a.window.activateWindow();
    ASSERT_TRUE(waitFor([&] { return QGuiApplication::focusWindow() == a.window.windowHandle(); }));
    waitFor([] { return false; }, 200);
    EXPECT_EQ(tourFile->text(), "andere.txt");
}

TEST(MainWindow, theTourTableShowsItsColumnsWhole) {
    QTemporaryDir dir;
    App a(dir.path());
    a.window.resize(1280, 1024);
    auto* table = a.find<QTableView>("TourURLs");
    QApplication::processEvents();
    EXPECT_FALSE(table->horizontalScrollBar()->isVisible()) << "an empty table fits";
    const std::string hint = "Anmelden";
    const std::string longHint(200, 'x');
    a.controller->tour().lists().assign(
        {{dir.filePath("formular.html").toStdString(), "412;380;~T~E", hint},
         {"b.html", "0;0;", longHint}});
    waitFor([] { return false; }, 100);
    const QFontMetrics metrics(table->font());
    EXPECT_GE(table->columnWidth(1), metrics.horizontalAdvance("412;380;~T~E"));
    EXPECT_GT(table->columnWidth(2), metrics.horizontalAdvance(QString::fromStdString(hint)));
    EXPECT_GE(table->columnWidth(0), table->viewport()->width() * 2 / 5)
        << "a long hint leaves the address its room";
    EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
    EXPECT_EQ(table->model()->index(1, 2).data(Qt::ToolTipRole).toString().size(), 200);
    EXPECT_EQ(table->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
              dir.filePath("formular.html"));
}

TEST(MainWindow, theLocalPageDialogOffersHtmAndHtmlFilesAndSpeaksGerman) {
    QTemporaryDir dir;
    for (const char* name : {"a.htm", "b.html", "c.txt", "d.htmlx"}) {
        writeFileAtomic(dir.filePath(name).toStdString(), "x");
    }
    // The dialog that "..." opens, with the filter it is given.
    QFileDialog dialog(nullptr, QString(), dir.path(),
                       QString::fromStdString(toolkitFilter("*.htm?")));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(list, nullptr);
    QStringList shown;
    waitFor(
        [&] {
            shown.clear();
            const QModelIndex root = list->rootIndex();
            for (int r = 0; r < list->model()->rowCount(root); ++r) {
                shown << list->model()->index(r, 0, root).data().toString();
            }
            shown.sort();
            return shown.size() >= 2;
        },
        5000);
    EXPECT_EQ(shown, (QStringList{"a.htm", "b.html"}));
    // Qt's own dialogs speak the window's German.
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), QStringLiteral("&Öffnen"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

TEST(MainWindow, theCheckLineSaysWhatThePlayerWillNotTypeWhileTheAuthorTypes) {
    QTemporaryDir dir;
    App a(dir.path());
    auto* keys = a.find<QLineEdit>("txtKeyPressed");
    auto* check = a.find<QLabel>("lblKeyCheck");
    typeInto(keys, "ab c");
    EXPECT_TRUE(check->text().startsWith(QStringLiteral("Zeichen 3: „ “ wird nicht getippt")))
        << check->text().toStdString();
    typeInto(keys, "[ab c]~V");
    EXPECT_EQ(check->text(), QString());
    a.click("cmdBlA"); // a token button leaves a "[" without "]"
    EXPECT_TRUE(check->text().contains(QStringLiteral("„[“ ohne „]“")));
    EXPECT_EQ(keys->text(), QStringLiteral("[ab c]~V[")) << "the check never changes the text";
}

// Runs xdotool against the test's X server; false when it failed.
static bool xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

TEST(MainWindow, keysRecordedInAFormPlayBackIntoItAndSubmitIt) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty()) {
        GTEST_SKIP() << "needs an X server, xdotool and setxkbmap to type as the author does";
    }
    // The author types on a German keyboard, where "ß" has a key of its own.
    ASSERT_EQ(QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("de")}), 0);
    struct UsAgain {
        ~UsAgain() { QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")}); }
    } usAgain;
    QTemporaryDir dir;
    const QString page = dir.filePath("aufnahme.html");
    writeFileAtomic(page.toStdString(),
                    "<!doctype html><meta charset=utf-8><style>body{margin:0}"
                    "input,button{position:absolute;left:20px;width:300px;height:28px}</style>"
                    "<form action=aufnahme.html><input name=name style=top:20px>"
                    "<input name=addr style=top:70px><button style=top:120px>OK</button></form>");
    App a(dir.path());
    a.window.activateWindow();
    QWebEngineView& view = a.window.browser().view();
    std::vector<QUrl> visited;
    QObject::connect(&view, &QWebEngineView::urlChanged,
                     [&visited](const QUrl& url) { visited.push_back(url); });
    const auto open = [&] {
        a.controller->command([&] { a.controller->urlEntered(page.toStdString()); });
        return waitFor([&] {
            return a.window.browser().locationUrl() ==
                       QUrl::fromLocalFile(page).toString().toStdString() &&
                   a.window.browser().readyState() == Browser::kComplete;
        });
    };
    ASSERT_TRUE(open());
    const QPoint field = view.mapToGlobal(QPoint(60, 34)); // in the name field
    const QStringList at = {QString::number(field.x()), QString::number(field.y())};

    // The author captures the field's point, clicks into it and types.
    a.click("cmdMausAn");
    ASSERT_TRUE(xdotool(QStringList{"mousemove"} + at + QStringList{"click", "1"}));
    ASSERT_TRUE(waitFor([&] { return a.find<QLabel>("lblPos")->text() != "P:"; }, 5000));
    a.click("cmdMausAn");
    ASSERT_TRUE(xdotool(QStringList{"mousemove"} + at + QStringList{"click", "1"}));
    a.find<QCheckBox>("chkRecKeys")->click();
    for (const QStringList& keys :
         {QStringList{"type", "--delay", "60", "Anna Berg"}, QStringList{"key", "Tab"},
          QStringList{"type", "--delay", "60", "Weg 12ß"}, QStringList{"key", "Return"}}) {
        ASSERT_TRUE(xdotool(keys));
        waitFor([] { return false; }, 200);
    }
    auto* action = a.find<QLineEdit>("txtKeyPressed");
    ASSERT_TRUE(waitFor([&] { return action->text().endsWith("~E"); }, 5000));
    EXPECT_EQ(action->text(), QStringLiteral("[Anna Berg]~V~T[Weg 12ß]~V~E"));
    EXPECT_EQ(a.find<QLabel>("lblKeyCheck")->text(), QString());

    // The entry is stored on the reloaded, empty form and played.
    ASSERT_TRUE(open());
    a.click("Command2");
    EXPECT_FALSE(a.find<QCheckBox>("chkRecKeys")->isChecked()) << "storing ends the recording";
    visited.clear();
    a.click("Command4");
    ASSERT_TRUE(waitFor([&] { return !a.messages.shown.empty(); }, 30'000));
    const auto submitted = std::find_if(visited.begin(), visited.end(),
                                        [](const QUrl& url) { return url.hasQuery(); });
    ASSERT_NE(submitted, visited.end()) << "the form was not submitted";
    EXPECT_EQ(submitted->query(QUrl::FullyEncoded).toStdString(),
              "name=Anna+Berg&addr=Weg+12%C3%9F");
}

TEST(MainWindow, aLocalPageShowsItsFramesAndPicturesButItsScriptsReadNoOtherLocalFile) {
    QTemporaryDir dir;
    const QString secret = dir.filePath("geheim.txt");
    writeFileAtomic(secret.toStdString(), "geheim");
    writeFileAtomic(dir.filePath("andere.html").toStdString(), "<p>geheim</p>");
    // A named pipe in a frame must not hold the program up.
    ASSERT_EQ(::mkfifo(dir.filePath("rohr").toLocal8Bit().constData(), 0600), 0);
    const QString secretUrl = QUrl::fromLocalFile(secret).toString();
    // A pixel of a PNG, for the picture in the frame and on the canvas.
    const QByteArray png =
        QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwA"
                               "EhQGAhKmMIQAAAABJRU5ErkJggg==");
    writeFileAtomic(dir.filePath("bild.png").toStdString(), png.toStdString());
    writeFileAtomic(dir.filePath("rahmen.html").toStdString(),
                    "<script>parent.postMessage('rahmen','*')</script>"
                    "<img src=bild.png onload=\"parent.postMessage('bild','*')\" "
                    "onerror=\"parent.postMessage('kein bild','*')\">");
    writeFileAtomic(
        dir.filePath("seite.html").toStdString(),
        ("<input id=f><iframe src=rahmen.html></iframe><iframe id=g src=geheim.txt></iframe>"
         "<iframe id=h src=andere.html></iframe><iframe src=rohr></iframe>"
         "<script src=geheim.txt></script>"
         "<img src=bild.png onload=\"var c=document.createElement('canvas');"
         "c.getContext('2d').drawImage(this,0,0);try{c.getContext('2d').getImageData(0,0,1,1);"
         "seen.push('leinwand gelesen')}catch(e){seen.push('leinwand verweigert')}"
         "document.title=seen.join(' ')\"><script>"
         "var seen=[];onmessage=function(e){seen.push(e.data);document.title=seen.join(' ')};"
         "fetch('" +
         secretUrl +
         "').then(r=>r.text()).then(t=>{f.value=t},"
         "()=>{seen.push('fetch verweigert');document.title=seen.join(' ')});"
         "var x=new XMLHttpRequest();try{x.open('GET','file://localhost" +
         secret +
         "',false);x.send();"
         "f.value+=x.responseText}catch(e){}</script>")
            .toStdString());
    App a(dir.path());
    QWebEngineView& view = a.window.browser().view();
    a.controller->command(
        [&] { a.controller->urlEntered(dir.filePath("seite.html").toStdString()); });
    ASSERT_TRUE(waitFor([&] {
        return view.title().contains("rahmen") && view.title().contains(" bild") &&
               view.title().contains("fetch verweigert") && view.title().contains("leinwand");
    })) << view.title().toStdString();
    EXPECT_TRUE(view.title().contains("leinwand verweigert")) << view.title().toStdString();
    std::string field = "?";
    a.window.browser().readField(0, [&](std::string v) { field = std::move(v); });
    ASSERT_TRUE(waitFor([&] { return field != "?"; }));
    EXPECT_EQ(field, "") << "the page fetched a local file";
    // Nor through the documents of frames it opened on local files.
    std::string framed = "?";
    view.page()->runJavaScript(
        QStringLiteral("(function(){var r='';for(var e of [g,h]){try{r+=e.contentDocument.body."
                       "innerText}catch(x){}}return r})()"),
        [&](const QVariant& v) { framed = v.toString().toStdString(); });
    ASSERT_TRUE(waitFor([&] { return framed != "?"; }));
    EXPECT_EQ(framed.find("geheim"), std::string::npos) << framed;
    EXPECT_EQ(a.window.browser().locationUrl(),
              QUrl::fromLocalFile(dir.filePath("seite.html")).toString().toStdString());
}
