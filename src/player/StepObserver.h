// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace rovanta {

// Told how a playing tour's steps go; an unattended run reports from it.
class StepObserver {
public:
    virtual ~StepObserver() = default;
    // A tick took up entry pos (1-based) and waits for its page; told again
    // on every retest until the page is ready. action is the entry's
    // position column (point and action text).
    virtual void stepWaiting(int pos, const std::string& address, const std::string& hint,
                             const std::string& action) = 0;
    // The entry's page is ready; its point and action text play next.
    virtual void stepReady(int pos) = 0;
    // The entry's action text has run to its end.
    virtual void stepPlayed(int pos) = 0;
    // The tour was halted ("[Halt]").
    virtual void tourHalted() {}
    // The tour has ended ("> TOUR BEENDET! <" was shown).
    virtual void tourEnded() = 0;
};

} // namespace rovanta
