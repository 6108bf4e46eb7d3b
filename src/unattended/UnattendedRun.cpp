// SPDX-License-Identifier: GPL-3.0-or-later
#include "unattended/UnattendedRun.h"

#include "platform/AppControl.h"
#include "platform/Camera.h"
#include "platform/Clock.h"
#include "unattended/CommandLine.h"
#include "util/TextFile.h"

#include <cstdio>

namespace rovanta {

UnattendedRun::UnattendedRun(Settings settings, Clock& clock, AppControl& app, std::ostream& errors,
                             Camera* camera)
    : m_settings(std::move(settings)), m_clock(clock), m_app(app), m_errors(errors),
      m_camera(camera), m_report(m_settings.tourFile) {}

std::string UnattendedRun::picture(const std::string& name) {
    if (m_camera == nullptr || m_settings.screenshots.empty()) {
        return {};
    }
    const std::string path = m_settings.screenshots + "/" + name;
    m_camera->take(path, std::nullopt);
    return path;
}

void UnattendedRun::stepWaiting(int pos, const std::string& address, const std::string& hint,
                                const std::string& action) {
    if (m_ended) {
        return;
    }
    const std::size_t before = m_report.steps().size();
    RunReport::Step& step = m_report.open(pos, address, m_clock.nowMs());
    step.hint = hint;
    step.action = action;
    if (m_settings.timeoutSeconds && m_report.steps().size() > before) {
        // The whole step is bounded, the wait for its page and its action
        // text alike: a long text or a "~G" loop ends the run too.
        const std::size_t index = m_report.steps().size() - 1;
        m_clock.callAfter(*m_settings.timeoutSeconds * 1000,
                          [this, index, life = std::weak_ptr<int>(m_life)] {
                              if (!life.expired()) {
                                  stepTimedOut(index);
                              }
                          });
    }
}

void UnattendedRun::stepTimedOut(std::size_t index) {
    if (m_ended || index + 1 != m_report.steps().size()) {
        return; // the run has moved on
    }
    RunReport::Step& step = *m_report.current();
    if (step.endMs) {
        return;
    }
    const std::string seconds = std::to_string(*m_settings.timeoutSeconds);
    step.failure = (step.readyMs ? "Schritt nach " + seconds + " s nicht beendet: Eintrag "
                                 : "Seite nach " + seconds + " s nicht bereit: Eintrag ") +
                   std::to_string(step.entry) + ", " + step.address;
    m_errors << "Zeitüberschreitung: " << step.failure << std::endl;
    step.picture = picture("zeitueberschreitung.png"); // the page as it stood
    finish(kExitTimeout);
}

void UnattendedRun::stepReady(int pos) {
    if (RunReport::Step* step = m_report.current(); step != nullptr && step->entry == pos) {
        step->readyMs = m_clock.nowMs();
    }
}

void UnattendedRun::stepPlayed(int pos) {
    if (RunReport::Step* step = m_report.current(); step != nullptr && step->entry == pos) {
        step->endMs = m_clock.nowMs();
        char name[32];
        std::snprintf(name, sizeof name, "schritt-%03zu.png", m_report.steps().size());
        step->picture = picture(name);
    }
    writeReport(); // kept current, so a run that is killed leaves its steps
}

void UnattendedRun::tourEnded() {
    finish(kExitOk);
}

void UnattendedRun::finish(int status) {
    if (m_ended) {
        return;
    }
    m_ended = true;
    m_status = status;
    if (RunReport::Step* step = m_report.current(); step != nullptr && !step->endMs) {
        step->endMs = m_clock.nowMs();
    }
    writeReport();
    if (m_camera != nullptr) {
        m_camera->flush();
    }
    m_app.quit();
}

void UnattendedRun::writeReport() {
    if (m_settings.reportFile.empty()) {
        return;
    }
    if (!writeFileAtomic(m_settings.reportFile, m_report.junitXml(m_clock.nowMs()))) {
        m_errors << "Bericht nicht geschrieben: " << m_settings.reportFile << std::endl;
    }
}

} // namespace rovanta
