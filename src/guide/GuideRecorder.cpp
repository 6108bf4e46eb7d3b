// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/GuideRecorder.h"

#include "form/MainForm.h"
#include "guide/ActionWords.h"
#include "platform/Camera.h"
#include "platform/MessageBox.h"
#include "player/MousePositions.h"
#include "tour/PositionEntry.h"
#include "tour/Tour.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace rovanta {

GuideRecorder::GuideRecorder(Settings settings, Camera& camera, Tour& tour, MainForm& form,
                             MessageBox& messages)
    : m_settings(std::move(settings)), m_camera(camera), m_tour(tour), m_form(form),
      m_messages(messages) {}

bool GuideRecorder::recording() const {
    return !m_settings.folder.empty() || m_form.state.guideOn;
}

std::string GuideRecorder::picturePath(const std::string& name) const {
    return m_settings.staging + "/" + name;
}

void GuideRecorder::stepWaiting(int pos, const std::string& address, const std::string& hint,
                                const std::string& action) {
    if (recording()) {
        m_pending = Pending{pos, address, hint, action};
    }
}

void GuideRecorder::stepReady(int pos) {
    if (!recording() || !m_pending || m_pending->pos != pos) {
        return;
    }
    if (m_guide.steps.empty()) {
        m_guide.date = m_settings.today ? m_settings.today() : std::string();
    }
    const PositionEntry entry = readPositionEntry(m_pending->action);
    GuideStep step;
    step.entry = pos;
    step.hint = m_pending->hint;
    step.address = m_pending->address;
    step.words = actionInWords(entry.keys);
    char name[32];
    std::snprintf(name, sizeof name, "schritt-%03zu.png", m_guide.steps.size() + 1);
    step.before = name;
    // The ring marks where the player clicks; 0;0 clicks where the pointer is.
    std::optional<Point> ring;
    if (entry.x != 0 && entry.y != 0) {
        ring = Point{static_cast<int>(std::lround(entry.x * m_tour.scrXFact())),
                     static_cast<int>(std::lround(static_cast<double>(entry.y) -
                                                  MousePositions::kClientOffsetY))};
    }
    m_camera.take(picturePath(step.before), ring);
    m_guide.steps.push_back(std::move(step));
    m_written = false;
}

void GuideRecorder::stepPlayed(int pos) {
    if (m_guide.steps.empty() || m_guide.steps.back().entry != pos || !m_pending) {
        return;
    }
    const std::string keys = readPositionEntry(m_pending->action).keys;
    m_pending.reset();
    if (!actionChangesPage(keys)) {
        return;
    }
    GuideStep& step = m_guide.steps.back();
    step.after = step.before.substr(0, step.before.size() - 4) + "-danach.png";
    m_camera.take(picturePath(step.after), std::nullopt);
    // Keys that went into a password field read "••••", as the page shows them.
    const std::size_t index = m_guide.steps.size() - 1;
    m_camera.readSecrets(
        [this, index, keys, life = std::weak_ptr<int>(m_life)](std::vector<std::string> secrets) {
            if (!life.expired() && index < m_guide.steps.size() && !secrets.empty()) {
                m_guide.steps[index].words = actionInWords(keys, secrets);
            }
        });
}

void GuideRecorder::tourHalted() {
    write();
}

void GuideRecorder::tourEnded() {
    const std::string path = write();
    if (!path.empty()) {
        m_messages.show({"Anleitung angelegt auf: " + path, "Kelmio", MessageIcon::Information,
                         MessageButtons::Ok});
    }
    // The next run records a guide of its own.
    std::error_code error;
    for (const GuideStep& step : m_guide.steps) {
        for (const std::string* picture : {&step.before, &step.after}) {
            if (!picture->empty()) {
                std::filesystem::remove(picturePath(*picture), error);
            }
        }
    }
    m_guide = Guide{};
    m_written = true;
}

void GuideRecorder::finish() {
    write();
}

std::string GuideRecorder::write() {
    if (m_written || m_guide.steps.empty()) {
        return {};
    }
    const std::string tourFile = m_settings.tourFile ? m_settings.tourFile() : std::string();
    const std::string folder =
        m_settings.folder.empty() ? guideFolderFor(tourFile) : m_settings.folder;
    m_guide.tourName = tourFile.substr(tourFile.find_last_of('/') + 1);
    m_camera.flush();
    if (!writeGuide(m_guide, m_settings.staging, folder)) {
        m_messages.show({"Anleitung konnte nicht angelegt werden: " + folder, "Kelmio",
                         MessageIcon::Error, MessageButtons::Ok});
        return {};
    }
    m_written = true;
    return folder;
}

} // namespace rovanta
