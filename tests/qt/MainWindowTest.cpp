#include "qt/MainWindow.h"

#include "Fakes.h"
#include "app/MainController.h"
#include "qt/CaptureOverlay.h"
#include "qt/OptionsWindow.h"
#include "qt/QtServices.h"
#include "qt/QtWindowServices.h"
#include "qt/SlideShowWindow.h"
#include "qt/WebEngineBrowser.h"
#include "util/PosixDirectoryLookup.h"
#include "util/TextFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

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

// The real main window on the real browser and clock; messages, dialogs
// and fetches are recording fakes so nothing modal blocks the test.
struct App {
    explicit App(const QString& startDir) {
        services = std::make_unique<QtWindowServices>(&window, window.browser());
        controller = std::make_unique<MainController>(
            PlatformServices{window.browser(), *services, clipboard, messages, dialog, internet,
                             lookup, *services, clock, app});
        options = std::make_unique<OptionsWindow>(*controller);
        slideShow = std::make_unique<SlideShowWindow>(*controller);
        window.attach(*controller, *options, *slideShow);
        controller->load({startDir.toStdString(), (startDir + "/start.html").toStdString(),
                          (startDir + "/none.txt").toStdString()});
        window.resize(1280, 1000);
        window.show();
        waitFor([&] { return window.browser().readyState() == Browser::kComplete; });
    }
    ~App() { lookup.setCurrentFolder("/"); }

    template <typename T> T* find(const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    void click(const char* name) {
        QPushButton* b = find<QPushButton>(name);
        ASSERT_NE(b, nullptr) << name;
        b->click();
        QApplication::processEvents();
    }

    MainWindow window;
    std::unique_ptr<QtWindowServices> services;
    QtClock clock;
    QtClipboard clipboard;
    rovanta::testing::FakeMessageBox messages;
    rovanta::testing::FakeFileDialog dialog;
    rovanta::testing::FakeInternetTransfer internet;
    rovanta::testing::FakeAppControl app;
    PosixDirectoryLookup lookup;
    std::unique_ptr<MainController> controller;
    std::unique_ptr<OptionsWindow> options;
    std::unique_ptr<SlideShowWindow> slideShow;
};

} // namespace

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
}

TEST(MainWindow, theSlideShowDialogStartsInItsStartStateAndMakesAShow) {
    QTemporaryDir dir;
    App a(dir.path());
    for (const char* name : {"a.jpg", "b.jpg"}) {
        writeFileAtomic(dir.filePath(name).toStdString(), "JFIF");
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
}
