// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/Task.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rovanta {

class StepObserver;

class ActionInterpreter;
class Browser;
class Clock;
class CommandQueue;
class InputInjector;
class MainForm;
class MessageBox;
class MousePositions;
class Timer;
class Tour;

// The services the player acts through.
struct PlayerServices {
    Browser& browser;
    InputInjector& input;
    Clock& clock;
    MessageBox& messages;
};

// The tour's step interval in milliseconds for a text of the interval box:
// whole seconds (halves rounded to even) times 1000 in 16-bit arithmetic.
// Nothing for a blank text, a text that is not a number, a product past
// 32767 and a negative one.
std::optional<int> intervalFromText(const std::string& text);

// Plays the started tour on the step timer Timer1: each tick advances to the
// next entry and navigates there, or waits for its page; a ready page gets
// its point clicked, its action text run, its hint shown and its row
// selected. The free-slot marker ends the tour with "> TOUR BEENDET! <".
class TourPlayer {
public:
    static constexpr int kStartInterval = 2000;
    static constexpr int kRetestInterval = 1000;
    static constexpr int kReadyPause = 200;
    static constexpr int kLocalLoadWait = 10000; // longest wait for a local page, in ms
    static constexpr int kLocalLoadPoll = 50;    // how often it asks meanwhile, in ms
    static constexpr const char* kTourEnded = "> TOUR BEENDET! <";

    TourPlayer(PlayerServices services, Tour& tour, MainForm& form, ActionInterpreter& interpreter,
               MousePositions& mouse, CommandQueue& queue);
    ~TourPlayer();

    // "> Tour starten": starts the tour (STour).
    void startTour();
    // Ends a started tour whose playback table was cleared under it ("[sichern]",
    // "Load", the slide show) as its last entry would: message, buttons back.
    void endIfTableCleared();
    // "[Halt]" / "[ gestoppt !]": halts or resumes the step timer.
    void haltOrResume();
    // Edit of the interval box: sets the step interval at once when valid.
    void intervalChanged(const std::string& text);
    // Puts tour text's interval into the box and restarts the step timer
    // (off, the new period when the text is a valid interval, on again).
    void restartWithInterval(const std::string& text);
    // One tick of the step timer (normally posted by the timer itself).
    Task tick();

    // Button groups of the main window.
    void tourBtnsOff();
    void tourBtnsOn();
    void editBtnsOff();
    void editBtnsOn();

    // The step timer Timer1.
    Timer& stepTimer() { return *m_timer; }
    // True when the entry at TourPos was accepted as ready (wBrows).
    bool wBrows() const { return m_wBrows; }
    void setWBrows(bool ready) { m_wBrows = ready; }
    // True once an action text has asked to end the program.
    bool quitRequested() const { return m_quit; }
    // Tells observer, besides those added before, how the steps go.
    void addObserver(StepObserver* observer) { m_observers.push_back(observer); }

private:
    void restartTimer(int ms);
    void endTour();
    // Opens the entry's page when due and tells whether it is ready; when
    // not, the timer asks again at the retest interval.
    bool pageReady(const std::string& entry);
    // Plays the entry's point and action text (nothing but the point for a
    // blank entry); an action that quits stops the timer.
    Task playEntry(int played, bool blank);
    // Shows the hint and selects the row of the entry before TourPos.
    void showPlayedEntry(int played);

    PlayerServices m_services;
    Tour& m_tour;
    MainForm& m_form;
    ActionInterpreter& m_interpreter;
    MousePositions& m_mouse;
    CommandQueue& m_queue;
    std::unique_ptr<Timer> m_timer;
    bool m_wBrows = true;
    int m_oldTIntv = kStartInterval;
    int m_oldIntv = kStartInterval;
    bool m_quit = false;
    // A tour was started and has not ended: a playback table cleared under it
    // ("[sichern]", "Load", the slide show) ends it as its last entry would.
    bool m_playing = false;
    std::vector<StepObserver*> m_observers;
    LifeToken m_life = std::make_shared<int>(0);
};

} // namespace rovanta
