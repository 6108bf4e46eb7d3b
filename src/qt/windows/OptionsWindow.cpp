// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/OptionsWindow.h"

#include "app/MainController.h"
#include "qt/windows/DialogTable.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>

using Ctx = DialogContext;
using Value = const DialogValue&;
using Controller = rovanta::MainController;

namespace {

// Quick-tour slot K: its path (shown, never taken from typing) and the
// command of the button that chooses its file.
template <int K> std::string quickTourPath(Controller& c) {
    return c.options().state().akPf[K];
}
template <int K> void chooseQuickTour(const Ctx& x, Value) {
    x.controller.options().chooseQuickTour(K);
}

constexpr auto kControls =
    std::to_array<DialogControl>(
        {
            {.name = "lblAutoStart", .kind = DialogKind::Label, .caption = "Autostart-Tour:"},
            {.name = "txtAutoStart",
             .kind = DialogKind::LineEdit,
             .text = [](Controller& c) { return c.options().state().txtAutoStart; }},
            {.name = "cmdSelAutoSt",
             .kind = DialogKind::Button,
             .caption = "...",
             .trigger = DialogTrigger::Click,
             .run = [](const Ctx& x, Value) { x.controller.options().chooseAutoStart(); }},
            {.name = "AkPf1", .kind = DialogKind::LineEdit, .text = quickTourPath<1>},
            {.name = "AkPf2", .kind = DialogKind::LineEdit, .text = quickTourPath<2>},
            {.name = "AkPf3", .kind = DialogKind::LineEdit, .text = quickTourPath<3>},
            {.name = "AkPf4", .kind = DialogKind::LineEdit, .text = quickTourPath<4>},
            {.name = "AkPf5", .kind = DialogKind::LineEdit, .text = quickTourPath<5>},
            {.name = "cmdTB1",
             .kind = DialogKind::Button,
             .caption = "Tour_1",
             .trigger = DialogTrigger::Click,
             .run = chooseQuickTour<1>},
            {.name = "cmdTB2",
             .kind = DialogKind::Button,
             .caption = "Tour_2",
             .trigger = DialogTrigger::Click,
             .run = chooseQuickTour<2>},
            {.name = "cmdTB3",
             .kind = DialogKind::Button,
             .caption = "Tour_3",
             .trigger = DialogTrigger::Click,
             .run = chooseQuickTour<3>},
            {.name = "cmdTB4",
             .kind = DialogKind::Button,
             .caption = "Tour_4",
             .trigger = DialogTrigger::Click,
             .run = chooseQuickTour<4>},
            {.name = "cmdTB5",
             .kind = DialogKind::Button,
             .caption = "Tour_5",
             .trigger = DialogTrigger::Click,
             .run = chooseQuickTour<5>},
            {.name = "DataLok",
             .kind = DialogKind::Radio,
             .caption = "Lokal",
             .trigger = DialogTrigger::Click,
             .run = [](const Ctx& x, Value) { x.controller.options().chooseDataSource(true); },
             .checked = [](Controller& c) { return c.form().state.dataLok; }},
            {.name = "DataWeb",
             .kind = DialogKind::Radio,
             .caption = "Web",
             .trigger = DialogTrigger::Click,
             .run = [](const Ctx& x, Value) { x.controller.options().chooseDataSource(false); },
             .checked = [](Controller& c) { return !c.form().state.dataLok; }},
            // The path and the address share one spot; only one is shown.
            {.name = "lblPfad",
             .kind = DialogKind::Label,
             .caption = "Pfad:",
             .shown = [](Controller& c) { return c.options().state().pfadVisible; }},
            {.name = "txtPfad",
             .kind = DialogKind::LineEdit,
             .text = [](Controller& c) { return c.options().state().txtPfad; },
             .mirror = Mirror::UnlessEdited,
             .shown = [](Controller& c) { return c.options().state().pfadVisible; },
             .readOnly = true},
            {.name = "lblURL",
             .kind = DialogKind::Label,
             .caption = "URL:",
             .shown = [](Controller& c) { return c.options().state().urlVisible; }},
            {.name = "txtURL",
             .kind = DialogKind::LineEdit,
             .trigger = DialogTrigger::Edit,
             .run = [](const Ctx& x, Value v) { x.controller.options().setWebTourAddress(v.text); },
             .text = [](Controller& c) { return c.options().state().txtURL; },
             .mirror = Mirror::UnlessEdited,
             .shown = [](Controller& c) { return c.options().state().urlVisible; }},
            {.name = "cmdSetMURL",
             .kind = DialogKind::Button,
             .caption = "SET URL",
             .trigger = DialogTrigger::Click,
             .run = [](const Ctx& x, Value) { x.controller.options().setMainUrl(); }},
            {.name = "cmdInfo",
             .kind = DialogKind::Button,
             .caption = "[Info]",
             .trigger = DialogTrigger::Click,
             .run = [](const Ctx& x, Value) { x.controller.options().info(); }},
            {.name = "cmdClose",
             .kind = DialogKind::Button,
             .caption = "[sichern]",
             .trigger = DialogTrigger::Click,
             .run =
                 [](const Ctx& x, Value) {
                     x.controller.options().close();
                     x.leave();
                 }},
        });

} // namespace

