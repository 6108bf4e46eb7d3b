// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "guide/GuideWriter.h"
#include "player/StepObserver.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rovanta {

class Camera;
class MainForm;
class MessageBox;
class Tour;

// Records a played tour's guide: a picture of the page when each step is
// ready (the click point ringed) and one after an action text that typed or
// pasted, with the step's hint, address and action in words. While
// "Anleitung aufnehmen" is ticked (or a folder was given for the run), the
// guide is written at the tour's end, when it is halted, and when the
// program ends.
class GuideRecorder : public StepObserver {
public:
    struct Settings {
        // The guide's folder for this run (--guide); empty: beside the tour
        // file, and only while "Anleitung aufnehmen" is ticked.
        std::string folder;
        // The tour file's path as the program resolves it now.
        std::function<std::string()> tourFile;
        // The date shown on the guide.
        std::function<std::string()> today;
        // Where pictures wait until the guide is written.
        std::string staging;
    };

    GuideRecorder(Settings settings, Camera& camera, Tour& tour, MainForm& form,
                  MessageBox& messages);

    void stepWaiting(int pos, const std::string& address, const std::string& hint,
                     const std::string& action) override;
    void stepReady(int pos) override;
    void stepPlayed(int pos) override;
    void tourHalted() override;
    void tourEnded() override;

    // Writes what was recorded so far (the program ends); no message.
    void finish();
    // The guide being recorded (for tests).
    const Guide& guide() const { return m_guide; }

private:
    bool recording() const;
    // Writes the guide; the path written, empty when nothing was written.
    std::string write();
    std::string picturePath(const std::string& name) const;

    Settings m_settings;
    Camera& m_camera;
    Tour& m_tour;
    MainForm& m_form;
    MessageBox& m_messages;
    Guide m_guide;
    struct Pending {
        int pos = 0;
        std::string address, hint, action;
    };
    std::optional<Pending> m_pending;
    bool m_written = true; // nothing new since the last write
    std::shared_ptr<int> m_life = std::make_shared<int>(0);
};

} // namespace rovanta
