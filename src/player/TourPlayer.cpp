// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/TourPlayer.h"

#include "form/MainForm.h"
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/InputInjector.h"
#include "platform/MessageBox.h"
#include "player/ActionInterpreter.h"
#include "player/CommandQueue.h"
#include "player/MousePositions.h"
#include "player/StepObserver.h"
#include "tour/Tour.h"
#include "tour/UrlEntry.h"
#include "util/PathHelpers.h"
#include "util/Utf8.h"

#include <cmath>

namespace rovanta {
namespace {

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

std::optional<int> intervalFromText(const std::string& text) {
    const std::string t = trimBlanks(text);
    if (t.empty()) {
        return std::nullopt;
    }
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-') {
        ++i;
    }
    const std::size_t digitsFrom = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        ++i;
    }
    std::size_t digits = i - digitsFrom;
    if (i < t.size() && t[i] == '.') {
        ++i;
        const std::size_t fractionFrom = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            ++i;
        }
        digits += i - fractionFrom;
    }
    if (digits == 0 || i != t.size() || t.size() > 40) {
        return std::nullopt; // not a number (or absurdly long)
    }
    const double seconds = std::nearbyint(std::stod(t)); // halves to even
    const double product = seconds * 1000;
    if (seconds > 32767 || seconds < -32768 || product > 32767 || product < 0) {
        return std::nullopt; // 16-bit overflow, or a negative interval
    }
    return static_cast<int>(product);
}

TourPlayer::TourPlayer(PlayerServices services, Tour& tour, MainForm& form,
                       ActionInterpreter& interpreter, MousePositions& mouse, CommandQueue& queue)
    : m_services(services), m_tour(tour), m_form(form), m_interpreter(interpreter), m_mouse(mouse),
      m_queue(queue) {
    m_timer = m_services.clock.createTimer([this, life = std::weak_ptr<int>(m_life)] {
        if (life.expired()) {
            return;
        }
        m_queue.post([this] { return tick(); }, CommandQueue::kStepTick);
    });
    m_timer->setInterval(kStartInterval);
    m_timer->setEnabled(true);
}

TourPlayer::~TourPlayer() = default;

void TourPlayer::startTour() {
    m_form.state.recordingKeys = false; // the player's own keys are not the author's
    m_tour.start();
    m_playing = true;
    m_interpreter.resetLocalFileAnswer();
}

void TourPlayer::restartTimer(int ms) {
    m_timer->setEnabled(false);
    m_timer->setInterval(ms);
    m_timer->setEnabled(true);
}

void TourPlayer::tourBtnsOff() {
    for (Button b : {Button::CmdBack, Button::CmdForward, Button::CmdRefresh, Button::CmdHome,
                     Button::CmdStop, Button::Command3, Button::Command4, Button::Command5,
                     Button::Command6, Button::Command7}) {
        m_form.setEnabled(b, false);
    }
}

void TourPlayer::tourBtnsOn() {
    for (Button b : {Button::CmdBack, Button::CmdForward, Button::CmdRefresh, Button::CmdHome,
                     Button::CmdStop, Button::Command3, Button::Command4, Button::Command5,
                     Button::Command6, Button::Command7, Button::Command2}) {
        m_form.setEnabled(b, true);
    }
}

void TourPlayer::editBtnsOff() {
    for (Button b : {Button::Command2, Button::Command3, Button::Command5, Button::Command6,
                     Button::Command7}) {
        m_form.setEnabled(b, false);
    }
}

void TourPlayer::editBtnsOn() {
    for (Button b : {Button::Command2, Button::Command3, Button::Command5, Button::Command6,
                     Button::Command7}) {
        m_form.setEnabled(b, true);
    }
}

Task TourPlayer::tick() {
    TourTable& table = m_tour.table();
    // A tick that waited behind a step is void once its timer was stopped
    // meanwhile (halted, or a tour file being loaded), as a window system
    // drops the pending tick of a timer that is killed.
    if (m_quit || !m_timer->isEnabled()) {
        co_return;
    }
    if (!table.running()) {
        endIfTableCleared();
        co_return;
    }
    m_form.setEnabled(Button::CmdTStop, true);
    tourBtnsOff();
    if (m_wBrows && table.pos() < kLastSlot + 1) {
        table.setPos(static_cast<std::int16_t>(table.pos() + 1));
    }
    m_form.changed();
    const int pos = table.pos();
    if (pos > kLastSlot) {
        // All 100 slots were played: there is no marker left to read.
        endTour();
        co_return;
    }
    const std::string entry = pos >= 0 ? table.item(pos) : std::string();
    if (entry == TourTable::kFree) {
        endTour();
        co_return;
    }

    const bool blank = trimBlanks(entry).empty();
    if (!m_observers.empty()) {
        const TourLists& lists = m_tour.lists();
        const bool listed = pos >= 1 && pos - 1 < lists.count();
        const std::string address =
            blank || entry == kHoldMarker ? entry : resolveUrlEntry(entry, m_form.startDir);
        for (StepObserver* observer : m_observers) {
            observer->stepWaiting(pos, address, listed ? lists.comment(pos - 1) : std::string(),
                                  listed ? lists.position(pos - 1) : std::string());
        }
    }
    if (!blank) {
        if (!pageReady(entry)) {
            co_return; // asked again at the retest interval
        }
        co_await Sleep(m_services.clock, kReadyPause, m_life);
        // A local page counts as ready at once, yet its point is clicked and
        // its keys are typed only once it has loaded (or after kLocalLoadWait):
        // input sent earlier lands in the page being replaced.
        for (int waited = 0; isDrivePath(entry) && waited < kLocalLoadWait &&
                             m_services.browser.readyState() == Browser::kLoading;
             waited += kLocalLoadPoll) {
            co_await Sleep(m_services.clock, kLocalLoadPoll, m_life);
        }
    }
    if (!m_wBrows) {
        co_return;
    }
    m_wBrows = true;
    restartTimer(m_oldTIntv);
    for (StepObserver* observer : m_observers) {
        observer->stepReady(pos);
    }
    co_await playEntry(pos - 1, blank);
    if (m_quit) {
        co_return;
    }
    for (StepObserver* observer : m_observers) {
        observer->stepPlayed(pos);
    }
    showPlayedEntry(pos - 1);
}

