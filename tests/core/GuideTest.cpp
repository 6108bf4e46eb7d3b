// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackRig.h"
#include "TempDir.h"
#include "guide/ActionWords.h"
#include "guide/GuideRecorder.h"
#include "platform/Camera.h"
#include "util/TextFile.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Writes a stand-in picture naming its ring, and keeps the rings asked for.
struct FakeCamera : Camera {
    void take(const std::string& path, std::optional<Point> ring) override {
        rings.push_back(ring);
        writeFileAtomic(path, ring ? "ring" : "plain");
    }
    void flush() override {}
    void readSecrets(std::function<void(std::vector<std::string>)> done) override { done(secrets); }
    std::vector<std::optional<Point>> rings;
    std::vector<std::string> secrets;
};

// Every href and src of the page names a file of the folder (or the web).
void expectLinksResolve(const std::string& folder, const std::string& page) {
    const std::string html = readFileBytes(folder + "/" + page).value_or("");
    ASSERT_FALSE(html.empty()) << page;
    const std::regex link(R"((?:href|src)="([^"]+)\")");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), link);
         it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE(std::filesystem::exists(folder + "/" + (*it)[1].str()))
            << page << " links " << (*it)[1].str();
    }
}

} // namespace

TEST(ActionWords, sayWhatThePlayerDoesInItsOwnSteps) {
    EXPECT_EQ(actionInWords("abc~T[hello world]~V~S:(f0.txt|0)~G:3"),
              "tippt abc · Tab · fügt „hello world“ ein · speichert Feld 0 in f0.txt · weiter bei "
              "Eintrag 3 für die nächste Datei");
    EXPECT_EQ(actionInWords("[Anna]~F1~E"), "setzt Feld 1 auf „Anna“ · Enter");
    EXPECT_EQ(actionInWords("~L:(in.txt)~V~Q"),
              "lädt in.txt · fügt den Inhalt von in.txt ein · beendet das Programm");
    EXPECT_EQ(actionInWords("anna~Tgeheim1~E", {"geheim1"}),
              "tippt anna · Tab · tippt •••• · Enter");
    EXPECT_EQ(actionInWords(""), "");
    EXPECT_TRUE(actionChangesPage("x"));
    EXPECT_TRUE(actionChangesPage("[a]~V"));
    EXPECT_FALSE(actionChangesPage("~S:(a.txt|0)~D:(/tmp|*.txt)"));
}

TEST(Guide, aPlayedTourWritesItsGuideBesideTheTourFileReplacingTheOldOne) {
    TempDir dir;
    PlaybackRig rig;
    FakeCamera camera;
    std::filesystem::create_directory(dir.file("staging"));
    GuideRecorder recorder({{},
                            [&] { return dir.file("kunden.txt"); },
                            [] { return "9.12.2026"; },
                            dir.file("staging")},
                           camera, rig.tour, rig.form, rig.messages);
    rig.player.addObserver(&recorder);
    rig.loadPagesAfter(300);
    rig.form.state.guideOn = true;
    // An old guide: replaced as a whole.
    std::filesystem::create_directory(dir.file("kunden_anleitung"));
    writeFileAtomic(dir.file("kunden_anleitung/alt.html"), "alt");

    rig.tour.lists().assign(
        {{"http://a.de/", "412;380;abc", "Anmelden <b>&"}, {"http://b.de/", "0;0;", "?"}});
    rig.player.intervalChanged("1");
    rig.player.startTour();
    rig.clock.runUntil([&] { return !rig.tour.table().running(); }, 60'000);

    EXPECT_THAT(camera.rings, ElementsAre(Point{412, 360}, std::nullopt, std::nullopt));
    const std::string folder = dir.file("kunden_anleitung");
    ASSERT_FALSE(rig.messages.shown.empty());
    EXPECT_EQ(rig.messages.shown.back().text, "Anleitung angelegt auf: " + folder);
    EXPECT_FALSE(std::filesystem::exists(folder + "/alt.html"));
    for (const char* page : {"index.html", "schritt-001.html", "schritt-002.html", "alle.html"}) {
        expectLinksResolve(folder, page);
    }
    const std::string step1 = readFileBytes(folder + "/schritt-001.html").value_or("");
    EXPECT_THAT(step1, HasSubstr("Schritt 1 von 2"));
    EXPECT_THAT(step1, HasSubstr("<h2>Anmelden &lt;b&gt;&amp;</h2>"));
    EXPECT_THAT(step1, HasSubstr("alt=\"Anmelden &lt;b&gt;&amp;\""));
    EXPECT_THAT(step1, HasSubstr("schritt-001-danach.png")) << "abc typed: a second picture";
    EXPECT_THAT(step1, HasSubstr("Aktion: tippt abc"));
    const std::string step2 = readFileBytes(folder + "/schritt-002.html").value_or("");
    EXPECT_THAT(step2, Not(HasSubstr("<h2>"))) << "no heading for ?";
    EXPECT_THAT(step2, HasSubstr("alt=\"Schritt 2\""));
    const std::string markdown = readFileBytes(folder + "/anleitung.md").value_or("");
    EXPECT_THAT(markdown, HasSubstr("![Anmelden <b>&](schritt-001.png)"));
    EXPECT_THAT(markdown, HasSubstr("![Schritt 2](schritt-002.png)"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("staging"))) << "the next run starts afresh";
}
