// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/SlideShowWindow.h"

#include "app/MainController.h"
#include "qt/windows/DialogTable.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>

using rovanta::SlideShowState;
using Ctx = DialogContext;
using Value = const DialogValue&;
using Controller = rovanta::MainController;

namespace {

constexpr std::array<const char*, 4> kFormats = {"*.jpg", "*.gif", "*.png", "*.jpeg"};

// A choice box of the show: its state, and the command its click runs.
template <bool SlideShowState::*F> bool chosen(Controller& c) {
    return c.slideShow().state().*F;
}
template <bool SlideShowState::*F> void choose(const Ctx& x, Value v) {
    x.controller.slideShow().options().*F = v.on;
}

constexpr auto kControls = std::to_array<DialogControl>({
    {.name = "DiaWeb",
     .kind = DialogKind::Radio,
     .caption = "Web",
     .trigger = DialogTrigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.slideShow().chooseLocation(false); },
     .checked = [](Controller& c) { return !c.slideShow().state().diaLokal; }},
    {.name = "DiaLokal",
     .kind = DialogKind::Radio,
     .caption = "Lokal",
     .trigger = DialogTrigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.slideShow().chooseLocation(true); },
     .left = [](const Ctx& x, Value) { x.controller.slideShow().lokalLeft(); },
     .checked = [](Controller& c) { return c.slideShow().state().diaLokal; }},
    {.name = "txtFirstPic",
     .kind = DialogKind::LineEdit,
     .trigger = DialogTrigger::Edit,
     .run = [](const Ctx& x, Value v) { x.controller.slideShow().options().txtFirstPic = v.text; },
     .route = Route::Direct,
     .direct = "a typed name is stored at once, as in the main window",
     .text = [](Controller& c) { return c.slideShow().state().txtFirstPic; }},
    {.name = "cmdSelFile",
     .kind = DialogKind::Button,
     .caption = "2) erstes Bild",
     .trigger = DialogTrigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.slideShow().getFirstPic(); }},
    {.name = "Label1", .kind = DialogKind::Label, .caption = "Format:"},
    // The format is taken when the box loses the focus.
    {.name = "txtForm",
     .kind = DialogKind::ComboBox,
     .left = [](const Ctx& x, Value v) { x.controller.slideShow().formatLeft(v.text); },
     .text = [](Controller& c) { return c.slideShow().state().txtForm; },
     .mirror = Mirror::UnlessFocused,
     .items = kFormats},
    {.name = "ChkDirection",
     .kind = DialogKind::CheckBox,
     .caption = "Navigation (L/R)",
     .trigger = DialogTrigger::Click,
     .run = choose<&SlideShowState::chkDirection>,
     .checked = chosen<&SlideShowState::chkDirection>},
    {.name = "ChkFrame",
     .kind = DialogKind::CheckBox,
     .caption = "In Frame",
     .trigger = DialogTrigger::Click,
     .run = [](const Ctx& x, Value v) { x.controller.slideShow().frameClicked(v.on); },
     .checked = chosen<&SlideShowState::chkFrame>},
    {.name = "ChkILink",
     .kind = DialogKind::CheckBox,
     .caption = "Icon-Link im Index",
     .trigger = DialogTrigger::Click,
     .run = choose<&SlideShowState::chkILink>,
     .checked = chosen<&SlideShowState::chkILink>},
    {.name = "ChkPicLink",
     .kind = DialogKind::CheckBox,
     .caption = "Link zu Original-Bild",
     .trigger = DialogTrigger::Click,
     .run = choose<&SlideShowState::chkPicLink>,
     .checked = chosen<&SlideShowState::chkPicLink>},
    {.name = "ChkAutoLink",
     .kind = DialogKind::CheckBox,
     .caption = "Auto-Weiterschaltung",
     .trigger = DialogTrigger::Click,
     .run = choose<&SlideShowState::chkAutoLink>,
     .checked = chosen<&SlideShowState::chkAutoLink>},
    {.name = "ChkNav",
     .kind = DialogKind::CheckBox,
     .caption = "Navigation",
     .trigger = DialogTrigger::Click,
     .run = choose<&SlideShowState::chkNav>,
     .checked = chosen<&SlideShowState::chkNav>},
    {.name = "ChkPath",
     .kind = DialogKind::CheckBox,
     .caption = "Bild-Pfad",
     .trigger = DialogTrigger::Click,
     .run = choose<&SlideShowState::chkPath>,
     .checked = chosen<&SlideShowState::chkPath>},
    {.name = "cmdGenShow",
     .kind = DialogKind::Button,
     .caption = "3) > Erstelle Show",
     .trigger = DialogTrigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.slideShow().genShow(); }},
    {.name = "cmdDiaShowLoad",
     .kind = DialogKind::Button,
     .caption = "[schließen]",
     .trigger = DialogTrigger::Click,
     .run =
         [](const Ctx& x, Value) {
             x.controller.slideShow().hide();
             x.leave();
         }},
});

} // namespace

std::span<const DialogControl> SlideShowWindow::controls() {
    return kControls;
}

SlideShowWindow::SlideShowWindow(rovanta::MainController& controller)
    : QWidget(nullptr, Qt::Window), m_controller(controller),
      m_table(new DialogTable(controls(), this)) {
    setWindowTitle(QStringLiteral("DiaShow erstellen"));
    layOut();
    m_table->bind({controller, [this] {
                       hide();
                       emit left();
                   }});
    resize(440, 320);
}

void SlideShowWindow::layOut() {
    const auto w = [this](const char* name) { return m_table->get(name); };
    auto* layout = new QVBoxLayout(this);

    auto* location = new QGroupBox(QStringLiteral(" 1) Lokation: "));
    auto* locationLayout = new QHBoxLayout(location);
    locationLayout->addWidget(w("DiaWeb"));
    locationLayout->addWidget(w("DiaLokal"));
    layout->addWidget(location);

    auto* pictures = new QGridLayout;
    pictures->addWidget(w("txtFirstPic"), 0, 0);
    pictures->addWidget(w("cmdSelFile"), 0, 1);
    pictures->addWidget(w("Label1"), 1, 0, Qt::AlignRight);
    pictures->addWidget(w("txtForm"), 1, 1);
    layout->addLayout(pictures);

    auto* choice = new QGroupBox(QStringLiteral(" Auswahl: "));
    auto* choiceLayout = new QGridLayout(choice);
    const std::array<const char*, 7> boxes = {"ChkDirection", "ChkFrame", "ChkILink", "ChkPicLink",
                                              "ChkAutoLink",  "ChkNav",   "ChkPath"};
    for (int i = 0; i < 7; ++i) {
        choiceLayout->addWidget(w(boxes[i]), i / 2, i % 2);
    }
    layout->addWidget(choice);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(w("cmdGenShow"));
    buttons->addStretch(1);
    buttons->addWidget(w("cmdDiaShowLoad"));
    layout->addLayout(buttons);
}

void SlideShowWindow::showDialog() {
    m_controller.slideShow().open();
    refresh();
    show();
    raise();
    activateWindow();
}

void SlideShowWindow::refresh() {
    m_table->mirror(m_controller);
}

void SlideShowWindow::closeEvent(QCloseEvent* event) {
    // Closed by its frame: the next opening starts in the start state.
    event->accept();
    m_controller.command([this] { m_controller.slideShow().discard(); });
    emit left();
}