bool TourPlayer::pageReady(const std::string& entry) {
    if (m_wBrows && entry != kHoldMarker) {
        m_services.browser.navigate(resolveUrlEntry(entry, m_form.startDir));
    }
    // A page still loading is never ready, even when the address already
    // ends with the entry (a reload of the same page).
    const int state = m_services.browser.readyState();
    const bool loaded = state == Browser::kInteractive || state == Browser::kComplete;
    const bool ready = entry == kHoldMarker || isDrivePath(entry) ||
                       (state != Browser::kLoading &&
                        (loaded || endsWith(m_services.browser.locationUrl(), entry)));
    if (m_wBrows) {
        m_oldTIntv = m_timer->interval(); // the tour's interval, back once ready
    }
    if (!ready) {
        restartTimer(kRetestInterval);
    }
    m_wBrows = ready;
    return ready;
}

Task TourPlayer::playEntry(int played, bool blank) {
    const TourLists& lists = m_tour.lists();
    const bool hasEntry = played >= 0 && played < lists.count();
    m_mouse.playPos(hasEntry ? lists.position(played) : std::string());
    if (blank) {
        co_return;
    }
    m_services.input.mouseEvent(kMouseLeftDown);
    m_services.input.mouseEvent(kMouseLeftUp);
    m_services.browser.setFocus();
    ActionInterpreter::Outcome outcome = ActionInterpreter::Outcome::Finished;
    co_await m_interpreter.run(m_mouse.entryAction(), outcome);
    if (outcome == ActionInterpreter::Outcome::Quit) {
        m_quit = true;
        m_timer->setEnabled(false);
    }
}

void TourPlayer::showPlayedEntry(int played) {
    TourTable& table = m_tour.table();
    const TourLists& lists = m_tour.lists();
    // Hint and row follow TourPos as the action text left it: after a jump
    // ("~G") they are those of the entry before the jump's target. The lists
    // may have changed while the action ran.
    const int index = table.pos() - 1;
    if (index >= 0 && index < lists.count()) {
        m_form.state.txtHnw = lists.comment(index);
        table.setPlayedRow(played);
        m_tour.lists().select(TourList::Urls, index);
        table.setPlayedRow(-1);
    }
    m_form.changed();
}

void TourPlayer::endTour() {
    m_playing = false;
    const bool local = m_form.state.dataLok;
    tourBtnsOn();
    if (!local) {
        editBtnsOff();
        m_form.setEnabled(Button::Command6, true);
    }
    m_form.setEnabled(Button::CmdTStop, false);
    m_interpreter.resetLoop(); // LoopCnt 1 and MaxDirLst 0
    m_form.changed();
    m_services.messages.show({kTourEnded, "Kelmio", MessageIcon::Information, MessageButtons::Ok});
    m_tour.lists().resetSelection();
    m_form.state.cmdEditChecked = false;
    m_services.browser.navigate(m_form.mainURL);
    m_form.state.txtURL = m_form.mainURL;
    m_tour.table().setRunning(false);
    m_form.state.txtDirLstVisible = false;
    m_interpreter.resetLocalFileAnswer();
    m_form.changed();
    for (StepObserver* observer : m_observers) {
        observer->tourEnded();
    }
}

void TourPlayer::endIfTableCleared() {
    if (!m_playing || m_tour.table().running() || m_quit) {
        return;
    }
    if (m_form.state.halted) {
        haltOrResume(); // the step timer gets its interval back
    }
    endTour();
}

void TourPlayer::haltOrResume() {
    if (!m_form.state.halted) {
        m_form.state.halted = true;
        m_timer->setEnabled(false);
        for (StepObserver* observer : m_observers) {
            observer->tourHalted();
        }
        m_oldIntv = m_timer->interval();
        m_timer->setInterval(kRetestInterval);
    } else {
        m_form.state.halted = false;
        m_timer->setInterval(m_oldIntv);
        m_timer->setEnabled(true);
    }
    m_form.changed();
}

void TourPlayer::intervalChanged(const std::string& text) {
    m_form.state.invervall = text;
    if (const auto ms = intervalFromText(text)) {
        m_timer->setInterval(*ms);
    }
}

void TourPlayer::restartWithInterval(const std::string& text) {
    m_form.state.invervall = text;
    m_timer->setEnabled(false);
    if (const auto ms = intervalFromText(text)) {
        m_timer->setInterval(*ms);
    }
    m_timer->setEnabled(true);
}

} // namespace rovanta