std::span<const DialogControl> OptionsWindow::controls() {
    return kControls;
}

OptionsWindow::OptionsWindow(rovanta::MainController& controller)
    : QWidget(nullptr, Qt::Window), m_controller(controller),
      m_table(new DialogTable(controls(), this)) {
    setWindowTitle(QStringLiteral("Einstellungen"));
    layOut();
    m_table->bind({controller, [this] {
                       hide();
                       emit left();
                   }});
    resize(520, 420);
}

void OptionsWindow::layOut() {
    const auto w = [this](const char* name) { return m_table->get(name); };
    auto* layout = new QVBoxLayout(this);

    auto* autostart = new QGridLayout;
    autostart->addWidget(w("lblAutoStart"), 0, 0);
    autostart->addWidget(w("txtAutoStart"), 0, 1);
    autostart->addWidget(w("cmdSelAutoSt"), 0, 2);
    layout->addLayout(autostart);

    auto* frame4 = new QGroupBox(QStringLiteral(" Aktionen konfigurieren: "));
    auto* quick = new QGridLayout(frame4);
    const std::array<std::pair<const char*, const char*>, 5> rows = {{{"AkPf1", "cmdTB1"},
                                                                      {"AkPf2", "cmdTB2"},
                                                                      {"AkPf3", "cmdTB3"},
                                                                      {"AkPf4", "cmdTB4"},
                                                                      {"AkPf5", "cmdTB5"}}};
    for (int k = 0; k < 5; ++k) {
        quick->addWidget(w(rows[k].first), k, 0);
        quick->addWidget(w(rows[k].second), k, 1);
    }
    layout->addWidget(frame4);

    auto* dataSrc = new QGroupBox(QStringLiteral("Daten sichern "));
    auto* source = new QGridLayout(dataSrc);
    source->addWidget(w("DataLok"), 0, 0);
    source->addWidget(w("DataWeb"), 0, 1);
    source->addWidget(w("lblPfad"), 1, 0);
    source->addWidget(w("txtPfad"), 1, 1, 1, 2);
    source->addWidget(w("lblURL"), 1, 0);
    source->addWidget(w("txtURL"), 1, 1, 1, 2);
    source->addWidget(w("cmdSetMURL"), 2, 2);
    layout->addWidget(dataSrc);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(w("cmdInfo"));
    bottom->addStretch(1);
    bottom->addWidget(w("cmdClose"));
    layout->addLayout(bottom);
}

void OptionsWindow::showDialog() {
    refresh();
    show();
    raise();
    activateWindow();
}

void OptionsWindow::refresh() {
    m_table->mirror(m_controller);
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    // Closed by its frame: hidden without storing, as if left unchanged.
    event->accept();
    emit left();
}
