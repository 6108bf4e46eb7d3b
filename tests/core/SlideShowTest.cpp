// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/SlideShow.h"

#include "AppRig.h"
#include "TempDir.h"
#include "util/TextFile.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using Lines = std::vector<std::string>;

namespace {

struct Show : ::testing::Test {
    Show() {
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
            writeFileAtomic(dir.file(name), "JFIF");
        }
        show.open();
        show.setWrkDir(dir.path() + "/");
        show.options().txtFirstPic = dir.file("a.jpg");
        rig.form.state.invervall = "03";
    }
    ~Show() override { rig.lookup.setCurrentFolder("/"); }

    Lines page(const std::string& name) const {
        return readTextLines(dir.file(name)).value_or(Lines{"<missing>"});
    }
    std::vector<TourEntry> tour() const {
        std::vector<TourEntry> out;
        for (int i = 0; i < rig.tour.lists().count(); ++i) {
            out.push_back(rig.tour.lists().entry(i));
        }
        return out;
    }

    TempDir dir;
    AppRig rig;
    SlideShow show{{rig.lookup, rig.dialog, rig.messages, rig.browser}, rig.tour, rig.form};
};

} // namespace

TEST_F(Show, theDialogStartsWithItsDefaultsAndInFrameSwitchesOthersOff) {
    const SlideShowState& s = show.state();
    EXPECT_TRUE(s.chkILink && s.chkPicLink && s.chkPath);
    EXPECT_FALSE(s.chkDirection || s.chkFrame || s.chkAutoLink || s.chkNav);
    EXPECT_TRUE(s.diaLokal);
    EXPECT_EQ(show.filter(), "*.jpg");
    show.options().chkDirection = true;
    show.frameClicked(true);
    EXPECT_TRUE(s.chkFrame && s.chkDirection);
    EXPECT_FALSE(s.chkPath || s.chkAutoLink || s.chkILink || s.chkNav || s.chkPicLink);
    show.frameClicked(false);
    EXPECT_FALSE(s.chkPicLink) << "switching off changes nothing else";
    show.formatLeft("*.gif");
    show.hide();
    show.open();
    EXPECT_EQ(show.filter(), "*.gif") << "kept while hidden";
    show.discard();
    show.open();
    EXPECT_EQ(show.filter(), "*.jpg") << "a discarded window starts afresh";
    EXPECT_TRUE(show.state().chkPath);
}

TEST_F(Show, theFirstPictureSetsTheFolder) {
    rig.dialog.answer = dir.file("b.jpg");
    show.getFirstPic();
    EXPECT_EQ(show.state().txtFirstPic, dir.file("b.jpg"));
    EXPECT_EQ(show.wrkDir(), dir.path() + "/");
    EXPECT_EQ(rig.dialog.requests[0].filter, "Bild |*.jpg");
    rig.dialog.answer.reset();
    show.getFirstPic();
    EXPECT_EQ(show.state().txtFirstPic, dir.file("b.jpg"));
}

TEST_F(Show, thePageOfAMiddlePictureHasItsThirteenLines) {
    show.options().chkPath = false;
    show.options().chkAutoLink = true;
    show.options().chkNav = true;
    for (int k = 1; k <= 3; ++k) {
        show.picLst()[static_cast<std::size_t>(k)] =
            dir.file(std::string(1, char('a' + k - 1)) + ".jpg");
    }
    show.genHtml(dir.path() + "/", 1, 3);
    show.genHtml(dir.path() + "/", 2, 3);
    show.genHtml(dir.path() + "/", 3, 3);
    EXPECT_EQ(
        page("b.html"),
        (Lines{"<html>", "<head>", "<title>Bild: b.jpg</title>",
               "<meta http-equiv=\"refresh\"content=\"03;URL=c.html\">", "</head>", "<body>",
               "<a href=\"b.jpg\" alt=\"b.jpg\"><img src=b.jpg height=\"390\"></a>", "<br><br><hr>",
               "<a href=a.html>[ZURUECK]</a> | <a href=c.html>[VOR]</a> | Bild-Nr.:2", "<br><hr>",
               "<a href=\"index_tour.html\">[Tour-Index]</a><br><br>", "</body>", "</html>"}));
    EXPECT_EQ(page("a.html")[8], " | <a href=b.html>[VOR]</a> | Bild-Nr.:1");
    EXPECT_EQ(page("c.html")[7], "<a href=b.html>[ZURUECK]</a> |  | Bild-Nr.:3");
    EXPECT_EQ(page("c.html").size(), 12u) << "no forwarding on the last page";
}

