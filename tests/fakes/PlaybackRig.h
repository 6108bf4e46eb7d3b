// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fakes.h"
#include "VirtualClock.h"
#include "form/MainForm.h"
#include "player/ActionInterpreter.h"
#include "player/CommandQueue.h"
#include "player/MousePositions.h"
#include "player/TourPlayer.h"
#include "tour/Tour.h"
#include "files/FileHelpers.h"
#include "posix/PosixDirectoryLookup.h"

#include <string>
#include <vector>

namespace rovanta::testing {

// Input fake that also notes the virtual time of each key event, as
// "time vCODE" for key down and "time ^CODE" for key up.
class TimedInput : public FakeInputInjector {
public:
    explicit TimedInput(const Clock& clock) : m_clock(clock) {}
    void keyEvent(std::uint8_t vk, std::uint32_t flags) override {
        FakeInputInjector::keyEvent(vk, flags);
        timeline.push_back(std::to_string(m_clock.nowMs()) + (flags == kKeyUp ? " ^" : " v") +
                           std::to_string(vk));
    }
    std::vector<std::string> timeline;

private:
    const Clock& m_clock;
};

// The whole playback engine wired to recording fakes, the real file system
// and a virtual clock.
struct PlaybackRig {
    PlaybackRig() {
        form.startDir = "/opt/rovanta";
        form.mainURL = "/opt/rovanta/start.html";
        // The browser answers field reads a moment later, as the engine does.
        browser.deferAnswer = [this](std::function<void()> answer) {
            clock.callAfter(5, std::move(answer));
        };
    }

    // Pages finish loading ms after each navigation.
    void loadPagesAfter(int ms) {
        browser.onNavigate = [this, ms](const std::string&) {
            clock.callAfter(ms, [this] { browser.finishLoad(); });
        };
    }

    // Runs one action text to its end and returns its outcome.
    ActionInterpreter::Outcome runText(const std::string& text) {
        ActionInterpreter::Outcome outcome{};
        Task task = interpreter.run(text, outcome);
        task.start();
        clock.runUntil([&task] { return task.done(); }, 100'000'000);
        return outcome;
    }

    VirtualClock clock;
    TimedInput input{clock};
    FakeBrowser browser;
    FakeClipboard clipboard;
    FakeMessageBox messages;
    FakeAppControl app;
    FakeWindowGeometry geometry;
    PosixDirectoryLookup lookup;
    FileHelpers files{lookup, messages, clipboard};
    MainForm form;
    Tour tour;
    CommandQueue queue;
    ActionInterpreter interpreter{
        {input, browser, clock, files, messages, app}, tour.table(), form};
    MousePositions mouse{input, geometry, browser, tour, form};
    TourPlayer player{{browser, input, clock, messages}, tour, form, interpreter, mouse, queue};
};

} // namespace rovanta::testing
