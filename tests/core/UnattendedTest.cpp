// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaybackRig.h"
#include "TempDir.h"
#include "unattended/CommandLine.h"
#include "unattended/UnattendedMessages.h"
#include "unattended/UnattendedRun.h"
#include "util/TextFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

using namespace rovanta;
using namespace rovanta::testing;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(CommandLine, readsTheOptionsAndRefusesWhatItCannotUse) {
    const CommandLine full = parseCommandLine(
        {"--headless", "--timeout", "30", "--report", "r.xml", "--allow-local-files", "t.txt"});
    EXPECT_TRUE(full.error.empty()) << full.error;
    EXPECT_TRUE(full.headless && full.unattended && full.play && full.allowLocalFiles);
    EXPECT_EQ(full.timeoutSeconds, 30);
    EXPECT_EQ(full.reportFile, "r.xml");
    EXPECT_EQ(full.tourFile, "t.txt");

    const CommandLine plain = parseCommandLine({"t.txt"});
    EXPECT_TRUE(plain.error.empty());
    EXPECT_FALSE(plain.play || plain.unattended);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_EQ(parseCommandLine({"--check", "t.txt"}).checkFile, "t.txt");
    // Relative paths are the caller's, whatever folder start-up makes current.
    const CommandLine caller = parseCommandLine(
        {"--report", "r.xml", "--check", "../c.txt", "sub/t.txt"}, "/home/u");
    EXPECT_EQ(caller.reportFile, "/home/u/r.xml");
    EXPECT_EQ(caller.checkFile, "/home/u/../c.txt");
    EXPECT_EQ(caller.tourFile, "/home/u/sub/t.txt");
    EXPECT_EQ(parseCommandLine({"/abs/t.txt"}, "/home/u").tourFile, "/abs/t.txt");
    EXPECT_TRUE(parseCommandLine({}).error.empty());

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--bogus"}, {"--timeout"}, {"--timeout", "0", "t"},
          {"--timeout", "5s", "t"}, {"--report"}, {"--check"}, {"--headless"}, {"--play"}, {"a", "b"}}) {
        EXPECT_FALSE(parseCommandLine(bad).error.empty()) << bad.front();
    }
    EXPECT_THAT(usageText(), HasSubstr("3    Zeitüberschreitung"));
}

TEST(UnattendedMessages, printsEachBoxAndAnswersWithItsSafeDefault) {
    std::ostringstream out;
    UnattendedMessages strict(out);
    const Message local{ActionInterpreter::kLocalFilesQuestion, "Rovanta", MessageIcon::Question,
                        MessageButtons::YesNo};
    EXPECT_EQ(strict.show({"> TOUR BEENDET! <", "Kelmio"}), MessageResult::Ok);
    EXPECT_EQ(strict.show({"Laufwerk?", "T", MessageIcon::Warning, MessageButtons::OkCancel}),
              MessageResult::Cancel);
    EXPECT_EQ(strict.show(local), MessageResult::No);
    EXPECT_THAT(out.str(), HasSubstr("Kelmio: > TOUR BEENDET! <\n"));
}

namespace {

// A run over the real player on the virtual clock, with its report in a
// temporary folder.
struct Run : ::testing::Test {
    void start(std::optional<int> timeout, const std::vector<TourEntry>& entries) {
        run = std::make_unique<UnattendedRun>(
            UnattendedRun::Settings{"tour.txt", timeout, dir.file("report.xml"), {}}, rig.clock,
            rig.app, errors);
        rig.player.addObserver(run.get());
        rig.tour.lists().assign(entries);
        rig.player.startTour();
    }
    std::string report() const { return readFileBytes(dir.file("report.xml")).value_or(""); }

    TempDir dir;
    PlaybackRig rig;
    std::ostringstream errors;
    std::unique_ptr<UnattendedRun> run;
};

} // namespace

TEST_F(Run, aPageThatIsNeverReadyEndsTheRunAtItsTimeOut) {
    // No page ever finishes loading.
    start(3, {{"http://127.0.0.1:9/never", "0;0;", "Hängt <&>"}});
    rig.clock.runUntil([&] { return !rig.browser.navigations.empty(); }, 10'000);
    rig.clock.advance(2'500); // retests each second: not yet
    EXPECT_EQ(rig.app.quitRequests, 0);
    rig.clock.advance(600);
    EXPECT_EQ(run->status(), kExitTimeout);
    EXPECT_EQ(rig.app.quitRequests, 1);
    EXPECT_THAT(errors.str(), HasSubstr("Eintrag 1, http://127.0.0.1:9/never"));
    const std::string xml = report();
    EXPECT_THAT(xml, HasSubstr("tests=\"1\" failures=\"1\""));
    EXPECT_THAT(xml, HasSubstr("name=\"Eintrag 1: Hängt &lt;&amp;&gt;\""));
    EXPECT_THAT(xml, HasSubstr("<failure type=\"timeout\""));
    rig.clock.advance(10'000); // later retests change nothing
    EXPECT_EQ(rig.app.quitRequests, 1);
}

TEST_F(Run, aStepWhoseActionTextOutlastsTheTimeOutEndsTheRun) {
    rig.loadPagesAfter(300);
    // A hundred letters take ten seconds.
    start(5, {{"a.html", "0;0;" + std::string(100, 'a'), "Lang"}, {"b.html", "0;0;", "Nie"}});
    rig.clock.runUntil([&] { return rig.app.quitRequests > 0; }, 60'000);
    EXPECT_EQ(run->status(), kExitTimeout);
    EXPECT_EQ(rig.clock.nowMs() - run->report().steps()[0].startMs, 5'000);
    EXPECT_THAT(errors.str(), HasSubstr("Schritt nach 5 s nicht beendet: Eintrag 1, "));
    EXPECT_THAT(report(), HasSubstr("<failure type=\"timeout\""));
}

TEST_F(Run, aTourThatEndsWritesOneCasePerPlayedStepAndEndsWithStatusZero) {
    rig.loadPagesAfter(300);
    start(std::nullopt, {{"a.html", "0;0;x", "Eins"}, {"b.html", "0;0;", "Zwei"}});
    rig.clock.runUntil([&] { return rig.app.quitRequests > 0; }, 60'000);
    EXPECT_EQ(run->status(), kExitOk);
    const std::string xml = report();
    EXPECT_THAT(xml, HasSubstr("tests=\"2\" failures=\"0\""));
    EXPECT_THAT(xml, HasSubstr("name=\"Eintrag 2: Zwei\""));
    EXPECT_THAT(xml, HasSubstr("<property name=\"action\" value=\"0;0;x\"/>"));
    // The player sees the page at its retest a second on, then pauses 200 ms.
    EXPECT_THAT(xml, HasSubstr("<property name=\"ready_after\" value=\"1.200\"/>"));
    EXPECT_THAT(xml, Not(HasSubstr("<failure")));
    run->finish(kExitSignal + 15); // after the end, nothing changes
    EXPECT_EQ(run->status(), kExitOk);
}
