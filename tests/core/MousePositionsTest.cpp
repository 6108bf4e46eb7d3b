// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct Mouse : ::testing::Test {
    Mouse() {
        rig.input.clientOrigin = {50, 70}; // the client area's place on screen
        rig.geometry.clientOrigin = {50, 70};
    }
    PlaybackRig rig;
};

} // namespace

TEST_F(Mouse, playPosMovesToTheClientPointShiftedUpAndSetsTheAction) {
    rig.tour.setScaleFactors(1.5, 2);
    rig.mouse.playPos("100;200;~T");
    EXPECT_THAT(rig.input.moves, ElementsAre(Point{150 + 50, 180 + 70})); // Y not scaled
    EXPECT_EQ(rig.mouse.entryAction(), "~T");

    rig.mouse.playPos("0;250;abc");
    EXPECT_EQ(rig.input.moves.size(), 1u) << "no point, no move";
    EXPECT_EQ(rig.mouse.entryAction(), "abc");

    rig.mouse.playPos("100;200");
    EXPECT_EQ(rig.input.moves.size(), 2u);
    EXPECT_EQ(rig.mouse.entryAction(), "");

    rig.mouse.playPos("1;2;a;b");
    EXPECT_EQ(rig.mouse.entryAction(), "a;");
}

TEST_F(Mouse, pointerMovesRoundHalvesToEven) {
    rig.input.clientOrigin = {0, 0};
    rig.mouse.mousePointerMove(0.5, 1.5);
    rig.mouse.mousePointerMove(2.5, -0.5);
    rig.mouse.mousePointerMove(2.6, 1e300);
    EXPECT_THAT(rig.input.moves,
                ElementsAre(Point{0, 2}, Point{2, 0}, Point{3, std::numeric_limits<int>::max()}));
}

TEST_F(Mouse, captureSwitchesCaptionsCursorAndBrowserMode) {
    rig.mouse.toggleCapture();
    EXPECT_TRUE(rig.mouse.captureOn());
    EXPECT_EQ(rig.form.state.cmdMausAnCaption(), "[Aus]");
    EXPECT_EQ(rig.form.state.lblMCntr(), "Capture Point ON");
    EXPECT_EQ(rig.form.state.cursor(), CursorKind::Capture);
    rig.mouse.toggleCapture();
    EXPECT_EQ(rig.form.state.cmdMausAnCaption(), "[An]");
    EXPECT_EQ(rig.form.state.lblMCntr(), "Capture Point OFF");
    EXPECT_EQ(rig.form.state.cursor(), CursorKind::Normal);
    EXPECT_THAT(rig.browser.calls, ElementsAre("capture on", "capture off"));
}

TEST_F(Mouse, aLeftPressOverTheBrowserTakesThePointOthersAreIgnored) {
    rig.mouse.captureTick(); // capture off: nothing
    rig.input.buttons[kVkLeftButton] = 1;
    rig.input.cursor = {462, 450};
    rig.mouse.captureTick();
    EXPECT_EQ(rig.form.state.lblPos, "P:");

    rig.mouse.toggleCapture();
    rig.input.cursor = {462, 70 + 299}; // above the browser
    rig.mouse.captureTick();
    EXPECT_EQ(rig.form.state.lblPos, "P:");
    rig.input.cursor = {462, 70 + 300}; // its top row
    rig.mouse.captureTick();
    EXPECT_EQ(rig.form.state.lblPos, "P: 412/320");
    EXPECT_EQ(rig.tour.lastX(), 412);
    EXPECT_EQ(rig.tour.lastY(), 320);
    EXPECT_TRUE(rig.mouse.captureOn()) << "capture goes on after a left click";
}

TEST_F(Mouse, aRightPressEndsCaptureAndKeepsThePoint) {
    rig.tour.setLastPoint(5, 6);
    rig.mouse.toggleCapture();
    rig.input.buttons[kVkRightButton] = 1;
    rig.input.cursor = {10, 10};
    rig.mouse.captureTick();
    EXPECT_FALSE(rig.mouse.captureOn());
    EXPECT_EQ(rig.form.state.lblMCntr(), "Capture Point OFF");
    EXPECT_EQ(rig.tour.lastX(), 5);
    EXPECT_EQ(rig.tour.lastY(), 6);
}

TEST_F(Mouse, aCapturedPointReplaysOntoTheSameScreenPoint) {
    rig.mouse.toggleCapture();
    rig.input.buttons[kVkLeftButton] = 1;
    rig.input.cursor = {640, 500};
    rig.mouse.captureTick();
    rig.mouse.goTo();
    EXPECT_THAT(rig.input.moves, ElementsAre(Point{640, 500}));
    EXPECT_THAT(rig.input.mouse, ElementsAre(kMouseLeftDown, kMouseLeftUp));
}
