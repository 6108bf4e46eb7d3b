// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Shell.h"

#include "app/MainController.h"
#include "qt/services/InputBackends.h"
#include "qt/services/WebEngineBrowser.h"

#include <QDate>

Shell::Shell(ShellOverrides overrides) : m_input(createInput(&m_window, m_window.browser())) {
    if (overrides.app != nullptr) {
        m_appInUse = overrides.app;
    }
    m_controller = std::make_unique<rovanta::MainController>(rovanta::PlatformServices{
        m_window.browser(), *m_input, m_clipboard,
        overrides.messages != nullptr ? *overrides.messages : m_messages,
        overrides.dialog != nullptr ? *overrides.dialog : m_dialog,
        overrides.internet != nullptr ? *overrides.internet : m_internet, m_lookup, m_geometry,
        m_clock, *m_appInUse, overrides.trusted != nullptr ? *overrides.trusted : m_trusted});
    rovanta::MainController& c = *m_controller;
    m_guide = std::make_unique<rovanta::GuideRecorder>(
        rovanta::GuideRecorder::Settings{
            overrides.guideFolder, [&c] { return c.tourFiles().loadPath(); },
            [] { return QDate::currentDate().toString(QStringLiteral("d.M.yyyy")).toStdString(); },
            m_pictures.path().toStdString()},
        m_camera, c.tour(), c.form(),
        overrides.messages != nullptr ? *overrides.messages : m_messages);
    c.player().addObserver(m_guide.get());
    m_options = std::make_unique<OptionsWindow>(*m_controller);
    m_slideShow = std::make_unique<SlideShowWindow>(*m_controller);
    m_window.attach(*m_controller, *m_options, *m_slideShow);
}

Shell::~Shell() {
    // The table's model follows the controller's lists: it goes first.
    m_window.detach();
}
