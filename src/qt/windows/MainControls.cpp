// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/MainControls.h"

#include "app/MainController.h"
#include "qt/windows/OptionsWindow.h"
#include "qt/windows/SlideShowWindow.h"

#include <array>

using rovanta::Button;
using rovanta::FormState;
using Token = rovanta::ActionEditor::TokenButton;
using Ctx = ControlContext;
using Value = const std::string&;

namespace {

constexpr auto kControls = std::to_array<Control>({
    // The title row.
    {.name = "cmdOpt", .kind = ControlKind::Button, .caption = "> Optionen <",
     .tooltip = "Einstellungen!", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) {
         x.controller.options().show();
         x.options.showDialog();
     },
     .route = Route::Direct, .direct = "opens a window of its own, also while a tour plays"},
    {.name = "txtInfo", .kind = ControlKind::Button, .caption = "[Info]", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.info(); }},
    {.name = "cmdExit", .kind = ControlKind::Button, .caption = "X", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.exit(); },
     .route = Route::Direct, .direct = "ends the program even while a step runs"},

    // The navigation row and the address.
    {.name = "cmdBack", .kind = ControlKind::Button, .caption = "&Zurück",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.back(); },
     .enabledBy = Button::CmdBack, .icon = QStyle::SP_ArrowBack},
    {.name = "cmdForward", .kind = ControlKind::Button, .caption = "&Vor",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.forward(); },
     .enabledBy = Button::CmdForward, .icon = QStyle::SP_ArrowForward},
    {.name = "cmdRefresh", .kind = ControlKind::Button, .caption = "&Refresh",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.refresh(); },
     .enabledBy = Button::CmdRefresh, .icon = QStyle::SP_BrowserReload},
    {.name = "cmdHome", .kind = ControlKind::Button, .caption = "&Home",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.home(); },
     .enabledBy = Button::CmdHome, .icon = QStyle::SP_DirHomeIcon},
    {.name = "cmdStop", .kind = ControlKind::Button, .caption = "&Stop",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.stop(); },
     .route = Route::Direct, .direct = "stops a page that is loading while a step waits for it",
     .enabledBy = Button::CmdStop, .icon = QStyle::SP_BrowserStop},
    {.name = "txtURL", .kind = ControlKind::LineEdit, .trigger = Trigger::Return,
     .run = [](const Ctx& x, Value text) { x.controller.urlEntered(text); },
     .text = &FormState::txtURL, .storesEdits = true},
    {.name = "cmdLBrowse", .kind = ControlKind::Button, .caption = "...",
     .tooltip = "Lokale HTML-Datei öffnen", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.generators().openLocalPage(); }},
    {.name = "lblStatus", .kind = ControlKind::Label, .text = &FormState::lblStatus},

    // The tour file and the quick tours.
    {.name = "TourFile", .kind = ControlKind::LineEdit, .text = &FormState::tourFile,
     .enabledIf = &FormState::tourFileEnabled, .storesEdits = true},
    {.name = "Command6", .kind = ControlKind::Button, .caption = "laden",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.tourFiles().load(); },
     .enabledBy = Button::Command6},
    {.name = "Command5", .kind = ControlKind::Button, .caption = "speichern",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.tourFiles().save(); },
     .enabledBy = Button::Command5},
    {.name = "cmdFileDlg", .kind = ControlKind::Button, .caption = "...",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.tourFiles().chooseAndStart(); }},
    {.name = "cmdTB1", .kind = ControlKind::Button, .caption = "Tour_1", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.tourFiles().quickTour(1); }},
    {.name = "cmdTB2", .kind = ControlKind::Button, .caption = "Tour_2", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.tourFiles().quickTour(2); }},
    {.name = "cmdTB3", .kind = ControlKind::Button, .caption = "Tour_3", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.tourFiles().quickTour(3); }},
    {.name = "cmdTB4", .kind = ControlKind::Button, .caption = "Tour_4", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.tourFiles().quickTour(4); }},
    {.name = "cmdTB5", .kind = ControlKind::Button, .caption = "Tour_5", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.tourFiles().quickTour(5); }},

    // The tour's commands.
    {.name = "Command4", .kind = ControlKind::Button, .caption = "> Tour starten",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.player().startTour(); },
     .enabledBy = Button::Command4},
    {.name = "cmdTStop", .kind = ControlKind::Button, .caption = "[Halt]",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.player().haltOrResume(); },
     .enabledBy = Button::CmdTStop, .derived = &FormState::cmdTStopCaption},
    {.name = "Invervall", .kind = ControlKind::LineEdit, .tooltip = "Intervall in Sekunden",
     .trigger = Trigger::Edit,
     .run = [](const Ctx& x, Value text) { x.controller.player().intervalChanged(text); },
     .text = &FormState::invervall, .storesEdits = true},
    {.name = "Command2", .kind = ControlKind::Button, .caption = "> URL zu Tour <",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.editor().addOrReplace(); },
     .enabledBy = Button::Command2},
    {.name = "Command7", .kind = ControlKind::Button, .caption = "Lösche Eintrag",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.editor().deleteSelected(); },
     .enabledBy = Button::Command7},
    {.name = "Command3", .kind = ControlKind::Button, .caption = "Lösche Tour",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.editor().deleteAll(); },
     .enabledBy = Button::Command3},
    {.name = "cmdNoEdit", .kind = ControlKind::Button, .caption = "[no edit]",
     .tooltip = "Edit-Modus aufheben!", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.editor().leaveEditMode(); }},
    {.name = "cmdEdit", .kind = ControlKind::CheckBox, .caption = "Edit", .checked = &FormState::cmdEditChecked,
     .storesEdits = true},
    {.name = "HoldURL", .kind = ControlKind::CheckBox, .caption = "Halte URL",
     .tooltip = "Hält die bestehende URL im Browser!", .checked = &FormState::holdUrlChecked,
     .storesEdits = true},
    {.name = "chkGuide", .kind = ControlKind::CheckBox, .caption = "Anleitung aufnehmen",
     .tooltip = "Schreibt beim Abspielen eine Anleitung mit einem Bild je Schritt",
     .checked = &FormState::guideOn, .storesEdits = true},
    {.name = "txtHnw", .kind = ControlKind::LineEdit, .tooltip = "Hinweis zum Eintrag",
     .text = &FormState::txtHnw, .storesEdits = true},

    // The action editor.
    {.name = "txtKeyPressed", .kind = ControlKind::LineEdit,
     .tooltip = "Geben Sie hier die Zeichen an die eingegeben werden sollen!",
     .trigger = Trigger::Edit, .run = [](const Ctx& x, Value) { x.controller.form().changed(); },
     .route = Route::Direct, .direct = "shows the check of the text as it is typed",
     .text = &FormState::txtKeyPressed, .storesEdits = true},
    {.name = "lblKeyCheck", .kind = ControlKind::Label}, // the check line, set by the window
    {.name = "chkRecKeys", .kind = ControlKind::CheckBox, .caption = "Tasten aufnehmen",
     .tooltip = "Tasten, die Sie in der Seite drücken, werden als Aktionstext aufgenommen",
     .checked = &FormState::recordingKeys, .storesEdits = true},
    {.name = "cmdBlA", .kind = ControlKind::Button, .caption = "[", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.actionEditor().press(Token::CmdBlA); }},
    {.name = "cmdBlE", .kind = ControlKind::Button, .caption = "]", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.actionEditor().press(Token::CmdBlE); }},
    {.name = "cmdBlIn", .kind = ControlKind::Button, .caption = "[Enf_BL]",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.actionEditor().press(Token::CmdBlIn); }},
    {.name = "cmdEnter", .kind = ControlKind::Button, .caption = "[Enter]",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.actionEditor().press(Token::CmdEnter); }},
    {.name = "cmdTab", .kind = ControlKind::Button, .caption = "[TAB]", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.actionEditor().press(Token::CmdTab); }},
    {.name = "cmdField", .kind = ControlKind::Button, .caption = "Flx", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.actionEditor().press(Token::CmdField); }},
    {.name = "cmdClearTxt", .kind = ControlKind::Button, .caption = "C", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.actionEditor().press(Token::CmdClearTxt); }},
    {.name = "cmdStz", .kind = ControlKind::ComboBox, .trigger = Trigger::Choice,
     .run = [](const Ctx& x, Value item) { x.controller.actionEditor().choose(item); },
     .text = &FormState::cmdStzText, .items = rovanta::ActionEditor::kListItems},
    {.name = "cmdMausAn", .kind = ControlKind::Button, .caption = "[An]",
     .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.mouse().toggleCapture(); },
     .derived = &FormState::cmdMausAnCaption},
    {.name = "lblMCntr", .kind = ControlKind::Label, .derived = &FormState::lblMCntr},
    {.name = "lblPos", .kind = ControlKind::Label, .text = &FormState::lblPos},
    {.name = "cmdGoTo", .kind = ControlKind::Button, .caption = "[GoTo]",
     .trigger = Trigger::Click, .run = [](const Ctx& x, Value) { x.controller.mouse().goTo(); }},
    {.name = "txtDirLst", .kind = ControlKind::LineEdit, .text = &FormState::txtDirLst,
     .shownIf = &FormState::txtDirLstVisible},

    // Tour text from the web.
    {.name = "WebHTML", .kind = ControlKind::TextBlock, .tooltip = "Tour-Text aus dem Web",
     .text = &FormState::webHtml, .storesEdits = true},
    {.name = "Command9", .kind = ControlKind::Button, .caption = "Load", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.tourFiles().loadWebHtml(); }},

    // The site generators.
    {.name = "cmdFrame", .kind = ControlKind::Button, .caption = "Frame anlegen",
     .tooltip = "Erstellt Frame-Datei für Tour!", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.generators().frameSite(); }},
    {.name = "cmdLHTM", .kind = ControlKind::Button, .caption = "HTML-File-Liste",
     .tooltip = "HTML-Dateien aus Verz. zu Tour", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.controller.generators().htmlFileList(); }},
    {.name = "cmdPicTour", .kind = ControlKind::Button, .caption = "Dia-Show",
     .tooltip = "DiaShow anlegen", .trigger = Trigger::Click,
     .run = [](const Ctx& x, Value) { x.slideShow.showDialog(); },
     .route = Route::Direct, .direct = "opens a window of its own"},
});

} // namespace

std::span<const Control> mainControls() {
    return kControls;
}