TEST_F(Show, withEveryOptionOffAPageHasEightLines) {
    show.options().chkPath = false;
    show.options().chkPicLink = false;
    show.picLst()[1] = dir.file("a.jpg");
    show.genHtml(dir.path() + "/", 1, 1);
    EXPECT_EQ(page("a.html"),
              (Lines{"<html>", "<head>", "<title>Bild: a.jpg</title>", "</head>", "<body>",
                     "<img src=a.jpg height=\"390\">", "</body>", "</html>"}));
}

TEST_F(Show, aRunBuildsPagesIndexAndTour) {
    show.options().chkPath = false;
    show.options().chkILink = false;
    show.genShow();
    ASSERT_EQ(rig.tour.lists().count(), 4);
    EXPECT_EQ(rig.tour.lists().entry(3),
              (TourEntry{dir.path() + "/index_tour.html", "0;0", "Tour-Index-Site"}));
    EXPECT_EQ(rig.tour.lists().comment(0), "Bild 1");
    EXPECT_EQ(rig.tour.lists().position(2), "0;0");
    EXPECT_TRUE(rig.tour.lists().url(0) == "a.html" || rig.tour.lists().url(0) == "b.html" ||
                rig.tour.lists().url(0) == "c.html");
    for (const char* name : {"a.html", "b.html", "c.html"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.file(name))) << name;
    }
    const Lines index = page("index_tour.html");
    EXPECT_EQ(index[2], "<title>Rovanta - Diashow-Übersicht</title>");
    EXPECT_EQ(readFileBytes(dir.file("index_tour.html"))
                      ->find("\xDC"
                             "bersicht") != std::string::npos,
              true)
        << "Ü is one byte";
    EXPECT_EQ(index[8].substr(index[8].size() - 11), ")]</a>  /  ");
    EXPECT_EQ(index[11], "<br>") << "three links share a line";
    EXPECT_EQ(rig.lookup.currentFolder() + "/", dir.path() + "/");
    EXPECT_EQ(rig.tour.lists().selectedUrl(), 3);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text, "DiaShow(3) angelegt auf: " + dir.path() + "/");
}

TEST_F(Show, inFrameEveryLinkHasItsLineAndTheFrameItsSide) {
    show.frameClicked(true);
    show.options().chkDirection = true;
    show.genShow();
    const Lines index = page("index_tour.html");
    EXPECT_EQ(index[8].rfind("<iframe src=", 0), 0u);
    EXPECT_NE(index[8].find("align=\"Left\">"), std::string::npos);
    EXPECT_NE(index[11].find("\" target=\"main\" >["), std::string::npos);
    EXPECT_EQ(index[12], "<br>");
}

TEST_F(Show, theWebLocationPointsPicturesToTheWebBase) {
    show.chooseLocation(false);
    show.options().chkPath = false;
    show.genShow();
    EXPECT_EQ(rig.tour.lists().url(0).rfind("http://www.example.org/diashow/", 0), 0u);
    EXPECT_EQ(rig.tour.lists().url(3), dir.path() + "/index_tour.html");
}

TEST_F(Show, moreThanNinetyNinePicturesMakeAShowOfNinetyNine) {
    for (int i = 0; i < 105; ++i) {
        writeFileAtomic(dir.file("p" + std::to_string(1000 + i) + ".jpg"), "x");
    }
    show.options().chkPath = false;
    show.genShow();
    EXPECT_EQ(rig.tour.lists().count(), 100);
    EXPECT_EQ(rig.messages.shown[0].text, "DiaShow(99) angelegt auf: " + dir.path() + "/");
}

TEST_F(Show, anEmptyFolderOrABlankFirstPicture) {
    TempDir empty;
    show.setWrkDir(empty.path() + "/");
    show.frameClicked(true);
    show.genShow();
    const Lines index = readTextLines(empty.file("index_tour.html")).value_or(Lines{});
    ASSERT_FALSE(index.empty());
    for (const auto& line : index) {
        EXPECT_EQ(line.find("<iframe"), std::string::npos) << "no frame without a picture";
    }
    EXPECT_EQ(rig.messages.shown[0].text, "DiaShow(0) angelegt auf: " + empty.path() + "/");
    rig.messages.shown.clear();
    show.options().txtFirstPic = "  ";
    show.genShow();
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(OnlyFName, cutsAfterEitherSeparator) {
    EXPECT_EQ(onlyFName("C:\\a\\b.jpg"), "b.jpg");
    EXPECT_EQ(onlyFName("http://x/y.gif"), "y.gif");
    EXPECT_EQ(onlyFName("b.jpg"), "b.jpg");
}
