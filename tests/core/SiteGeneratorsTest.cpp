// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/SiteGenerators.h"

#include "AppRig.h"
#include "TempDir.h"
#include "generators/HtmlText.h"
#include "util/TextFile.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;

namespace {

struct Generators : ::testing::Test {
    Generators() { rig.lookup.setCurrentFolder(dir.path()); }
    ~Generators() override { rig.lookup.setCurrentFolder("/"); }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const auto& m : rig.messages.shown) {
            out.push_back(m.text);
        }
        return out;
    }

    TempDir dir;
    AppRig rig;
    SiteGenerators generators{{rig.files, rig.lookup, rig.dialog, rig.messages, rig.browser},
                              rig.tour,
                              rig.form,
                              rig.editor,
                              rig.interpreter};
};

} // namespace

TEST(HtmlText, namesWithMeaningInHtmlAreEscapedPlainNamesStay) {
    EXPECT_EQ(htmlText("index.html"), "index.html");
    EXPECT_EQ(htmlText("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d&#39;");
    EXPECT_EQ(htmlUnquotedValue("mein bild.html"), "mein%20bild.html");
}

TEST(FramePages, theTwelveLinesAndTheLinkLines) {
    const auto frame = framePageLines("a.html");
    ASSERT_EQ(frame.size(), 12u);
    EXPECT_EQ(frame[6], "<frame src=a.html name=\"main\">");
    EXPECT_EQ(frame[7], "  <noframes>");
    EXPECT_EQ(frame[8], "   Ihr Browser kann diese Seite leider nicht anzeigen!");
    const auto nav = navigationPageLines(
        {"C:\\Tour\\start.html", "http://x.de/dir/page.html", "plain.html", "/s/index.htm"});
    ASSERT_EQ(nav.size(), 13u);
    EXPECT_EQ(nav[5], "<b>Wählen Sie:</b>");
    EXPECT_EQ(nav[7], "<a href=\"start.html\" target=\"main\" >[start (1)]</a><br>");
    EXPECT_EQ(nav[8], "<a href=\"page.html\" target=\"main\" >[page (2)]</a><br>");
    EXPECT_EQ(nav[9], "<a href=\"plain.html\" target=\"main\" >[plain (3)]</a><br>");
    EXPECT_EQ(nav[10], "<a href=\"index.htm\" target=\"main\" >[inde (4)]</a><br>");
    EXPECT_EQ(nav[12], "</html>");
}

TEST_F(Generators, frameSiteWritesBothPagesAddsAndSelectsTheEntry) {
    rig.tour.lists().assign({{dir.file("a.html"), "0;0;", "?"}});
    generators.frameSite();
    const std::string site = dir.file("frame_tour.html");
    const auto frame = readFileBytes(site);
    ASSERT_TRUE(frame);
    EXPECT_NE(frame->find("<frame src=a.html name=\"main\">\r\n"), std::string::npos);
    EXPECT_EQ(frame->substr(frame->size() - 9), "</html>\r\n");
    const auto nav = readFileBytes(dir.file("navigation.html"));
    ASSERT_TRUE(nav);
    EXPECT_NE(nav->find("<b>W\xE4hlen Sie:</b>\r\n"), std::string::npos) << "one byte for ä";
    EXPECT_NE(nav->find("<a href=\"a.html\" target=\"main\" >[a (1)]</a><br>\r\n<hr>"),
              std::string::npos);
    ASSERT_EQ(rig.tour.lists().count(), 2);
    EXPECT_EQ(rig.tour.lists().entry(1), (TourEntry{site, "0;0", "Frame-Site"}));
    EXPECT_EQ(rig.tour.lists().selectedUrl(), 1);
    EXPECT_EQ(rig.browser.navigations.front(), site);
    EXPECT_THAT(messageTexts(), ElementsAre("Frame-Site für Tour angelegt auf: " + dir.path()));

    // A second run finds the page and neither writes nor appends.
    rig.messages.shown.clear();
    generators.frameSite();
    EXPECT_THAT(messageTexts(), ElementsAre("Frame-Site bereits vorhanden!"));
    EXPECT_EQ(rig.tour.lists().count(), 2);
}

TEST_F(Generators, frameSiteOnAnEmptyTourOnlySaysSo) {
    generators.frameSite();
    EXPECT_THAT(messageTexts(), ElementsAre("Tour-URL-Liste ist leer!"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("frame_tour.html")));
}

TEST_F(Generators, htmlFileListMakesTheFolderTheTour) {
    std::filesystem::create_directory(dir.file("seiten"));
    for (const char* name : {"a.htm", "b.html", "c.txt"}) {
        writeFileAtomic(dir.file(std::string("seiten/") + name), "x");
    }
    rig.tour.lists().assign({{"old", "0;0", "?"}});
    rig.dialog.answer = dir.file("seiten/b.html");
    generators.htmlFileList();
    ASSERT_EQ(rig.tour.lists().count(), 2);
    const std::string folder = dir.file("seiten/");
    std::vector<std::string> urls{rig.tour.lists().url(0), rig.tour.lists().url(1)};
    EXPECT_THAT(urls, ::testing::UnorderedElementsAre(folder + "a.htm", folder + "b.html"));
    EXPECT_EQ(rig.tour.lists().comment(1), "HTML-File 2");
    EXPECT_EQ(rig.tour.lists().position(0), "0;0");
    EXPECT_EQ(rig.interpreter.maxDirLst(), 2);
    EXPECT_EQ(rig.dialog.requests[0].filter, "Rovanta *.html|*.html");
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(rig.messages.shown[1].text, "2 x HTML-Dateien eingelesen von: " + folder);
    EXPECT_EQ(rig.messages.shown[1].icon, MessageIcon::None);
}

TEST_F(Generators, cancellingTheDialogKeepsTheTour) {
    rig.tour.lists().assign({{"old", "0;0", "?"}});
    generators.htmlFileList();
    EXPECT_EQ(rig.tour.lists().count(), 1);
    generators.openLocalPage();
    EXPECT_TRUE(rig.browser.navigations.empty());
    rig.dialog.answer = dir.file("p.html");
    generators.openLocalPage();
    EXPECT_EQ(rig.form.state.txtURL, dir.file("p.html"));
    EXPECT_THAT(rig.browser.navigations, ElementsAre(dir.file("p.html")));
}

TEST_F(Generators, aDeletedWorkingFolderFallsBackToTheProgramsFolder) {
    TempDir program;
    rig.form.startDir = program.path();
    const std::string gone = dir.file("gone");
    std::filesystem::create_directory(gone);
    rig.lookup.setCurrentFolder(gone);
    std::filesystem::remove(gone);
    rig.tour.lists().assign({{"a.html", "0;0", "?"}});
    generators.frameSite();
    EXPECT_TRUE(std::filesystem::exists(program.file("frame_tour.html")));
    EXPECT_EQ(rig.tour.lists().url(1), program.file("frame_tour.html"));
    EXPECT_EQ(messageTexts().back(), std::string(SiteGenerators::kFrameWritten) + program.path());
    EXPECT_EQ(rig.lookup.currentFolder(), program.path());
}
