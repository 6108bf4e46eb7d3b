// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/StepObserver.h"
#include "unattended/RunReport.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace rovanta {

class AppControl;
class Camera;
class Clock;

// A run nobody watches: it ends the program at the end of the tour, ends it
// with kExitTimeout when a step (its page and its action text) does not end
// in time, and keeps the report of the played steps written.
class UnattendedRun : public StepObserver {
public:
    struct Settings {
        std::string tourFile;
        std::optional<int> timeoutSeconds;
        std::string reportFile;  // empty: no report
        std::string screenshots; // --screenshots: a picture of each step here
    };

    // camera may be null when no screenshots are asked for.
    UnattendedRun(Settings settings, Clock& clock, AppControl& app, std::ostream& errors,
                  Camera* camera = nullptr);

    void stepWaiting(int pos, const std::string& address, const std::string& hint,
                     const std::string& action) override;
    void stepReady(int pos) override;
    void stepPlayed(int pos) override;
    void tourEnded() override;

    // Ends the run with status (a signal, or "~Q" ending the program):
    // writes the report unless the run has ended already.
    void finish(int status);
    // The status the program should exit with.
    int status() const { return m_status; }
    const RunReport& report() const { return m_report; }

private:
    void writeReport();
    // A picture of the page as it stands, in the screenshot folder.
    std::string picture(const std::string& name);
    // The time-out of the step at index fell due: ends the run unless that
    // step has ended.
    void stepTimedOut(std::size_t index);

    Settings m_settings;
    Clock& m_clock;
    AppControl& m_app;
    std::ostream& m_errors;
    Camera* m_camera;
    RunReport m_report;
    int m_status = 0;
    bool m_ended = false;
    std::shared_ptr<int> m_life = std::make_shared<int>(0); // ends pending time-outs
};

} // namespace rovanta
